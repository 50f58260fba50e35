#pragma once

#include <string>

#include "platform/uRegistry.h"

// Starting the program with Windows: a value in the Run key of the current user or of all users,
// whose name and data are both the program's full file name.
inline constexpr char kAutorunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// True when the entry is there and names this program (letter case aside); never fails.
bool IsAutorunEnabled(TRegistry& Registry, const std::string& ApplicationFileName, bool AllUsers);
// Raises ERegistryException when the entry cannot be written or removed.
void SetAutorun(TRegistry& Registry, const std::string& ApplicationFileName, bool AllUsers,
                bool Enable);
// "/uninstall": removes the all-users entry, then the current user's, each only when present.
void RemoveAutorunEntries(TRegistry& Registry, const std::string& ApplicationFileName);
