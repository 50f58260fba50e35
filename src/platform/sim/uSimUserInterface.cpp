#include "platform/sim/uSimUserInterface.h"

TDialogResult TSimUserInterface::MessageDialog(const std::string& Caption, const std::string& Text,
                                               TDialogKind Kind, TDialogButtons Buttons) {
  Shown.push_back({Caption, Text, Kind, Buttons});
  if (!FAnswers.empty()) {
    TDialogResult Result = FAnswers.front();
    FAnswers.pop_front();
    return Result;
  }
  return Buttons == TDialogButtons::dbYesNo || Buttons == TDialogButtons::dbYesNoCancel
             ? TDialogResult::drYes
             : TDialogResult::drOK;
}

namespace {

bool Take(std::deque<std::optional<std::string>>& Answers, std::string& Value) {
  if (Answers.empty())
    return false;
  const std::optional<std::string> Answer = Answers.front();
  Answers.pop_front();
  if (!Answer)
    return false;
  Value = *Answer;
  return true;
}

}  // namespace

bool TSimUserInterface::InputQuery(const std::string& Caption, const std::string& Prompt,
                                   std::string& Value) {
  Asked.push_back(Caption + ": " + Prompt + " [" + Value + "]");
  return Take(InputAnswers, Value);
}

bool TSimUserInterface::SelectFolder(const std::string& Title, std::string& Folder) {
  Asked.push_back(Title);
  return Take(FolderAnswers, Folder);
}
