#include "platform/sim/uSimDisplay.h"

#include <cstdio>

namespace {

std::string CommandName(std::uint32_t Command) {
  switch (Command) {
    case 0xF140:
      return "SC_SCREENSAVE";
    case 0xF170:
      return "SC_MONITORPOWER";
  }
  char Buffer[16];
  std::snprintf(Buffer, sizeof Buffer, "0x%04X", Command);
  return Buffer;
}

}  // namespace

std::optional<std::intptr_t> TSimDisplay::SendSystemCommand(std::uint32_t Command,
                                                            std::intptr_t Value) {
  if (!HasCommandWindow)
    return std::nullopt;
  Calls.push_back("at " + std::to_string(FLoop.TickCount64()) + " ms: WM_SYSCOMMAND " +
                  CommandName(Command) + " " + std::to_string(Value));
  return CommandResult;
}

void TSimDisplay::NudgeMouse() {
  Calls.push_back("at " + std::to_string(FLoop.TickCount64()) +
                  " ms: mouse_event MOUSEEVENTF_MOVE 0 0");
}
