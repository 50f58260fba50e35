#include "platform/sim/uSimFileDialogs.h"

std::optional<std::string> TSimFileDialogs::OpenFile(const TFileDialogOptions& Options) {
  Shown.push_back({"open", Options});
  return Next();
}

std::optional<std::string> TSimFileDialogs::SaveFile(const TFileDialogOptions& Options) {
  Shown.push_back({"save", Options});
  return Next();
}

std::optional<std::string> TSimFileDialogs::SelectDirectory(const std::string& Title,
                                                            const std::string& InitialDir) {
  TFileDialogOptions Options;
  Options.Title = Title;
  Options.InitialDir = InitialDir;
  Shown.push_back({"directory", Options});
  return Next();
}

std::optional<std::string> TSimFileDialogs::Next() {
  if (FAnswers.empty())
    return std::nullopt;
  auto Answer = std::move(FAnswers.front());
  FAnswers.pop_front();
  return Answer;
}
