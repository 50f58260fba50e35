#pragma once

#include "platform/uProcesses.h"

// Toolhelp snapshots, OpenProcess/TerminateProcess and CreateProcessW.
class TWin32Processes : public TProcessSystem {
 public:
  std::optional<std::vector<TProcessEntry>> Snapshot() override;
  bool Terminate(std::uint32_t ProcessId, std::uint32_t ExitCode) override;
  TLaunchResult Launch(const TLaunchRequest& Request) override;
  std::string ExecutablePath() override;
};
