#include "app/optionsform.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "app/optionsform_res.h"
#include "app/uWin32DialogPlacement.h"
#include "app/uOptionsInput.h"
#include "app/uOptionsStrings.h"
#include "core/uKoException.h"
#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32ModalScope.h"
#include "platform/win32/uWin32Text.h"

namespace {

// Posted when the dialog becomes active; by the time it arrives the dialog manager has put the
// focus back where it was before the dialog lost it.
constexpr UINT WM_OPTIONS_FOCUS_RESTORED = WM_APP + 1;

constexpr int PageCount = 4;
constexpr int PageTemplates[PageCount] = {IDD_OPTIONS_GENERAL, IDD_OPTIONS_ADVANCED,
                                          IDD_OPTIONS_WEBINTERFACE, IDD_OPTIONS_PROTECTION};
const TResString* const PageCaptions[PageCount] = {
    &tform_options::tabsheet_general, &tform_options::tabsheet_advanced,
    &tform_options::tabsheet_webinterface, &tform_options::tabsheet_protection};

using C = TOptionsControls;

struct TCheckBoxControl {
  int Id;
  bool C::*Field;
};
constexpr TCheckBoxControl CheckBoxes[] = {
    {IDC_OPTIONS_ALWAYSONTOP, &C::AlwaysOnTop},
    {IDC_OPTIONS_AUTORUNALLUSERS, &C::AutorunAllUsers},
    {IDC_OPTIONS_AUTORUNCURRENTUSER, &C::AutorunCurrentUser},
    {IDC_OPTIONS_SAVEANDLOADDEFAULTPRESET, &C::SaveAndLoadDefaultPreset},
    {IDC_OPTIONS_INCREASETABLESFONTSIZE, &C::IncreaseTablesFontSize},
    {IDC_OPTIONS_MINIMIZEONEVENTSSTART, &C::MinimizeOnEventsStart},
    {IDC_OPTIONS_MINIMIZEONPROGRAMLAUNCH, &C::MinimizeOnProgramLaunch},
    {IDC_OPTIONS_MINIMIZEONCLOSECLICK, &C::MinimizeOnCloseClick},
    {IDC_OPTIONS_STARTEVENTSONPROGRAMLAUNCH, &C::StartEventsOnProgramLaunch},
    {IDC_OPTIONS_PREVENTSYSTEMSLEEPWHILERUNNING, &C::PreventSystemSleepWhileRunning},
    {IDC_OPTIONS_STOPONSLEEP, &C::StopOnSleep},
    {IDC_OPTIONS_STARTONWAKEUP, &C::StartOnWakeUp},
    {IDC_OPTIONS_STARTONWAKEUPONLYIFWASRUNNING, &C::StartOnWakeUpOnlyIfWasRunning},
    {IDC_OPTIONS_EVENTSTATUSINTRAYICONHINT, &C::EventStatusInTrayIconHint},
    {IDC_OPTIONS_EVENTDETAILSINTRAYICONHINT, &C::EventDetailsInTrayIconHint},
    {IDC_OPTIONS_DISABLETRAYMESSAGES, &C::DisableTrayMessages},
    {IDC_OPTIONS_APPONLYONEINSTANCE, &C::AppOnlyOneInstance},
    {IDC_OPTIONS_HIDETRAYICON, &C::HideTrayIcon},
    {IDC_OPTIONS_WEBINTERFACEENABLE, &C::WebInterfaceEnable},
    {IDC_OPTIONS_WEBINTERFACEENABLEHTTPS, &C::WebInterfaceEnableHTTPS},
    {IDC_OPTIONS_WEBINTERFACEALLOWCMDEXEC, &C::WebInterfaceAllowCmdExec},
    {IDC_OPTIONS_PROTECTIONENABLE, &C::ProtectionEnable},
};

struct TTextControl {
  int Id;
  std::string C::*Field;
};
constexpr TTextControl TextBoxes[] = {
    {IDC_OPTIONS_WEBINTERFACEIP, &C::WebInterfaceIP},
    {IDC_OPTIONS_WEBINTERFACEPORT, &C::WebInterfacePort},
    {IDC_OPTIONS_WEBINTERFACEUSERNAME, &C::WebInterfaceUsername},
    {IDC_OPTIONS_WEBINTERFACEPASSWORD, &C::WebInterfacePassword},
    {IDC_OPTIONS_PROTECTIONPASSWORD, &C::ProtectionPassword},
    {IDC_OPTIONS_PROTECTIONPASSWORDREPEAT, &C::ProtectionPasswordRepeat},
};

struct TCaptionedControl {
  int Id;
  const TResString& Text;
};
namespace T = tform_options;
const TCaptionedControl Captions[] = {
    {IDOK, T::bitbtn_save},
    {IDCANCEL, T::bitbtn_cancel},
    {IDC_OPTIONS_ALWAYSONTOP, T::cb_alwaysontop},
    {IDC_OPTIONS_AUTORUNALLUSERS, T::cb_autorunallusers},
    {IDC_OPTIONS_AUTORUNCURRENTUSER, T::cb_autoruncurrentuser},
    {IDC_OPTIONS_SAVEANDLOADDEFAULTPRESET, T::cb_saveandloaddefaultpreset},
    {IDC_OPTIONS_INCREASETABLESFONTSIZE, T::cb_increasetablesfontsize},
    {IDC_OPTIONS_MINIMIZEONEVENTSSTART, T::checkbox_minimizeoneventsstart},
    {IDC_OPTIONS_MINIMIZEONPROGRAMLAUNCH, T::checkbox_minimizeonprogramlaunch},
    {IDC_OPTIONS_MINIMIZEONCLOSECLICK, T::checkbox_minimizeoncloseclick},
    {IDC_OPTIONS_STARTEVENTSONPROGRAMLAUNCH, T::checkbox_starteventsonprogramlaunch},
    {IDC_OPTIONS_PREVENTSYSTEMSLEEPWHILERUNNING, T::cb_preventsystemsleepwhilerunning},
    {IDC_OPTIONS_STOPONSLEEP, T::cb_stoponsleep},
    {IDC_OPTIONS_STARTONWAKEUP, T::cb_startonwakeup},
    {IDC_OPTIONS_STARTONWAKEUPONLYIFWASRUNNING, T::cb_startonwakeuponlyifwasrunning},
    {IDC_OPTIONS_EVENTSTATUSINTRAYICONHINT, T::checkbox_eventstatusintrayiconhint},
    {IDC_OPTIONS_EVENTDETAILSINTRAYICONHINT, T::checkbox_eventdetailsintrayiconhint},
    {IDC_OPTIONS_DISABLETRAYMESSAGES, T::cb_disabletraymessages},
    {IDC_OPTIONS_APPONLYONEINSTANCE, T::cb_apponlyoneinstance},
    {IDC_OPTIONS_HIDETRAYICON, T::cb_hidetrayicon},
    {IDC_OPTIONS_WEBINTERFACEENABLE, T::cb_webinterfaceenable},
    {IDC_OPTIONS_WEBINTERFACEIPLABEL, T::label_webinterfaceip},
    {IDC_OPTIONS_WEBINTERFACEIPPORTDELIMITER, T::label_webinterfaceipportdelimiter},
    {IDC_OPTIONS_WEBINTERFACEPORTLABEL, T::label_webinterfaceport},
    {IDC_OPTIONS_WEBINTERFACECHECK, T::sb_webinterfacecheck},
    {IDC_OPTIONS_WEBINTERFACEUSERNAMELABEL, T::label_webinterfaceusername},
    {IDC_OPTIONS_WEBINTERFACEPASSWORDLABEL, T::label_webinterfacepassword},
    {IDC_OPTIONS_WEBINTERFACEENABLEHTTPS, T::cb_webinterfaceenablehttps},
    {IDC_OPTIONS_WEBINTERFACEALLOWCMDEXEC, T::cb_webinterfaceallowcmdexec},
    {IDC_OPTIONS_WEBINTERFACEWARNING, T::label_webinterfacewarning},
    {IDC_OPTIONS_WEBINTERFACEWARNINGCREDENTIALS, T::label_webinterfacewarningcredentials},
    {IDC_OPTIONS_PROTECTIONENABLE, T::cb_protectionenable},
    {IDC_OPTIONS_PROTECTIONPASSWORDLABEL, T::label_protectionpassword},
    {IDC_OPTIONS_PROTECTIONPASSWORDREPEATLABEL, T::label_protectionpasswordrepeat},
    {IDC_OPTIONS_PROTECTIONWARNING, T::label_protectionwarning},
    {IDC_OPTIONS_PROTECTIONWARNINGPASSWORD, T::label_protectionwarningpassword},
};

// The controls that follow the web interface's "Enable", with their labels.
constexpr int WebInterfaceControls[] = {
    IDC_OPTIONS_WEBINTERFACEIPLABEL,
    IDC_OPTIONS_WEBINTERFACEIP,
    IDC_OPTIONS_WEBINTERFACEIPPORTDELIMITER,
    IDC_OPTIONS_WEBINTERFACEPORTLABEL,
    IDC_OPTIONS_WEBINTERFACEPORT,
    IDC_OPTIONS_WEBINTERFACECHECK,
    IDC_OPTIONS_WEBINTERFACEUSERNAMELABEL,
    IDC_OPTIONS_WEBINTERFACEUSERNAME,
    IDC_OPTIONS_WEBINTERFACEPASSWORDLABEL,
    IDC_OPTIONS_WEBINTERFACEPASSWORD,
    IDC_OPTIONS_WEBINTERFACEENABLEHTTPS,
    IDC_OPTIONS_WEBINTERFACEALLOWCMDEXEC,
};
constexpr int ProtectionPasswordControls[] = {
    IDC_OPTIONS_PROTECTIONPASSWORDLABEL, IDC_OPTIONS_PROTECTIONPASSWORD,
    IDC_OPTIONS_PROTECTIONPASSWORDREPEATLABEL, IDC_OPTIONS_PROTECTIONPASSWORDREPEAT};

// Which characters a subclassed text box lets through.
enum TCharacterFilter : DWORD_PTR { cfPort, cfIPAddress };

std::wstring WindowText(HWND Window) {
  std::wstring Text(static_cast<std::size_t>(GetWindowTextLengthW(Window)) + 1, L'\0');
  Text.resize(
      static_cast<std::size_t>(GetWindowTextW(Window, Text.data(), static_cast<int>(Text.size()))));
  return Text;
}

class TForm_Options {
 public:
  TForm_Options(HWND Owner, TOptionsPage Page, TSettings& Settings,
                const TOptionsServices& Services)
      : FOwner(Owner), FPage(Page), FModel(Settings, Services) {}

  bool ShowModal() {
    INITCOMMONCONTROLSEX Controls{sizeof Controls, ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&Controls);
    TModalScope Modal;
    const INT_PTR Shown = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_OPTIONS),
                                          FOwner, DialogProc, reinterpret_cast<LPARAM>(this));
    if (Shown == -1 || !FWindow)
      throw EKoException(ResStr(optionsform::swindowfailed));
    return Shown == IDOK;
  }

  TOptionsPage Page() const { return FPage; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
    if (Msg == WM_INITDIALOG)
      SetWindowLongPtrW(Window, DWLP_USER, LParam);
    auto Form = reinterpret_cast<TForm_Options*>(GetWindowLongPtrW(Window, DWLP_USER));
    if (!Form)
      return FALSE;
    try {
      return Form->HandleMessage(Window, Msg, WParam, LParam);
    } catch (...) {
      // Nothing may unwind through the system's dialog code; a failure closes the dialog as
      // Cancel would.
      EndDialog(Window, IDCANCEL);
      return TRUE;
    }
  }

  // The pages are dialogs of their own; what happens on them is the frame's business.
  static INT_PTR CALLBACK PageProc(HWND Page, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
    if (Msg == WM_INITDIALOG) {
      SetWindowLongPtrW(Page, DWLP_USER, LParam);
      return FALSE;
    }
    auto Form = reinterpret_cast<TForm_Options*>(GetWindowLongPtrW(Page, DWLP_USER));
    if (!Form || Msg != WM_COMMAND)
      return FALSE;
    try {
      return Form->Command(LOWORD(WParam), HIWORD(WParam));
    } catch (...) {
      EndDialog(Form->FWindow, IDCANCEL);
      return TRUE;
    }
  }

  static LRESULT CALLBACK FilterProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam,
                                     UINT_PTR Id, DWORD_PTR Filter) noexcept {
    if (Msg == WM_CHAR) {
      const auto Character = static_cast<char32_t>(WParam);
      const bool Accepted =
          Filter == cfPort ? AcceptsPortCharacter(Character) : AcceptsIPAddressCharacter(Character);
      if (!Accepted)
        return 0;
    } else if (Msg == WM_NCDESTROY) {
      RemoveWindowSubclass(Window, FilterProc, Id);
    }
    return DefSubclassProc(Window, Msg, WParam, LParam);
  }

  INT_PTR HandleMessage(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    switch (Msg) {
      case WM_INITDIALOG:
        FWindow = Window;
        SetUp();
        return FALSE;  // the focus is set
      case WM_COMMAND:
        return Command(LOWORD(WParam), HIWORD(WParam));
      case WM_NOTIFY: {
        const auto* Header = reinterpret_cast<const NMHDR*>(LParam);
        if (Header->idFrom == IDC_OPTIONS_PAGES && Header->code == TCN_SELCHANGE) {
          ShowPage(static_cast<int>(SendMessageW(Header->hwndFrom, TCM_GETCURSEL, 0, 0)));
          return TRUE;
        }
        return FALSE;
      }
      case WM_ACTIVATE:
        // Coming back from a message box, the dialog manager gives the focus back to the
        // control that had it; a password box must not take that for the user entering it.
        if (LOWORD(WParam) != WA_INACTIVE) {
          FRestoringFocus = true;
          PostMessageW(Window, WM_OPTIONS_FOCUS_RESTORED, 0, 0);
        }
        return FALSE;
      case WM_OPTIONS_FOCUS_RESTORED:
        FRestoringFocus = false;
        return TRUE;
    }
    return FALSE;
  }

  void SetUp() {
    SetWindowTextW(FWindow, Utf8ToWide(ResStr(tform_options::caption)).c_str());
    CreatePages();
    for (const TCaptionedControl& Captioned : Captions)
      SetWindowTextW(Control(Captioned.Id), Utf8ToWide(ResStr(Captioned.Text)).c_str());
    MakeBold(IDC_OPTIONS_WEBINTERFACEWARNING);
    MakeBold(IDC_OPTIONS_PROTECTIONWARNING);
    AddHint(IDC_OPTIONS_WEBINTERFACECHECK, tform_options::sb_webinterfacecheck_hint);
    AddHint(IDC_OPTIONS_HIDETRAYICONWARNING, tform_options::sb_hidetrayiconwarning_hint);

    SendMessageW(Control(IDC_OPTIONS_WEBINTERFACEIP), CB_LIMITTEXT, 15, 0);
    SendMessageW(Control(IDC_OPTIONS_WEBINTERFACEPORT), EM_LIMITTEXT, 5, 0);
    for (int Id : {IDC_OPTIONS_WEBINTERFACEPASSWORD, IDC_OPTIONS_PROTECTIONPASSWORD,
                   IDC_OPTIONS_PROTECTIONPASSWORDREPEAT})
      SendMessageW(Control(Id), EM_SETPASSWORDCHAR, L'*', 0);
    SetWindowSubclass(Control(IDC_OPTIONS_WEBINTERFACEPORT), FilterProc, 1, cfPort);
    COMBOBOXINFO Combo{};
    Combo.cbSize = sizeof Combo;
    if (GetComboBoxInfo(Control(IDC_OPTIONS_WEBINTERFACEIP), &Combo) && Combo.hwndItem)
      SetWindowSubclass(Combo.hwndItem, FilterProc, 1, cfIPAddress);

    FModel.Load();
    ShowControls();
    Place();
    SetForegroundWindow(FWindow);
    SetFocus(GetDlgItem(FWindow, IDC_OPTIONS_PAGES));
  }

  void CreatePages() {
    HWND Tabs = GetDlgItem(FWindow, IDC_OPTIONS_PAGES);
    for (int Index = 0; Index < PageCount; ++Index) {
      std::wstring Caption = Utf8ToWide(ResStr(*PageCaptions[Index]));
      TCITEMW Item{};
      Item.mask = TCIF_TEXT;
      Item.pszText = Caption.data();
      SendMessageW(Tabs, TCM_INSERTITEMW, static_cast<WPARAM>(Index),
                   reinterpret_cast<LPARAM>(&Item));
    }
    RECT Display{};
    GetClientRect(Tabs, &Display);
    SendMessageW(Tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&Display));
    MapWindowPoints(Tabs, FWindow, reinterpret_cast<POINT*>(&Display), 2);
    for (int Index = 0; Index < PageCount; ++Index) {
      FPages[Index] =
          CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(PageTemplates[Index]),
                             FWindow, PageProc, reinterpret_cast<LPARAM>(this));
      if (!FPages[Index])
        throw EKoException(ResStr(optionsform::swindowfailed));
      // Above the tab control, which clips its siblings, so the control never paints over them.
      SetWindowPos(FPages[Index], HWND_TOP, Display.left, Display.top, Display.right - Display.left,
                   Display.bottom - Display.top, SWP_NOACTIVATE);
    }
    const int First = FPage < PageCount ? FPage : opGeneral;
    SendMessageW(Tabs, TCM_SETCURSEL, static_cast<WPARAM>(First), 0);
    ShowPage(First);
  }

  void ShowPage(int Index) {
    if (Index < 0 || Index >= PageCount)
      return;
    FPage = static_cast<TOptionsPage>(Index);
    for (int Other = 0; Other < PageCount; ++Other)
      ShowWindow(FPages[Other], Other == Index ? SW_SHOW : SW_HIDE);
  }

  // Centred on a visible owner; next to the tray when the program shows only its tray icon.
  void Place() { PlaceDialog(FWindow, FOwner); }

  HWND Control(int Id) const {
    if (HWND Found = GetDlgItem(FWindow, Id))
      return Found;
    for (HWND Page : FPages)
      if (HWND Found = Page ? GetDlgItem(Page, Id) : nullptr)
        return Found;
    return nullptr;
  }

  INT_PTR Command(int Id, int Notification) {
    switch (Id) {
      case IDOK:
        ReadControls();
        if (FModel.SavePressed())
          EndDialog(FWindow, IDOK);
        else
          ShowControls();
        return TRUE;
      case IDCANCEL:
        EndDialog(FWindow, IDCANCEL);
        return TRUE;
      case IDC_OPTIONS_HIDETRAYICONWARNING:
        if (Notification == BN_CLICKED)
          FModel.HideTrayIconWarningPressed();
        return TRUE;
      case IDC_OPTIONS_WEBINTERFACECHECK:
        if (Notification == BN_CLICKED) {
          ReadControls();
          FModel.CheckPortPressed();
        }
        return TRUE;
      case IDC_OPTIONS_WEBINTERFACEIP:
        if (Notification == CBN_DROPDOWN)
          FillAddressChoices();
        return TRUE;
      case IDC_OPTIONS_WEBINTERFACEPASSWORD:
        return PasswordBoxNotification(Notification, opbWebInterface);
      case IDC_OPTIONS_PROTECTIONPASSWORD:
        return PasswordBoxNotification(Notification, opbProtection);
      case IDC_OPTIONS_PROTECTIONPASSWORDREPEAT:
        return PasswordBoxNotification(Notification, opbProtectionRepeat);
    }
    if (Notification == BN_CLICKED && IsCheckBox(Id)) {
      ReadControls();
      if (Id == IDC_OPTIONS_AUTORUNALLUSERS)
        FModel.AutorunAllUsersClicked();
      else if (Id == IDC_OPTIONS_AUTORUNCURRENTUSER)
        FModel.AutorunCurrentUserClicked();
      else if (Id == IDC_OPTIONS_STARTONWAKEUP)
        FModel.StartOnWakeUpClicked();
      ShowControls();
      return TRUE;
    }
    return FALSE;
  }

  INT_PTR PasswordBoxNotification(int Notification, TOptionsPasswordBox Box) {
    if (Notification == EN_SETFOCUS && !FRestoringFocus) {
      ReadControls();
      FModel.PasswordBoxEntered(Box);
      ShowControls();
    }
    return TRUE;
  }

  static bool IsCheckBox(int Id) {
    for (const TCheckBoxControl& Box : CheckBoxes)
      if (Box.Id == Id)
        return true;
    return false;
  }

  // The list is built anew at each opening, as the computer's addresses may have changed; the
  // text typed stays.
  void FillAddressChoices() {
    HWND Combo = Control(IDC_OPTIONS_WEBINTERFACEIP);
    const std::wstring Typed = WindowText(Combo);
    SendMessageW(Combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& Address : FModel.IPAddressChoices())
      SendMessageW(Combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(Address).c_str()));
    SetWindowTextW(Combo, Typed.c_str());
  }

  void ReadControls() {
    TOptionsControls& Controls = FModel.Controls();
    for (const TCheckBoxControl& Box : CheckBoxes)
      Controls.*Box.Field = IsDlgButtonChecked(GetParent(Control(Box.Id)), Box.Id) == BST_CHECKED;
    for (const TTextControl& Text : TextBoxes)
      Controls.*Text.Field = WideToUtf8(WindowText(Control(Text.Id)));
  }

  void ShowControls() {
    const TOptionsControls& Controls = FModel.Controls();
    for (const TCheckBoxControl& Box : CheckBoxes)
      SendMessageW(Control(Box.Id), BM_SETCHECK, Controls.*Box.Field ? BST_CHECKED : BST_UNCHECKED,
                   0);
    for (const TTextControl& Text : TextBoxes) {
      HWND Box = Control(Text.Id);
      const std::wstring Wanted = Utf8ToWide(Controls.*Text.Field);
      // Setting the same text again would move the caret of the box being typed in.
      if (WindowText(Box) != Wanted)
        SetWindowTextW(Box, Wanted.c_str());
    }
    const TOptionsEnabling Enabling = FModel.Enabling();
    for (int Id : WebInterfaceControls)
      EnableWindow(Control(Id), Enabling.WebInterfaceControls);
    for (int Id : ProtectionPasswordControls)
      EnableWindow(Control(Id), Enabling.ProtectionPasswords);
    EnableWindow(Control(IDC_OPTIONS_STARTONWAKEUPONLYIFWASRUNNING),
                 Enabling.StartOnWakeUpOnlyIfWasRunning);
  }

  void MakeBold(int Id) {
    if (!FBoldFont) {
      LOGFONTW Font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(FWindow, WM_GETFONT, 0, 0)), sizeof Font,
                 &Font);
      Font.lfWeight = FW_BOLD;
      FBoldFont.reset(CreateFontIndirectW(&Font));
    }
    SendMessageW(Control(Id), WM_SETFONT, reinterpret_cast<WPARAM>(FBoldFont.get()), FALSE);
  }

  void AddHint(int Id, const TResString& Hint) {
    // Owned by the dialog, so it goes with it.
    if (!FHints)
      FHints = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, FWindow,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND Button = Control(Id);
    if (!FHints || !Button)
      return;
    std::wstring Text = Utf8ToWide(ResStr(Hint));
    TTTOOLINFOW Tool{};
    // The short form works with every version of the common controls.
    Tool.cbSize = TTTOOLINFOW_V2_SIZE;
    Tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    Tool.hwnd = GetParent(Button);
    Tool.uId = reinterpret_cast<UINT_PTR>(Button);
    Tool.lpszText = Text.data();
    SendMessageW(FHints, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&Tool));
  }

  HWND FOwner;
  TOptionsPage FPage;
  TOptionsModel FModel;
  HWND FWindow = nullptr;
  std::array<HWND, PageCount> FPages{};  // children of the dialog, destroyed with it
  HWND FHints = nullptr;                 // owned by the dialog, destroyed with it
  TFontHandle FBoldFont;
  bool FRestoringFocus = false;
};

}  // namespace

bool Dialog_Options(HWND Owner, TOptionsPage& Page, TSettings& Settings,
                    const TOptionsServices& Services) {
  TForm_Options Form(Owner, Page, Settings, Services);
  const bool Saved = Form.ShowModal();
  Page = Form.Page();
  return Saved;
}
