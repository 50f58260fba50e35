#include "app/uKindList.h"

#include "actions/uActionAlarm.h"
#include "actions/uActionCloseWindow.h"
#include "actions/uActionHangUp.h"
#include "actions/uActionHibernate.h"
#include "actions/uActionKillProcess.h"
#include "actions/uActionLock.h"
#include "actions/uActionLogoff.h"
#include "actions/uActionMessage.h"
#include "actions/uActionMonitor.h"
#include "actions/uActionOpenFile.h"
#include "actions/uActionPlaySound.h"
#include "actions/uActionReboot.h"
#include "actions/uActionRunPreset.h"
#include "actions/uActionRunProgram.h"
#include "actions/uActionScreenSaver.h"
#include "actions/uActionScreenshot.h"
#include "actions/uActionShutdown.h"
#include "actions/uActionSleep.h"
#include "actions/uActionUtilities.h"
#include "actions/uActionVolume.h"
#include "core/uKindRegistry.h"
#include "events/uEventBattery.h"
#include "events/uEventCPUUsage.h"
#include "events/uEventCountdown.h"
#include "events/uEventFileSize.h"
#include "events/uEventHardDiskUsage.h"
#include "events/uEventLid.h"
#include "events/uEventNetworkUsage.h"
#include "events/uEventOnTime.h"
#include "events/uEventPingStops.h"
#include "events/uEventProcess.h"
#include "events/uEventUserInactive.h"
#include "events/uEventWeekly.h"
#include "events/uEventWinampStops.h"
#include "events/uEventWindow.h"

void RegisterKinds(TKoKindRegistry& Registry) {
  Registry.AddEventKind<TKoEventCountdown>();
  Registry.AddEventKind<TKoEventOnTime>();
  Registry.AddEventKind<TKoEventWeekly>();
  Registry.AddEventKind<TKoEventWinampStops>();
  Registry.AddEventKind<TKoEventCPUUsage>();
  Registry.AddEventKind<TKoEventNetworkUsage>();
  Registry.AddEventKind<TKoEventHardDiskUsage>();
  Registry.AddEventKind<TKoEventUserInactive>();
  Registry.AddEventKind<TKoEventBattery>();
  Registry.AddEventKind<TKoEventWindow>();
  Registry.AddEventKind<TKoEventProcess>();
  Registry.AddEventKind<TKoEventPingStops>();
  Registry.AddEventKind<TKoEventFileSize>();
  Registry.AddEventKind<TKoEventLid>();

  Registry.AddActionKind<TKoActionShutdown>();
  Registry.AddActionKind<TKoActionReboot>();
  Registry.AddActionKind<TKoActionLogoff>();
  Registry.AddActionKind<TKoActionLock>();
  Registry.AddActionKind<TKoActionSleep>();
  Registry.AddActionKind<TKoActionHibernate>();
  Registry.AddActionKind<TKoActionMonitor>();
  Registry.AddActionKind<TKoActionScreenSaver>();
  Registry.AddActionKind<TKoActionScreenshot>();
  Registry.AddActionKind<TKoActionVolume>();
  Registry.AddActionKind<TKoActionHangUp>();
  Registry.AddActionKind<TKoActionAlarm>();
  Registry.AddActionKind<TKoActionMessage>();
  Registry.AddActionKind<TKoActionPlaySound>();
  Registry.AddActionKind<TKoActionRunProgram>();
  Registry.AddActionKind<TKoActionOpenFile>();
  Registry.AddActionKind<TKoActionCloseWindow>();
  Registry.AddActionKind<TKoActionKillProcess>();
  Registry.AddActionKind<TKoActionUtilities>();
  Registry.AddActionKind<TKoActionRunPreset>();
}
