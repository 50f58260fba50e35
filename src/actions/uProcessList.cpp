#include "actions/uProcessList.h"

#include "actions/uFileNames.h"
#include "actions/uTextCompare.h"

namespace {
constexpr std::uint32_t kTerminatedExitCode = 1;
}

bool TerminateProcessById(TProcessSystem& Processes, std::uint32_t ProcessId) {
  if (ProcessId == 0)
    return false;
  return Processes.Terminate(ProcessId, kTerminatedExitCode);
}

int KillProcessesByName(TProcessSystem& Processes, const std::string& Name) {
  if (IsBlank(Name))
    return 0;
  const auto Snapshot = Processes.Snapshot();
  if (!Snapshot)
    return 0;
  int Terminated = 0;
  for (const TProcessEntry& Entry : *Snapshot) {
    if (Entry.ProcessId == 0)
      continue;
    if (!SameTextIgnoringCase(FileNamePart(Entry.ExeFile), Name))
      continue;
    if (TerminateProcessById(Processes, Entry.ProcessId))
      ++Terminated;
  }
  return Terminated;
}

bool ListProcesses(TProcessSystem& Processes, TProcessList& List) {
  const auto Snapshot = Processes.Snapshot();
  if (!Snapshot)
    return false;
  for (const TProcessEntry& Entry : *Snapshot) {
    if (Entry.ProcessId == 0)
      continue;
    List.push_back({std::string(FileNamePart(Entry.ExeFile)), Entry.ProcessId});
  }
  return true;
}

bool IsProcessRunning(TProcessSystem& Processes, const std::string& Name, std::uint32_t ProcessId) {
  if (IsBlank(Name))
    return false;
  TProcessList List;
  ListProcesses(Processes, List);
  for (const TProcessListItem& Item : List) {
    if (SameText(Item.Name, Name) && (ProcessId == 0 || Item.ProcessId == ProcessId))
      return true;
  }
  return false;
}
