#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum TCommandLineSwitch : std::uint8_t {
  clsNone,       // a normal start
  clsUninstall,  // "/uninstall": remove the autorun entries and end
  clsAction,     // "/action <id>": run a quick action and end
  clsPreset,     // "/preset <name or file>": start with that preset
};

struct TCommandLine {
  TCommandLineSwitch Switch = clsNone;
  std::string Argument;  // the second argument; empty when there is none
  bool HasArgument = false;
};

// Only the first argument can be a switch, written exactly so (case matters); the second is its
// argument and anything after it is ignored. Arguments exclude the program's own name.
TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments);
