#pragma once

#include "platform/uProcesses.h"

class TSimMachine;

// The simulated machine's process table; terminating a process takes it and its windows away.
class TSimProcesses : public TProcessSystem {
 public:
  explicit TSimProcesses(TSimMachine& Machine) : FMachine(Machine) {}

  std::optional<std::vector<TProcessEntry>> Snapshot() override;
  bool Terminate(std::uint32_t ProcessId, std::uint32_t ExitCode) override;
  TLaunchResult Launch(const TLaunchRequest& Request) override;
  std::string ExecutablePath() override;

 private:
  TSimMachine& FMachine;
};
