#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/uFileDialogs.h"

// Records every dialog asked for and answers from a script; without a scripted answer the user
// cancels.
class TSimFileDialogs : public TFileDialogs {
 public:
  struct TShown {
    std::string Kind;  // "open", "save" or "directory"
    TFileDialogOptions Options;
  };

  std::optional<std::string> OpenFile(const TFileDialogOptions& Options) override;
  std::optional<std::string> SaveFile(const TFileDialogOptions& Options) override;
  std::optional<std::string> SelectDirectory(const std::string& Title,
                                             const std::string& InitialDir) override;

  void Answer(std::optional<std::string> Path) { FAnswers.push_back(std::move(Path)); }
  std::vector<TShown> Shown;

 private:
  std::optional<std::string> Next();
  std::deque<std::optional<std::string>> FAnswers;
};
