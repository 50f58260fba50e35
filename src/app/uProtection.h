#pragma once

#include <functional>
#include <string>

#include "app/uSettings.h"
#include "platform/uUserInterface.h"

// Shows the password prompt and waits for it: true with the typed text on OK, false (and an
// empty text) on Cancel or the close box. On Windows this is AskPassword (passwordform.h).
using TAskPassword = std::function<bool(std::string& Entered)>;

// The lock in front of the main window and the tray menu. The main window keeps one and asks
// CheckProtection before it shows itself from the tray or at a second start, and before the
// tray menu opens.
class TProtection {
 public:
  // Settings are read at every check, so a password changed in the options applies at once.
  TProtection(const TSettings& Settings, TAskPassword AskPassword, TUserInterface& UserInterface);

  // True when the user may go on: protection is off, or the user typed the password. A wrong
  // password offers Retry or Cancel, as often as the user likes; Cancel refuses. While a prompt
  // is open (a tray click arrives during it), further checks refuse at once.
  bool CheckProtection();

  // True while the prompt of a check is open.
  bool PromptingPassword() const { return FPromptingPassword; }

 private:
  const TSettings& FSettings;
  TAskPassword FAskPassword;
  TUserInterface& FUserInterface;
  bool FPromptingPassword = false;
};
