#pragma once

#include <deque>
#include <vector>

#include "platform/uUserInterface.h"

// Records every dialog and answers from a script; without a scripted answer the first button of
// the dialog is taken (OK, Yes or Retry), as a user pressing Enter would.
class TSimUserInterface : public TUserInterface {
 public:
  struct TShown {
    std::string Caption;
    std::string Text;
    TDialogKind Kind;
    TDialogButtons Buttons;
  };

  TDialogResult MessageDialog(const std::string& Caption, const std::string& Text, TDialogKind Kind,
                              TDialogButtons Buttons) override;

  void Answer(TDialogResult Result) { FAnswers.push_back(Result); }

  std::vector<TShown> Shown;

 private:
  std::deque<TDialogResult> FAnswers;
};
