#pragma once

// A stand-in for the main window around a real planner on the simulated loop: it keeps rows of
// kind identifier and configuration text, hands the planner fresh objects on every start, loads
// "presets" from a map and records every notification.

#include <map>
#include <string>
#include <vector>

#include "app/uPlannerRows.h"
#include "core/uKindRegistry.h"
#include "core/uKoServices.h"
#include "core/uPlanner.h"
#include "platform/sim/uSimEventLoop.h"
#include "platform/sim/uSimLocale.h"
#include "platform/sim/uSimModalWindows.h"
#include "support/uTestKinds.h"

struct TTestPreset {
  TKoLogic Logic = kolAND;
  std::vector<TItemRow> Events;
  std::vector<TItemRow> Actions;
};

class TPlannerHost {
 public:
  TPlannerHost();
  ~TPlannerHost();

  TSimEventLoop Loop;
  TSimLocale Locale;
  TSimModalWindows ModalWindows;
  TKoServices Services = SimulatedServices();
  TKoKindRegistry Registry{Services};
  TKoPlanner Planner{Loop};
  TPlannerRows Rows{Registry};
  std::map<std::string, TTestPreset> Presets;

  void SetLogic(TKoLogic Logic) { Rows.SetSelectedLogic(Logic); }
  std::vector<TItemRow>& ActionRows() { return Rows.ActionRows(); }

  // "prepare", "started", "stopped", "finished", "close", "warning: ..." and "error: ...".
  std::vector<std::string> Notifications;

  void AddCountdown(int Seconds);
  void AddTestEvent(bool FailStart = false);
  void AddAction(const std::string& Label, const std::string& Result = "ok",
                 TKoActionOutcome Outcome = kaoContinue, bool Terminal = false);
  void AddRunPreset(const std::string& Preset);

  std::vector<std::string>& Executed() { return TestActionLog().Executed; }
  TTestEvent& LiveTestEvent(std::size_t Index);
  std::vector<std::string> Messages() const;

 private:
  TKoServices SimulatedServices();
  bool LoadPreset(const std::string& Name);
};
