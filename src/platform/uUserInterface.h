#pragma once

#include <cstdint>
#include <string>

enum TDialogKind : std::uint8_t { dkInformation, dkWarning, dkError, dkConfirmation };
enum TDialogButtons : std::uint8_t { dbOK, dbOKCancel, dbYesNo, dbYesNoCancel };
enum TDialogResult : std::uint8_t { drOK, drCancel, drYes, drNo };

// Modal questions and notices to the user. Portable code asks through this port so that tests can
// answer; on Windows it is a message box owned by the main window.
class TUserInterface {
 public:
  virtual ~TUserInterface() = default;
  // Caption empty means the application's title.
  virtual TDialogResult MessageDialog(const std::string& Caption, const std::string& Text,
                                      TDialogKind Kind, TDialogButtons Buttons) = 0;
  // An input box pre-filled with Value: true, with the text typed, when the user pressed OK.
  virtual bool InputQuery(const std::string& Caption, const std::string& Prompt,
                          std::string& Value) {
    (void)Caption, (void)Prompt, (void)Value;
    return false;
  }
  // A folder chooser: true, with the folder, when the user chose one.
  virtual bool SelectFolder(const std::string& Title, std::string& Folder) {
    (void)Title, (void)Folder;
    return false;
  }
};
