#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/uProcesses.h"

// A running process as lists show it: the executable's file name (no folder) and its id.
struct TProcessListItem {
  std::string Name;
  std::uint32_t ProcessId = 0;
};
using TProcessList = std::vector<TProcessListItem>;

// Ends one process with exit code 1. Id 0, the system's idle process, is never touched.
bool TerminateProcessById(TProcessSystem& Processes, std::uint32_t ProcessId);

// Ends every process whose executable file name equals Name without regard to letter case, and
// returns how many ended. Name is compared as given: a blank name matches nothing, a name with a
// leading space matches no process. A failure to end one process does not stop the others.
int KillProcessesByName(TProcessSystem& Processes, const std::string& Name);

// Appends every running process (id 0 left out) in the system's order; the list is not cleared
// first. False when the system gave no snapshot.
bool ListProcesses(TProcessSystem& Processes, TProcessList& List);

// Whether a process with this executable file name runs, comparing names without regard to the
// case of A to Z. A non-zero ProcessId asks for that very process.
bool IsProcessRunning(TProcessSystem& Processes, const std::string& Name,
                      std::uint32_t ProcessId = 0);
