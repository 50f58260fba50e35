#include "actions/uActionScreenSaver.h"

#include "actions/uActionPorts.h"
#include "actions/uDisplayActionsStrings.h"
#include "actions/uDisplayControl.h"
#include "core/uFormat.h"
#include "core/uPlannerActionsStrings.h"

namespace {

// A screen saver ends at the first input: the click or key that started the action must be
// over before it starts.
constexpr std::uint32_t kSettleMs = 500;

}  // namespace

void TKoActionScreenSaver::InitIdentity() {
  FID = "ScreenSaver";
  FName = ResStr(uplanneractions::name_action_screensaver);
}

void TKoActionScreenSaver::SetDefaults() {
  FConfig = {};
}

void TKoActionScreenSaver::SaveConfig(TQueryStr& Config) const {
  Config.WriteBool("UseCustom", FConfig.UseCustom);
  Config.WriteString("CustomPath", FConfig.CustomPath);
}

void TKoActionScreenSaver::LoadConfig(const TQueryStr& Config) {
  FConfig.UseCustom = Config.ReadBool("UseCustom");
  FConfig.CustomPath = Config.ReadString("CustomPath");
}

std::string TKoActionScreenSaver::GetDescription() const {
  if (FConfig.UseCustom)
    return Format(ResStr(uplanneractions::sactionusecustomscreensaverpath), {FConfig.CustomPath});
  return ResStr(uplanneractions::sactionusesystemscreensaver);
}

bool TKoActionScreenSaver::Execute(TKoActionOutcome&) {
  DelayProcessingMessages(Services().EventLoop, kSettleMs);
  if (FConfig.UseCustom)
    return StartScreenSaverFile(ProcessesPort(Services()), FConfig.CustomPath);
  return StartSystemScreenSaver(DisplayPort(Services()));
}
