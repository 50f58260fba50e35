#include "actions/alarmform.h"

#include "platform/win32/uWindows.h"

#include "actions/alarmform_res.h"
#include "actions/uAlarmWindowModel.h"
#include "actions/uDisplayActionsStrings.h"
#include "core/uKoException.h"
#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32ModalScope.h"
#include "platform/win32/uWin32Text.h"

namespace {

// The window's size and places, in pixels.
constexpr int kClientWidth = 337;
constexpr int kClientHeight = 312;
constexpr int kImageWidth = 170;
constexpr int kImageHeight = 150;
constexpr int kTimeFontHeight = 27;
constexpr int kDateFontHeight = 21;

TFontHandle Verdana(int PixelHeight) {
  LOGFONTW Font{};
  Font.lfHeight = -PixelHeight;
  Font.lfWeight = FW_NORMAL;
  Font.lfCharSet = DEFAULT_CHARSET;
  Font.lfQuality = CLEARTYPE_QUALITY;
  wcscpy_s(Font.lfFaceName, L"Verdana");
  return TFontHandle(CreateFontIndirectW(&Font));
}

class TForm_Alarm final : private TAlarmWindowModel::TView {
 public:
  TForm_Alarm(TEventLoop& Loop, TLocale& Locale, TSoundPlayer& Sound)
      : FModel(Loop, Locale, Sound, *this) {}

  void ShowModal() {
    TModalScope Modal;
    const INT_PTR Shown = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ALARM),
                                          nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
    if (Shown == -1 || !FWindow)
      throw EKoException(ResStr(alarmform::swindowfailed));
  }

 private:
  static INT_PTR CALLBACK DialogProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept {
    if (Msg == WM_INITDIALOG)
      SetWindowLongPtrW(Window, DWLP_USER, LParam);
    auto Form = reinterpret_cast<TForm_Alarm*>(GetWindowLongPtrW(Window, DWLP_USER));
    if (!Form)
      return FALSE;
    try {
      return Form->HandleMessage(Window, Msg, WParam, LParam);
    } catch (...) {
      // A failure inside the window closes it rather than leave an alarm nobody can stop.
      EndDialog(Window, 0);
      return TRUE;
    }
  }

  INT_PTR HandleMessage(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    switch (Msg) {
      case WM_INITDIALOG:
        FWindow = Window;
        SetUp();
        return FALSE;  // the focus is set
      case WM_COMMAND:
        switch (LOWORD(WParam)) {
          case IDC_ALARM_CLOSE:
            FModel.ClosePressed();
            return TRUE;
          // The dialog manager turns Escape into IDCANCEL; no button carries that id.
          case IDCANCEL:
            FModel.EscapePressed();
            return TRUE;
        }
        return FALSE;
      case WM_CLOSE:
        FModel.ClosePressed();
        return TRUE;
      case WM_DESTROY:
        FModel.Hidden();
        return FALSE;
      case WM_CTLCOLORDLG:
      case WM_CTLCOLORSTATIC:
        // White, like the picture's own background.
        SetBkColor(reinterpret_cast<HDC>(WParam), RGB(255, 255, 255));
        (void)LParam;
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    }
    return FALSE;
  }

  void SetUp() {
    SetWindowTextW(FWindow, Utf8ToWide(ResStr(tform_alarm::caption)).c_str());
    SetDlgItemTextW(FWindow, IDC_ALARM_CLOSE,
                    Utf8ToWide(ResStr(tform_alarm::bitbtn_close)).c_str());
    Layout();

    FTimeFont = Verdana(kTimeFontHeight);
    FDateFont = Verdana(kDateFontHeight);
    SendDlgItemMessageW(FWindow, IDC_ALARM_TIME, WM_SETFONT,
                        reinterpret_cast<WPARAM>(FTimeFont.get()), FALSE);
    SendDlgItemMessageW(FWindow, IDC_ALARM_DATE, WM_SETFONT,
                        reinterpret_cast<WPARAM>(FDateFont.get()), FALSE);
    // Without its picture the alarm still rings.
    FPicture.reset(
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_ALARM),
                                        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (FPicture)
      SendDlgItemMessageW(FWindow, IDC_ALARM_IMAGE, STM_SETIMAGE, IMAGE_BITMAP,
                          reinterpret_cast<LPARAM>(FPicture.get()));

    // Above every window of every program, so the alarm is seen.
    RECT Frame{};
    GetWindowRect(FWindow, &Frame);
    const int Width = Frame.right - Frame.left;
    const int Height = Frame.bottom - Frame.top;
    SetWindowPos(FWindow, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - Width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - Height) / 2, 0, 0, SWP_NOSIZE);

    FModel.Shown();
    SetForegroundWindow(FWindow);
    SetFocus(GetDlgItem(FWindow, IDC_ALARM_CLOSE));
  }

  // The layout in pixels, whatever font size the dialog units stand for on this system.
  void Layout() {
    RECT Frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&Frame, static_cast<DWORD>(GetWindowLongPtrW(FWindow, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(FWindow, GWL_EXSTYLE)));
    SetWindowPos(FWindow, nullptr, 0, 0, Frame.right - Frame.left, Frame.bottom - Frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto Place = [this](int Id, int X, int Y, int Width, int Height) {
      SetWindowPos(GetDlgItem(FWindow, Id), nullptr, X, Y, Width, Height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    };
    Place(IDC_ALARM_IMAGE, (kClientWidth - kImageWidth) / 2, 8, kImageWidth, kImageHeight);
    Place(IDC_ALARM_TIME, 8, 166, kClientWidth - 16, 40);
    Place(IDC_ALARM_DATE, 8, 210, kClientWidth - 16, 30);
    Place(IDC_ALARM_CLOSE, (kClientWidth - 120) / 2, kClientHeight - 8 - 36, 120, 36);
  }

  void ShowTime(const std::string& Text) override {
    SetDlgItemTextW(FWindow, IDC_ALARM_TIME, Utf8ToWide(Text).c_str());
  }
  void ShowDate(const std::string& Text) override {
    SetDlgItemTextW(FWindow, IDC_ALARM_DATE, Utf8ToWide(Text).c_str());
  }
  void Flash() override { FlashWindow(FWindow, TRUE); }
  void CloseWindow() override { EndDialog(FWindow, 1); }

  TAlarmWindowModel FModel;
  HWND FWindow = nullptr;
  TFontHandle FTimeFont;
  TFontHandle FDateFont;
  TBitmapHandle FPicture;
};

}  // namespace

void Dialog_Alarm(TEventLoop& Loop, TLocale& Locale, TSoundPlayer& Sound) {
  TForm_Alarm Form(Loop, Locale, Sound);
  Form.ShowModal();
}
