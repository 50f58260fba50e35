#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "platform/uUserInterface.h"

// Records every dialog and answers from a script; without a scripted answer the first button of
// the dialog is taken (OK or Yes), as a user pressing Enter would.
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

  // Without a scripted answer, input boxes and folder choosers are cancelled.
  bool InputQuery(const std::string& Caption, const std::string& Prompt,
                  std::string& Value) override;
  bool SelectFolder(const std::string& Title, std::string& Folder) override;

  void Answer(TDialogResult Result) { FAnswers.push_back(Result); }

  std::vector<TShown> Shown;
  std::deque<std::optional<std::string>> InputAnswers;
  std::deque<std::optional<std::string>> FolderAnswers;
  std::vector<std::string> Asked;  // captions and prompts of input boxes, titles of choosers

 private:
  std::deque<TDialogResult> FAnswers;
};
