#include "app/uCommandLine.h"

TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments) {
  TCommandLine Result;
  if (Arguments.empty())
    return Result;
  const std::string& First = Arguments[0];
  if (First == "/uninstall")
    Result.Switch = clsUninstall;
  else if (First == "/action")
    Result.Switch = clsAction;
  else if (First == "/preset")
    Result.Switch = clsPreset;
  if (Result.Switch != clsNone && Arguments.size() > 1) {
    Result.Argument = Arguments[1];
    Result.HasArgument = true;
  }
  return Result;
}
