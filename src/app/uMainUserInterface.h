#pragma once

#include "platform/win32/uWin32UserInterface.h"

// The program's questions and notices: message boxes, the input box and the folder chooser,
// owned by the main window.
class TMainUserInterface : public TWin32UserInterface {
 public:
  using TWin32UserInterface::TWin32UserInterface;
  bool InputQuery(const std::string& Caption, const std::string& Prompt,
                  std::string& Value) override;
  bool SelectFolder(const std::string& Title, std::string& Folder) override;

 private:
  HWND Owner() const;
};
