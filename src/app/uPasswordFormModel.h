#pragma once

#include <string>

// What the password prompt shows and answers, apart from drawing it. The window (passwordform)
// takes its texts from here when it opens and reports how it was closed.
class TPasswordFormModel {
 public:
  explicit TPasswordFormModel(std::string ApplicationTitle);

  // "Kolvane - Protection".
  std::string Caption() const;
  std::string EnterPasswordLabel() const;
  std::string OKCaption() const;
  std::string CancelCaption() const;

  void OKPressed(std::string Typed);
  // Cancel, Escape and the close box.
  void CancelPressed();

  bool Accepted() const { return FAccepted; }
  // The typed text after OK; empty otherwise.
  const std::string& Password() const { return FPassword; }

 private:
  std::string FApplicationTitle;
  bool FAccepted = false;
  std::string FPassword;
};
