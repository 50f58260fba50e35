#include "events/uEventWindow.h"

#include "actions/uMasks.h"
#include "actions/uWindowUtils.h"
#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"
#include "events/uEventPorts.h"
#include "events/uEventStrings.h"

void TKoEventWindow::InitIdentity() {
  FID = "Window";
  FName = ResStr(uplannerevents::name_event_window);
}

void TKoEventWindow::SetDefaults() {
  FConfig = {};
}

void TKoEventWindow::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Title", FConfig.Title);
  Config.WriteInteger("Interval", FConfig.Interval);
  Config.WriteBool("Opens", FConfig.Opens);
}

void TKoEventWindow::LoadConfig(const TQueryStr& Config) {
  FConfig.Title = Config.ReadString("Title");
  FConfig.Interval = Config.ReadInteger("Interval");
  FConfig.Opens = Config.ReadBool("Opens");
}

std::string TKoEventWindow::GetDescription() const {
  return Format(ResStr(FConfig.Opens ? uplannerevents::seventwindowopenscheckeverynumseconds
                                     : uplannerevents::seventwindowclosescheckeverynumseconds),
                {FConfig.Title, FConfig.Interval});
}

void TKoEventWindow::DoStart() {
  RequireEventPort(Services().Windows);
  // The title never changes while the event runs: a bad mask is reported once, here, instead of
  // at every check.
  if (HasMaskWildcards(FConfig.Title)) [[maybe_unused]]
    const TMask Validated(FConfig.Title);
  StartChecks(FConfig.Interval);
}

std::optional<bool> TKoEventWindow::Check() {
  return WindowExists(RequireEventPort(Services().Windows), FConfig.Title) == FConfig.Opens;
}
