#include "app/uProtection.h"

#include "app/uPasswordDigest.h"
#include "app/uProtectionStrings.h"

TProtection::TProtection(const TSettings& Settings, TAskPassword AskPassword,
                         TUserInterface& UserInterface)
    : FSettings(Settings), FAskPassword(std::move(AskPassword)), FUserInterface(UserInterface) {}

bool TProtection::CheckProtection() {
  if (!FSettings.ProtectionEnabled)
    return true;
  if (FPromptingPassword)
    return false;

  // Cleared on every way out, a failing prompt included.
  struct TGuard {
    bool& Flag;
    explicit TGuard(bool& Set) : Flag(Set) { Flag = true; }
    ~TGuard() { Flag = false; }
  } Guard(FPromptingPassword);

  for (;;) {
    std::string Entered;
    if (!FAskPassword(Entered))
      return false;
    if (VerifyPassword(Entered, FSettings.ProtectionPassword))
      return true;
    const std::string Warning =
        ResStr(mainform::sincorrectpassword) + " " + ResStr(mainform::spleasetryagain);
    if (FUserInterface.MessageDialog({}, Warning, dkWarning, dbRetryCancel) != drRetry)
      return false;
  }
}
