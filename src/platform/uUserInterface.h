#pragma once

#include <cstdint>
#include <string>

enum TDialogKind : std::uint8_t { dkInformation, dkWarning, dkError, dkConfirmation };
enum TDialogButtons : std::uint8_t { dbOK, dbOKCancel, dbYesNo, dbYesNoCancel, dbRetryCancel };
enum TDialogResult : std::uint8_t { drOK, drCancel, drYes, drNo, drRetry };

// Modal questions and notices to the user. Portable code asks through this port so that tests can
// answer; on Windows it is a message box owned by the main window.
class TUserInterface {
 public:
  virtual ~TUserInterface() = default;
  // Caption empty means the application's title.
  virtual TDialogResult MessageDialog(const std::string& Caption, const std::string& Text,
                                      TDialogKind Kind, TDialogButtons Buttons) = 0;
};
