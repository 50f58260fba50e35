#include "app/uPlannerFrames.h"

#include "actions/uDisplayActionFrames.h"
#include "actions/uMessageActionFrame.h"
#include "actions/uPowerActionFrames.h"
#include "actions/uProgramActionFrames.h"
#include "actions/uScreenshotActionFrame.h"
#include "actions/uUtilitiesActionFrame.h"
#include "app/uPlannerFrameList.h"
#include "events/uPingStopsFrame.h"
#include "events/uPowerEventFrames.h"
#include "events/uTimeEventFrames.h"
#include "events/uUsageEventFrames.h"
#include "events/uUserInactiveFrame.h"
#include "events/uWatchEventFrames.h"

void RegisterPlannerFrames(TPlannerFrameClassList& Classes) {
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionCloseWindow>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionHibernate>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionKillProcess>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionLogoff>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionMessage>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionMonitor>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionOpenFile>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionPlaySound>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionReboot>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionRunPreset>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionRunProgram>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionScreenSaver>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionScreenshot>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionShutdown>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionSleep>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionUtilities>());
  Classes.Register(TPlannerFrameClass::Of<TForm_ActionVolume>());

  Classes.Register(TPlannerFrameClass::Of<TForm_EventBattery>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventCountdown>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventCPUUsage>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventFileSize>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventHardDiskUsage>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventLid>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventNetworkUsage>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventOnTime>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventPingStops>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventProcess>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventUserInactive>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventWeekly>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventWinampStops>());
  Classes.Register(TPlannerFrameClass::Of<TForm_EventWindow>());
}
