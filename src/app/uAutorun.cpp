#include "app/uAutorun.h"

#include <exception>

#include "app/uRegistryEx.h"
#include "core/uStringUtils.h"

bool IsAutorunEnabled(TRegistry& Registry, const std::string& ApplicationFileName, bool AllUsers) {
  try {
    TRegistryEx Reader(Registry, AllUsers ? rrLocalMachine : rrCurrentUser);
    return SameText(Reader.ReadString(kAutorunKey, ApplicationFileName), ApplicationFileName);
  } catch (const std::exception&) {
    return false;
  }
}

void SetAutorun(TRegistry& Registry, const std::string& ApplicationFileName, bool AllUsers,
                bool Enable) {
  TRegistryEx Writer(Registry, AllUsers ? rrLocalMachine : rrCurrentUser);
  if (Enable)
    Writer.WriteString(kAutorunKey, ApplicationFileName, ApplicationFileName);
  else
    Writer.DeleteValue(kAutorunKey, ApplicationFileName);
}

void RemoveAutorunEntries(TRegistry& Registry, const std::string& ApplicationFileName) {
  for (bool AllUsers : {true, false})
    if (IsAutorunEnabled(Registry, ApplicationFileName, AllUsers))
      SetAutorun(Registry, ApplicationFileName, AllUsers, false);
}
