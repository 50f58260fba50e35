// Kolvane's main routine.

#include <exception>

#include "app/mainform.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32Text.h"

int WINAPI wWinMain(HINSTANCE Instance, HINSTANCE, PWSTR, int ShowCommand) {
  try {
    TWin32EventLoop Loop;
    TForm_Main MainForm(Instance);
    if (!MainForm.Create(ShowCommand)) {
      MessageBoxW(nullptr, L"The main window could not be created.", L"Kolvane",
                  MB_ICONERROR | MB_OK);
      return 1;
    }
    return Loop.Run();
  } catch (const std::exception& Error) {
    MessageBoxW(nullptr, Utf8ToWide(Error.what()).c_str(), L"Kolvane", MB_ICONERROR | MB_OK);
    return 1;
  }
}
