#pragma once

#include <optional>
#include <string>

// What a file dialog starts from and offers.
struct TFileDialogOptions {
  std::string Title;       // empty: the system's own
  std::string FileName;    // proposed name, with or without a folder
  std::string InitialDir;  // empty: the system's choice
  // Pairs of a description and its patterns, all joined by "|": "Any files (*.*)|*.*".
  std::string Filter;
  std::string DefaultExt;  // added to a typed name without one, without the dot: "jpg"
};

// The system's dialogs that let the user pick a file or a folder. Each returns the path chosen,
// or none when the user cancelled.
class TFileDialogs {
 public:
  virtual ~TFileDialogs() = default;
  // An existing file.
  virtual std::optional<std::string> OpenFile(const TFileDialogOptions& Options) = 0;
  // A name to write to; the file need not exist.
  virtual std::optional<std::string> SaveFile(const TFileDialogOptions& Options) = 0;
  // An existing folder.
  virtual std::optional<std::string> SelectDirectory(const std::string& Title,
                                                     const std::string& InitialDir) = 0;
};
