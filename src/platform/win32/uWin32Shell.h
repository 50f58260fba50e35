#pragma once

#include "platform/uShell.h"

// ShellExecute, the shell's automation object and shell links. Each call sets COM up for the
// calling thread itself.
class TWin32Shell : public TShell {
 public:
  std::intptr_t ShellExecuteOpen(const std::string& File) override;
  std::string SystemErrorText(std::uint32_t Code) override;
  std::optional<std::string> MinimizeAll() override;
  bool CreateShortcut(const TShortcutSpec& Shortcut) override;
};
