#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What a shell link file holds. The icon is set only when given.
struct TShortcutSpec {
  struct TIcon {
    std::string File;
    int Index = 0;
  };
  std::string LinkFile;
  std::string Target;
  std::string Description;
  std::string WorkingDirectory;
  std::string Arguments;
  std::optional<TIcon> Icon;
};

// The Windows shell: opening documents and addresses, minimising windows, writing shortcuts.
class TShell {
 public:
  virtual ~TShell() = default;

  // ShellExecuteW "open" with no owner, parameters or directory, shown normally. Returns the
  // shell's value: above 32 means success, otherwise an error number.
  virtual std::intptr_t ShellExecuteOpen(const std::string& File) = 0;
  // The system's message text for an error code, without trailing line breaks.
  virtual std::string SystemErrorText(std::uint32_t Code) = 0;
  // "Shell.Application" MinimizeAll; the failure's text, none when it worked.
  virtual std::optional<std::string> MinimizeAll() = 0;
  // Writes the link file through IShellLinkW and IPersistFile; true when it was saved.
  virtual bool CreateShortcut(const TShortcutSpec& Shortcut) = 0;
};
