#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One process of a snapshot: its id and the executable name the system records for it.
struct TProcessEntry {
  std::uint32_t ProcessId = 0;
  std::string ExeFile;
};

// A process to start. The command line reaches the system unchanged, with no separate program
// name, so the system finds the program from its first token.
struct TLaunchRequest {
  std::string CommandLine;
  std::string WorkingDirectory;  // empty: the program's own current directory
  bool Wait = false;
};

struct TLaunchResult {
  bool Started = false;
  std::uint32_t ErrorCode = 0;  // the system's error code when not started
  std::uint32_t ExitCode = 0;   // when waited for
};

// The processes of the machine: listing, terminating and starting them. The web interface's
// serving thread uses it too, so adapters keep no state between calls.
class TProcessSystem {
 public:
  virtual ~TProcessSystem() = default;

  // Every process in the system's order; none when no snapshot could be taken.
  virtual std::optional<std::vector<TProcessEntry>> Snapshot() = 0;
  // Opens the process for termination and ends it with the exit code; false when either fails.
  virtual bool Terminate(std::uint32_t ProcessId, std::uint32_t ExitCode) = 0;
  // Starts a process in a new process group without inheriting handles; waits for it when asked.
  virtual TLaunchResult Launch(const TLaunchRequest& Request) = 0;
  // The full path of this program's own executable.
  virtual std::string ExecutablePath() = 0;
};
