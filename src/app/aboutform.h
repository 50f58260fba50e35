#pragma once

#include <string>

#include "platform/win32/uWin32Handles.h"

// What the About box shows.
struct TAboutInfo {
  std::string Product;
  std::string Version;    // "4.4", see VersionText
  std::string BuildDate;  // "YYYY-MM-DD"
};

// The running program's: the version from its version resource and the day it was built.
TAboutInfo RunningProgramAbout();

// The About box: product, version, build date and a few words about the program, above all
// other windows and centred on its owner. Escape closes it; a right click on its top copies
// the version to the clipboard.
class TForm_About {
 public:
  explicit TForm_About(TAboutInfo Info) : FInfo(std::move(Info)) {}
  TForm_About(const TForm_About&) = delete;
  TForm_About& operator=(const TForm_About&) = delete;

  // Without blocking its owner; a box already open comes to the front.
  void Show(HWND Owner);
  // Until it is closed.
  void ShowModal(HWND Owner);
  // The modeless box's keyboard (Tab, Escape, Enter); true when Message was for it.
  bool PreTranslate(MSG& Message);
  HWND Handle() const { return FWindow.get(); }

 private:
  static INT_PTR CALLBACK DialogProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept;
  INT_PTR HandleMessage(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  void SetUp(HWND Window, HWND Owner);
  void Close(HWND Window);
  void CopyVersion(HWND Window) const;

  TAboutInfo FInfo;
  bool FModal = false;
  // The modeless box; the modal one lives inside DialogBoxParamW.
  TWindowHandle FWindow;
  TFontHandle FTitleFont;
};
