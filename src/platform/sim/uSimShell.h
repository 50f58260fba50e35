#pragma once

#include "platform/uShell.h"

class TSimMachine;

// The simulated machine's shell: opens nothing, answers from the machine's script.
class TSimShell : public TShell {
 public:
  explicit TSimShell(TSimMachine& Machine) : FMachine(Machine) {}

  std::intptr_t ShellExecuteOpen(const std::string& File) override;
  std::string SystemErrorText(std::uint32_t Code) override;
  std::optional<std::string> MinimizeAll() override;
  bool CreateShortcut(const TShortcutSpec& Shortcut) override;

 private:
  TSimMachine& FMachine;
};
