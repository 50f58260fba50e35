#include "actions/uActionMonitor.h"

#include "actions/uActionPorts.h"
#include "actions/uDisplayActionsStrings.h"
#include "actions/uDisplayControl.h"
#include "core/uPlannerActionsStrings.h"

namespace {

// Long enough for the click or key press that started the action to be over: input right after
// the monitor went dark would wake it again.
constexpr std::uint32_t kSettleMs = 500;

}  // namespace

void TKoActionMonitor::InitIdentity() {
  FID = "Monitor";
  FName = ResStr(uplanneractions::name_action_monitor);
}

void TKoActionMonitor::SetDefaults() {
  FConfig = {};
}

void TKoActionMonitor::SaveConfig(TQueryStr& Config) const {
  Config.WriteInteger("Action", FConfig.Action);
}

void TKoActionMonitor::LoadConfig(const TQueryStr& Config) {
  FConfig.Action = static_cast<std::uint8_t>(Config.ReadInteger("Action", FConfig.Action));
}

std::string TKoActionMonitor::GetDescription() const {
  switch (FConfig.Action) {
    case maTurnOff:
      return ResStr(uplanneractions::sactionturnoff);
    case maTurnOn:
      return ResStr(uplanneractions::sactionturnon);
  }
  return {};
}

bool TKoActionMonitor::Execute(TKoActionOutcome&) {
  switch (FConfig.Action) {
    case maTurnOff:
      DelayProcessingMessages(Services().EventLoop, kSettleMs);
      return SetMonitorPower(DisplayPort(Services()), SystemVersionPort(Services()), false);
    case maTurnOn:
      return SetMonitorPower(DisplayPort(Services()), SystemVersionPort(Services()), true);
  }
  return false;
}
