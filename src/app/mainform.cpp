#include "app/mainform.h"

#include "app/resource.h"
#include "core/uWindowMessages.h"

namespace {

constexpr wchar_t kMainWindowClass[] = L"TForm_Main";
constexpr wchar_t kApplicationTitle[] = L"Kolvane";
constexpr UINT WM_TRAY_NOTIFY = WM_APP + 1;
constexpr UINT_PTR kTrayRetryTimer = 1;
constexpr UINT kTrayRetryIntervalMs = 5000;
constexpr int kDesignedWidth = 500;
constexpr int kDesignedHeight = 400;

HICON LoadAppIcon(HINSTANCE Instance, int SizeMetricX, int SizeMetricY) {
  return static_cast<HICON>(LoadImageW(Instance, MAKEINTRESOURCEW(IDI_KOLVANE), IMAGE_ICON,
                                       GetSystemMetrics(SizeMetricX), GetSystemMetrics(SizeMetricY),
                                       LR_DEFAULTCOLOR));
}

WNDCLASSEXW MainWindowClass(HINSTANCE Instance, HICON Large, HICON Small, WNDPROC Procedure) {
  WNDCLASSEXW Class{};
  Class.cbSize = sizeof Class;
  Class.style = CS_HREDRAW | CS_VREDRAW;
  Class.lpfnWndProc = Procedure;
  Class.hInstance = Instance;
  Class.hIcon = Large;
  Class.hIconSm = Small;
  Class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  Class.lpszClassName = kMainWindowClass;
  return Class;
}

}  // namespace

TForm_Main::TForm_Main(HINSTANCE Instance)
    : FInstance(Instance),
      FLargeIcon(LoadAppIcon(Instance, SM_CXICON, SM_CYICON)),
      FSmallIcon(LoadAppIcon(Instance, SM_CXSMICON, SM_CYSMICON)),
      FClass(MainWindowClass(Instance, FLargeIcon.get(), FSmallIcon.get(), WindowProc)) {}

TForm_Main::~TForm_Main() = default;

bool TForm_Main::Create(int ShowCommand) {
  if (!FClass.Valid())
    return false;
  HWND Window = CreateWindowExW(0, kMainWindowClass, kApplicationTitle, WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, kDesignedWidth, kDesignedHeight,
                                nullptr, nullptr, FInstance, this);
  if (!Window)
    return false;
  FWindow.reset(Window);
  FTrayIcon =
      std::make_unique<TTrayIcon>(Window, WM_TRAY_NOTIFY, FSmallIcon.get(), kApplicationTitle);
  if (!FTrayIcon->Visible())
    SetTimer(Window, kTrayRetryTimer, kTrayRetryIntervalMs, nullptr);
  ShowWindow(Window, ShowCommand);
  UpdateWindow(Window);
  return true;
}

LRESULT CALLBACK TForm_Main::WindowProc(HWND Window, UINT Msg, WPARAM WParam,
                                        LPARAM LParam) noexcept {
  if (Msg == WM_NCCREATE) {
    auto Create = reinterpret_cast<const CREATESTRUCTW*>(LParam);
    SetWindowLongPtrW(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Create->lpCreateParams));
    return DefWindowProcW(Window, Msg, WParam, LParam);
  }
  auto Form = reinterpret_cast<TForm_Main*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
  if (!Form)
    return DefWindowProcW(Window, Msg, WParam, LParam);
  try {
    return Form->HandleMessage(Msg, WParam, LParam);
  } catch (...) {
    // Nothing may unwind into the system; later the application's error box takes this.
    return DefWindowProcW(Window, Msg, WParam, LParam);
  }
}

LRESULT TForm_Main::HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  HWND Window = FWindow.get();
  if (FTrayIcon && FTrayIcon->HandleTaskbarCreated(Msg))
    return 0;
  switch (Msg) {
    case WM_START_AFTER_PRESET:
      if (OnStartAfterPreset)
        OnStartAfterPreset();
      return 0;
    case WM_TRAY_NOTIFY:
      HandleTrayMessage(LOWORD(LParam));
      return 0;
    case WM_TIMER:
      if (WParam == kTrayRetryTimer && FTrayIcon) {
        FTrayIcon->RetryAdd();
        if (FTrayIcon->Visible())
          KillTimer(Window, kTrayRetryTimer);
        return 0;
      }
      break;
    case WM_DESTROY:
      KillTimer(Window, kTrayRetryTimer);
      FTrayIcon.reset();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      // The system has destroyed the window; nothing is left to release.
      SetWindowLongPtrW(Window, GWLP_USERDATA, 0);
      FWindow.release();
      return DefWindowProcW(Window, Msg, WParam, LParam);
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

void TForm_Main::HandleTrayMessage(UINT Event) {
  switch (Event) {
    case NIN_SELECT:
    case NIN_KEYSELECT:
    case WM_LBUTTONDBLCLK:
      ShowAndBringToFront();
      break;
  }
}

void TForm_Main::ShowAndBringToFront() {
  HWND Window = FWindow.get();
  if (!Window)
    return;
  if (IsIconic(Window) || !IsWindowVisible(Window))
    ShowWindow(Window, SW_RESTORE);
  SetForegroundWindow(Window);
}
