#include "events/uEventProcess.h"

#include <utility>

#include "actions/uProcessList.h"
#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"
#include "events/uEventPorts.h"
#include "events/uEventStrings.h"

namespace {

// One snapshot already taken, for the name search to read: the check must know whether the
// system gave a snapshot at all, and must not take a second one that could differ.
class TTakenSnapshot final : public TProcessSystem {
 public:
  explicit TTakenSnapshot(std::vector<TProcessEntry> Entries) : FEntries(std::move(Entries)) {}
  std::optional<std::vector<TProcessEntry>> Snapshot() override { return FEntries; }
  bool Terminate(std::uint32_t, std::uint32_t) override { return false; }
  TLaunchResult Launch(const TLaunchRequest&) override { return {}; }
  std::string ExecutablePath() override { return {}; }

 private:
  std::vector<TProcessEntry> FEntries;
};

}  // namespace

void TKoEventProcess::InitIdentity() {
  FID = "Process";
  FName = ResStr(uplannerevents::name_event_process);
}

void TKoEventProcess::SetDefaults() {
  FConfig = {};
}

void TKoEventProcess::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("ProcessName", FConfig.ProcessName);
  Config.WriteInteger("Interval", FConfig.Interval);
  Config.WriteBool("Starts", FConfig.Starts);
}

void TKoEventProcess::LoadConfig(const TQueryStr& Config) {
  FConfig.ProcessName = Config.ReadString("ProcessName");
  FConfig.Interval = Config.ReadInteger("Interval");
  FConfig.Starts = Config.ReadBool("Starts");
}

std::string TKoEventProcess::GetDescription() const {
  return Format(ResStr(FConfig.Starts ? uplannerevents::seventprocessstartscheckeverynumseconds
                                      : uplannerevents::seventprocessstopscheckeverynumseconds),
                {FConfig.ProcessName, FConfig.Interval});
}

void TKoEventProcess::DoStart() {
  RequireEventPort(Services().Processes);
  StartChecks(FConfig.Interval);
}

std::optional<bool> TKoEventProcess::Check() {
  // A snapshot the system refused (it does, now and then, while processes come and go) says
  // nothing about the process; taking it for "not running" would trigger a Stops event falsely.
  auto Snapshot = RequireEventPort(Services().Processes).Snapshot();
  if (!Snapshot)
    return std::nullopt;
  TTakenSnapshot Taken(std::move(*Snapshot));
  return IsProcessRunning(Taken, FConfig.ProcessName) == FConfig.Starts;
}
