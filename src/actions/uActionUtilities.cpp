#include "actions/uActionUtilities.h"

#include <algorithm>
#include <cstdint>

#include "actions/uActionStrings.h"
#include "core/uFormat.h"
#include "core/uPlannerActionsStrings.h"
#include "platform/uEventLoop.h"

void TKoActionUtilities::InitIdentity() {
  FID = "Utilities";
  FName = ResStr(uplanneractions::name_action_utilities);
}

void TKoActionUtilities::SetDefaults() {
  SetConfig({});
}

void TKoActionUtilities::SetConfig(const TConfig& Config) {
  FConfig = Config;
  // Closing the program or restarting the events ends the list, so nothing may follow them.
  FTerminal = FConfig.Action == uaCloseApplication || FConfig.Action == uaRestartEvents;
}

void TKoActionUtilities::SaveConfig(TQueryStr& Config) const {
  Config.WriteInteger("Action", FConfig.Action);
  Config.WriteInteger("PauseSeconds", FConfig.PauseSeconds);
}

void TKoActionUtilities::LoadConfig(const TQueryStr& Config) {
  SetConfig({static_cast<std::uint8_t>(Config.ReadInteger("Action")),
             Config.ReadInteger("PauseSeconds")});
}

std::string TKoActionUtilities::GetDescription() const {
  switch (FConfig.Action) {
    case uaCloseApplication:
      return ResStr(uplanneractions::sactioncloseapplication);
    case uaRestartEvents:
      return ResStr(uplanneractions::sactionrestartevents);
    case uaPause:
      return Format(ResStr(uplanneractions::sactionpausefornumseconds),
                    {std::to_string(FConfig.PauseSeconds)});
  }
  return {};
}

bool TKoActionUtilities::Execute(TKoActionOutcome& Outcome) {
  switch (FConfig.Action) {
    case uaCloseApplication:
      Outcome = kaoCloseApplication;
      break;
    case uaRestartEvents:
      Outcome = kaoRestartEvents;
      break;
    case uaPause:
      // The program stays responsive during the pause: a long one must not freeze its windows.
      (void)Services().EventLoop.Wait(static_cast<std::uint32_t>(std::min<std::uint64_t>(
          std::max(FConfig.PauseSeconds, 0) * std::uint64_t{1000}, UINT32_MAX)));
      break;
  }
  return true;
}
