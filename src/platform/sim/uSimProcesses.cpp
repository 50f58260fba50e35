#include "platform/sim/uSimProcesses.h"

#include <algorithm>

#include "platform/sim/uSimMachine.h"

std::optional<std::vector<TProcessEntry>> TSimProcesses::Snapshot() {
  if (FMachine.SnapshotFails)
    return std::nullopt;
  std::vector<TProcessEntry> Entries;
  for (const auto& Process : FMachine.ProcessTable)
    Entries.push_back({Process.ProcessId, Process.ExeFile});
  return Entries;
}

bool TSimProcesses::Terminate(std::uint32_t ProcessId, std::uint32_t ExitCode) {
  auto& Table = FMachine.ProcessTable;
  auto It = std::find_if(Table.begin(), Table.end(),
                         [&](const auto& Process) { return Process.ProcessId == ProcessId; });
  // OpenProcess fails for a process that is gone and for one we may not touch.
  if (It == Table.end() || !It->Terminable)
    return false;
  FMachine.Record("TerminateProcess " + It->ExeFile + " pid=" + std::to_string(ProcessId) +
                  " exit=" + std::to_string(ExitCode));
  Table.erase(It);
  std::erase_if(FMachine.WindowList,
                [&](const auto& Window) { return Window.ProcessId == ProcessId; });
  return true;
}

TLaunchResult TSimProcesses::Launch(const TLaunchRequest& Request) {
  FMachine.Record("CreateProcessW " + Request.CommandLine +
                  (Request.WorkingDirectory.empty() ? "" : " dir=" + Request.WorkingDirectory) +
                  (Request.Wait ? " wait" : ""));
  return FMachine.OnLaunch(Request);
}

std::string TSimProcesses::ExecutablePath() {
  return FMachine.ExecutablePath;
}
