#pragma once

#include <functional>

#include "platform/uUserInterface.h"
#include "platform/win32/uWindows.h"

// Message boxes owned by the window the application names (its main window, when there is one).
class TWin32UserInterface : public TUserInterface {
 public:
  explicit TWin32UserInterface(std::function<HWND()> Owner = {}) : FOwner(std::move(Owner)) {}
  TDialogResult MessageDialog(const std::string& Caption, const std::string& Text, TDialogKind Kind,
                              TDialogButtons Buttons) override;

 protected:
  std::function<HWND()> FOwner;
};
