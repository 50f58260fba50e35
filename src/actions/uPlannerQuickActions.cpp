#include "actions/uPlannerQuickActions.h"

#include "actions/uActionAlarm.h"
#include "actions/uActionHangUp.h"
#include "actions/uActionHibernate.h"
#include "actions/uActionLock.h"
#include "actions/uActionLogoff.h"
#include "actions/uActionMonitor.h"
#include "actions/uActionReboot.h"
#include "actions/uActionScreenSaver.h"
#include "actions/uActionShutdown.h"
#include "actions/uActionSleep.h"
#include "actions/uActionVolume.h"
#include "actions/uPlannerQuickActionsStrings.h"
#include "core/uPlannerActionsStrings.h"
#include "core/uStringUtils.h"

namespace {

// Session ends and suspends never force, whatever a planner action of the kind is set to.
template <typename TKind>
TKoQuickAction::TMaker Unforced() {
  return [](const TKoServices& Services) -> std::unique_ptr<TKoActionObject> {
    auto Action = TKoActionObject::Create<TKind>(Services);
    auto Config = Action->Config();
    Config.Force = false;
    Action->SetConfig(Config);
    return Action;
  };
}

// The monitor goes off, the volume to the given state; the screen saver is the system's.
TKoQuickAction::TMaker MonitorOff() {
  return [](const TKoServices& Services) -> std::unique_ptr<TKoActionObject> {
    auto Action = TKoActionObject::Create<TKoActionMonitor>(Services);
    Action->SetConfig({TKoActionMonitor::maTurnOff});
    return Action;
  };
}

TKoQuickAction::TMaker SystemScreenSaver() {
  return [](const TKoServices& Services) -> std::unique_ptr<TKoActionObject> {
    auto Action = TKoActionObject::Create<TKoActionScreenSaver>(Services);
    auto Config = Action->Config();
    Config.UseCustom = false;
    Action->SetConfig(Config);
    return Action;
  };
}

TKoQuickAction::TMaker VolumeMuted(bool Mute) {
  return [Mute](const TKoServices& Services) -> std::unique_ptr<TKoActionObject> {
    auto Action = TKoActionObject::Create<TKoActionVolume>(Services);
    Action->SetConfig({Mute});
    return Action;
  };
}

template <typename TKind>
TKoQuickAction::TMaker AsCreated() {
  return [](const TKoServices& Services) -> std::unique_ptr<TKoActionObject> {
    return TKoActionObject::Create<TKind>(Services);
  };
}

}  // namespace

bool TKoQuickAction::Execute() {
  auto Action = FMake(FServices);
  return Action->Run();
}

TKoQuickActions::TKoQuickActions(const TKoServices& Services) {
  auto Add = [&](std::string ID, const TResString& Name, TKoQuickAction::TMaker Make) {
    FList.push_back(
        std::make_unique<TKoQuickAction>(std::move(ID), Name, std::move(Make), Services));
  };
  Add("Shutdown", uplanneractions::name_action_shutdown, Unforced<TKoActionShutdown>());
  Add("Reboot", uplanneractions::name_action_reboot, Unforced<TKoActionReboot>());
  Add("Logoff", uplanneractions::name_action_logoff, Unforced<TKoActionLogoff>());
  Add("Lock", uplanneractions::name_action_lock, AsCreated<TKoActionLock>());
  Add("Sleep", uplanneractions::name_action_sleep, Unforced<TKoActionSleep>());
  Add("Hibernate", uplanneractions::name_action_hibernate, Unforced<TKoActionHibernate>());
  Add("MonitorOff", uplannerquickactions::name_qaction_monitoroff, MonitorOff());
  Add("ScreenSaver", uplanneractions::name_action_screensaver, SystemScreenSaver());
  Add("VolumeMute", uplannerquickactions::name_qaction_volumemute, VolumeMuted(true));
  Add("VolumeUnmute", uplannerquickactions::name_qaction_volumeunmute, VolumeMuted(false));
  Add("HangUp", uplanneractions::name_action_hangup, AsCreated<TKoActionHangUp>());
  Add("Alarm", uplanneractions::name_action_alarm, AsCreated<TKoActionAlarm>());
}

TKoQuickActionObject* TKoQuickActions::FindQuickAction(std::string_view ID) const {
  for (const auto& Quick : FList)
    if (SameText(Quick->GetID(), ID))
      return Quick.get();
  return nullptr;
}

std::string TKoQuickActions::GetQuickActionName(std::string_view ID) const {
  auto Quick = FindQuickAction(ID);
  return Quick ? Quick->GetName() : std::string();
}

bool TKoQuickActions::ExecuteQuickAction(std::string_view ID) const {
  auto Quick = FindQuickAction(ID);
  return Quick && Quick->Execute();
}

bool TKoQuickActions::ExecuteQuickActionByIndex(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FList.size()))
    return false;
  return FList[static_cast<std::size_t>(Index)]->Execute();
}
