// The item editor for real: the dialog opens on the test's thread while a worker thread plays the
// user with window messages. The frames run on the simulated machine, so what they list and the
// time "Now" gives are known.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "actions/actionframes_res.h"
#include "app/itemsform.h"
#include "app/itemsform_res.h"
#include "app/uWin32FrameView.h"
#include "editor/uFramesHost.h"
#include "events/eventframes_res.h"
#include "platform/win32/uWin32Text.h"

// After the project's headers, which reach Windows through uWindows.h: only DROPFILES is needed.
#include <shlobj.h>

namespace {

HWND FindDialog(const wchar_t* Title, DWORD TimeoutMs = 10000) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (GetTickCount64() < Deadline) {
    HWND Window = nullptr;
    while ((Window = FindWindowExW(nullptr, Window, L"#32770", Title)) != nullptr) {
      DWORD Owner = 0;
      GetWindowThreadProcessId(Window, &Owner);
      if (Owner == GetCurrentProcessId() && IsWindowVisible(Window))
        return Window;
    }
    Sleep(20);
  }
  return nullptr;
}

std::string TextOf(HWND Window) {
  wchar_t Buffer[1024] = {};
  GetWindowTextW(Window, Buffer, 1024);
  return WideToUtf8(Buffer);
}

// The frame shown in the editor: its child dialog.
HWND FrameOf(HWND Dialog) {
  return FindWindowExW(Dialog, nullptr, L"#32770", nullptr);
}

void Click(HWND Window, int Id) {
  SendMessageW(GetDlgItem(Window, Id), BM_CLICK, 0, 0);
}

void SetText(HWND Window, int Id, const std::wstring& Text) {
  SendMessageW(GetDlgItem(Window, Id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text.c_str()));
}

// What the user does in the list of kinds: a click on the entry.
void ChooseKind(HWND Dialog, int Index) {
  HWND Kinds = GetDlgItem(Dialog, IDC_ITEMS_KINDS);
  SendMessageW(Kinds, LB_SETCURSEL, static_cast<WPARAM>(Index), 0);
  SendMessageW(Dialog, WM_COMMAND, MAKEWPARAM(IDC_ITEMS_KINDS, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Kinds));
}

class ItemsFormTest : public ::testing::Test {
 protected:
  // Opens the editor on this thread while User acts on it from another; the dialog's title
  // tells which one to wait for.
  std::optional<TItemRow> ShowWhile(int Type, const TItemRow* Edited, const wchar_t* Title,
                                    const std::function<void(HWND Dialog)>& User) {
    std::thread Worker([&] {
      HWND Dialog = FindDialog(Title);
      ASSERT_NE(Dialog, nullptr) << "the editor did not appear";
      User(Dialog);
    });
    std::optional<TItemRow> Row;
    try {
      Row = Dialog_Items(Editor, nullptr, Type, Edited);
    } catch (...) {
      Worker.join();
      throw;
    }
    Worker.join();
    return Row;
  }

  int EventKind(const std::string& ID) { return Host.Registry.FindEventKind(ID); }
  int ActionKind(const std::string& ID) { return Host.Registry.FindActionKind(ID); }

  TFramesHost Host;
  TItemEditor Editor{Host.Registry, Host.Context};
};

TEST_F(ItemsFormTest, AddingAnEventSavesWhatWasTypedIntoItsFrame) {
  std::string SaveCaption;
  int KindCount = 0;
  const auto Row = ShowWhile(itEvent, nullptr, L"Add Event", [&](HWND Dialog) {
    SaveCaption = TextOf(GetDlgItem(Dialog, IDOK));
    KindCount = static_cast<int>(SendDlgItemMessageW(Dialog, IDC_ITEMS_KINDS, LB_GETCOUNT, 0, 0));
    ChooseKind(Dialog, EventKind("Countdown"));
    HWND Frame = FrameOf(Dialog);
    SetText(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_HOURS, L"2");
    SetText(Frame, IDD_EVENTCOUNTDOWN + IDC_HMS_EDIT_SECS, L"75");
    Click(Dialog, IDOK);
  });
  EXPECT_EQ(SaveCaption, "Add");
  EXPECT_EQ(KindCount, static_cast<int>(Host.Registry.EventKinds().size()));
  ASSERT_TRUE(Row);
  EXPECT_EQ(Row->ID, "Countdown");
  EXPECT_EQ(Row->Config, "TIME=2:11:15;");
  EXPECT_EQ(Row->Details, "Wait 2:11:15");
}

TEST_F(ItemsFormTest, CancelEscapeAndTheCloseBoxGiveNothing) {
  const std::function<void(HWND)> Ways[] = {
      [](HWND Dialog) { Click(Dialog, IDCANCEL); },
      [](HWND Dialog) { SendMessageW(Dialog, WM_COMMAND, IDCANCEL, 0); },
      [](HWND Dialog) { PostMessageW(Dialog, WM_CLOSE, 0, 0); },
  };
  for (const auto& Way : Ways)
    EXPECT_FALSE(ShowWhile(itAction, nullptr, L"Add Action", Way));
}

TEST_F(ItemsFormTest, EditingLoadsTheRowIntoTheFrameAndKeepsTheKind) {
  const TItemRow Edited{
      {}, {}, {}, "TEXT=Line one%0ALine two;SECONDS=75;DISABLECANCEL=True;", "Message"};
  std::string Caption, SaveCaption, Memo, Minutes, Seconds;
  bool ListEnabled = true, CancelChecked = false;
  int Selected = -1;
  const auto Row = ShowWhile(itAction, &Edited, L"Edit Action", [&](HWND Dialog) {
    Caption = TextOf(Dialog);
    SaveCaption = TextOf(GetDlgItem(Dialog, IDOK));
    ListEnabled = IsWindowEnabled(GetDlgItem(Dialog, IDC_ITEMS_KINDS));
    Selected = static_cast<int>(SendDlgItemMessageW(Dialog, IDC_ITEMS_KINDS, LB_GETCURSEL, 0, 0));
    HWND Frame = FrameOf(Dialog);
    Memo = TextOf(GetDlgItem(Frame, IDC_MESSAGE_MEMO));
    Minutes = TextOf(GetDlgItem(Frame, IDC_MESSAGE_EDIT_MINUTES));
    Seconds = TextOf(GetDlgItem(Frame, IDC_MESSAGE_EDIT_SECONDS));
    CancelChecked =
        SendDlgItemMessageW(Frame, IDC_MESSAGE_CB_DISABLECANCEL, BM_GETCHECK, 0, 0) == BST_CHECKED;
    Click(Frame, IDC_MESSAGE_CB_STAYONTOP);
    Click(Dialog, IDOK);
  });
  EXPECT_EQ(Caption, "Edit Action");
  EXPECT_EQ(SaveCaption, "Save");
  EXPECT_FALSE(ListEnabled);
  EXPECT_EQ(Selected, ActionKind("Message"));
  EXPECT_EQ(Memo, "Line one\r\nLine two");
  EXPECT_EQ(Minutes, "1");
  EXPECT_EQ(Seconds, "15");
  EXPECT_TRUE(CancelChecked);
  ASSERT_TRUE(Row);
  EXPECT_EQ(Row->Config,
            "TEXT=Line one%0ALine two;SECONDS=75;MINIMIZEALLWINDOWS=False;DISABLERESTART=False;"
            "DISABLECANCEL=True;DISABLEEXIT=False;STAYONTOP=True;");
}

TEST_F(ItemsFormTest, AKindWithoutSettingsSaysSoAndAddsItsRow) {
  bool LabelVisible = false, FrameShown = true;
  std::string Label;
  const auto Row = ShowWhile(itAction, nullptr, L"Add Action", [&](HWND Dialog) {
    ChooseKind(Dialog, ActionKind("Lock"));
    HWND NoConfiguration = GetDlgItem(Dialog, IDC_ITEMS_NOCONFIG);
    LabelVisible = IsWindowVisible(NoConfiguration);
    Label = TextOf(NoConfiguration);
    FrameShown = FrameOf(Dialog) != nullptr;
    Click(Dialog, IDOK);
  });
  EXPECT_TRUE(LabelVisible);
  EXPECT_EQ(Label, "(No additional configuration available)");
  EXPECT_FALSE(FrameShown);
  ASSERT_TRUE(Row);
  EXPECT_EQ(Row->Caption, "Lock Workstation");
}

TEST_F(ItemsFormTest, TheLastKindAndItsValuesAreThereTheNextTime) {
  ShowWhile(itEvent, nullptr, L"Add Event", [&](HWND Dialog) {
    ChooseKind(Dialog, EventKind("PingStops"));
    SetText(FrameOf(Dialog), IDC_PING_EDIT_HOST, L"192.0.2.7");
    Click(Dialog, IDCANCEL);
  });
  std::string Address;
  int Selected = -1;
  const auto Row = ShowWhile(itEvent, nullptr, L"Add Event", [&](HWND Dialog) {
    Selected = static_cast<int>(SendDlgItemMessageW(Dialog, IDC_ITEMS_KINDS, LB_GETCURSEL, 0, 0));
    Address = TextOf(GetDlgItem(FrameOf(Dialog), IDC_PING_EDIT_HOST));
    Click(Dialog, IDOK);
  });
  EXPECT_EQ(Selected, EventKind("PingStops"));
  EXPECT_EQ(Address, "192.0.2.7");
  EXPECT_EQ(Row->Config, "ADDRESS=192.0.2.7;TRIGGERPERIOD=10;PINGINTERVAL=2;");
}

TEST_F(ItemsFormTest, EditsTakeOnlyDigitsAndTheArrowsWrapAround) {
  std::string AfterTyping, AfterUp, AfterDown;
  const auto Row = ShowWhile(itEvent, nullptr, L"Add Event", [&](HWND Dialog) {
    ChooseKind(Dialog, EventKind("OnTime"));
    HWND Frame = FrameOf(Dialog);
    HWND Hours = GetDlgItem(Frame, IDD_EVENTONTIME + IDC_HMS_EDIT_HOURS);
    SetText(Frame, IDD_EVENTONTIME + IDC_HMS_EDIT_HOURS, L"");
    for (wchar_t Letter : std::wstring(L"2x3"))
      SendMessageW(Hours, WM_CHAR, Letter, 0);
    AfterTyping = TextOf(Hours);
    HWND Arrows = GetDlgItem(Frame, IDD_EVENTONTIME + IDC_HMS_UD_HOURS);
    NMUPDOWN Step{
        {Arrows, static_cast<UINT_PTR>(IDD_EVENTONTIME + IDC_HMS_UD_HOURS), UDN_DELTAPOS}, 50, 1};
    SendMessageW(Frame, WM_NOTIFY, Step.hdr.idFrom, reinterpret_cast<LPARAM>(&Step));
    AfterUp = TextOf(Hours);
    Step.iDelta = -1;
    SendMessageW(Frame, WM_NOTIFY, Step.hdr.idFrom, reinterpret_cast<LPARAM>(&Step));
    SendMessageW(Frame, WM_NOTIFY, Step.hdr.idFrom, reinterpret_cast<LPARAM>(&Step));
    AfterDown = TextOf(Hours);
    Click(Dialog, IDOK);
  });
  EXPECT_EQ(AfterTyping, "23");
  EXPECT_EQ(AfterUp, "0") << "23 + 1 wraps to 0";
  EXPECT_EQ(AfterDown, "22") << "0 - 1 wraps to 23, then 22";
  EXPECT_EQ(Row->Config.substr(0, 13), "TIME=22:00:00");
}

TEST_F(ItemsFormTest, EnablingRulesNowButtonAndDropDownsWorkOnTheRealControls) {
  Host.Machine.WindowList = {SimWindow(1, "Inbox - Mail"), SimWindow(2, "Calculator")};
  bool RadiosEnabled = true, DateEnabled = false;
  int Titles = 0;
  std::string Time;
  ShowWhile(itEvent, nullptr, L"Add Event", [&](HWND Dialog) {
    ChooseKind(Dialog, EventKind("Battery"));
    Click(FrameOf(Dialog), IDC_BATTERY_CHECK_POWER);
    RadiosEnabled = IsWindowEnabled(GetDlgItem(FrameOf(Dialog), IDC_BATTERY_RB_ONLINE));

    ChooseKind(Dialog, EventKind("OnTime"));
    Click(FrameOf(Dialog), IDC_ONTIME_CHECK_USEDATE);
    DateEnabled = IsWindowEnabled(GetDlgItem(FrameOf(Dialog), IDC_ONTIME_DATE));
    Click(FrameOf(Dialog), IDC_ONTIME_BUTTON_NOW);
    Time = TextOf(GetDlgItem(FrameOf(Dialog), IDD_EVENTONTIME + IDC_HMS_EDIT_HOURS)) + ":" +
           TextOf(GetDlgItem(FrameOf(Dialog), IDD_EVENTONTIME + IDC_HMS_EDIT_MINS));

    ChooseKind(Dialog, EventKind("Window"));
    HWND Combo = GetDlgItem(FrameOf(Dialog), IDC_WINDOW_COMBO_TITLES);
    SendMessageW(Combo, CB_SHOWDROPDOWN, TRUE, 0);
    Titles = static_cast<int>(SendMessageW(Combo, CB_GETCOUNT, 0, 0));
    SendMessageW(Combo, CB_SHOWDROPDOWN, FALSE, 0);
    Click(Dialog, IDCANCEL);
  });
  EXPECT_FALSE(RadiosEnabled);
  EXPECT_TRUE(DateEnabled);
  EXPECT_EQ(Time, "9:30");
  EXPECT_EQ(Titles, 2);
}

TEST_F(ItemsFormTest, FilesDroppedOnTheEditorReachAFrameThatTakesThem) {
  bool AcceptsForCountdown = true, AcceptsForFileSize = false;
  const auto Row = ShowWhile(itEvent, nullptr, L"Add Event", [&](HWND Dialog) {
    ChooseKind(Dialog, EventKind("Countdown"));
    AcceptsForCountdown = (GetWindowLongPtrW(Dialog, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
    ChooseKind(Dialog, EventKind("FileSizeLimit"));
    AcceptsForFileSize = (GetWindowLongPtrW(Dialog, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;

    // What the shell hands over on a drop: DROPFILES followed by the wide names.
    const std::wstring Names = std::wstring(L"C:\\data\\big file.iso") + L'\0' + L"C:\\b" + L'\0';
    const SIZE_T Size = sizeof(DROPFILES) + (Names.size() + 1) * sizeof(wchar_t);
    HGLOBAL Memory = GlobalAlloc(GHND, Size);
    auto Drop = static_cast<DROPFILES*>(GlobalLock(Memory));
    Drop->pFiles = sizeof(DROPFILES);
    Drop->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(Drop) + sizeof(DROPFILES), Names.c_str(),
           Names.size() * sizeof(wchar_t));
    GlobalUnlock(Memory);
    SendMessageW(Dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(Memory), 0);
    Click(Dialog, IDOK);
  });
  EXPECT_FALSE(AcceptsForCountdown);
  EXPECT_TRUE(AcceptsForFileSize);
  EXPECT_EQ(Row->Config, "FILE=C:\\data\\big file.iso;WHEN=0;SIZE=0;SIZETYPE=0;");
}

TEST_F(ItemsFormTest, EveryFrameFindsEachOfItsControlsInItsDialogResource) {
  INITCOMMONCONTROLSEX Controls{sizeof Controls,
                                ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_DATE_CLASSES};
  InitCommonControlsEx(&Controls);
  HWND Parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(Parent, nullptr);
  for (const auto& Frame : Editor.FrameList().Frames()) {
    TWin32FrameView View(*Frame, Parent);
    for (const auto& Control : Frame->Controls()) {
      HWND Item = GetDlgItem(View.Handle(), Control->Id());
      EXPECT_NE(Item, nullptr) << Frame->ClassName() << " control " << Control->Id();
      if (Item && Control->HasCaption() && Control->Kind() != TControlKind::ckButton) {
        EXPECT_EQ(TextOf(Item), Control->Caption()) << Frame->ClassName();
      }
      if (auto UpDown = dynamic_cast<TUpDownControl*>(Control.get()); UpDown && Item) {
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(Item, UDM_GETBUDDY, 0, 0)),
                  GetDlgItem(View.Handle(), UpDown->Associate().Id()))
            << Frame->ClassName();
      }
    }
  }
  DestroyWindow(Parent);
}

TEST_F(ItemsFormTest, WarningNotesAreDrawnInRed) {
  Host.Machine.Version = {2, 5, 1};  // Windows XP: no lid notifications
  TItemEditor OldEditor(Host.Registry, Host.Context);
  HWND Parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  for (const auto& Frame : OldEditor.FrameList().Frames()) {
    if (Frame->ClassName() != "TForm_EventLid")
      continue;
    TWin32FrameView View(*Frame, Parent);
    HDC Canvas = CreateCompatibleDC(nullptr);
    SendMessageW(View.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(Canvas),
                 reinterpret_cast<LPARAM>(GetDlgItem(View.Handle(), IDC_LID_LABEL_NOTE)));
    EXPECT_EQ(GetTextColor(Canvas), RGB(255, 0, 0));
    DeleteDC(Canvas);
  }
  DestroyWindow(Parent);
}

}  // namespace
