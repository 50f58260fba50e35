#include "support/uPlannerHost.h"

#include "app/uKindList.h"
#include "events/uTimeText.h"

TPlannerHost::TPlannerHost() {
  TestActionLog() = {};
  RegisterKinds(Registry);
  Registry.AddEventKind<TTestEvent>();
  Registry.AddActionKind<TTestAction>();
  Registry.AddActionKind<TTestRunPresetAction>();

  Planner.OnPrepare = [this] {
    Notifications.push_back("prepare");
    Rows.PreparePlanner(Planner);
  };
  Planner.OnStarted = [this] { Notifications.push_back("started"); };
  Planner.OnStopped = [this] { Notifications.push_back("stopped"); };
  Planner.OnFinished = [this] { Notifications.push_back("finished"); };
  Planner.OnCloseApplication = [this] { Notifications.push_back("close"); };
  Planner.OnMessage = [this](TKoPlannerMessageKind Kind, const std::string& Text) {
    Notifications.push_back((Kind == kpmWarning ? "warning: " : "error: ") + Text);
  };
  Planner.PresetLoader = [this](const std::string& Name) { return LoadPreset(Name); };
}

TPlannerHost::~TPlannerHost() {
  TestActionLog() = {};
}

TKoServices TPlannerHost::SimulatedServices() {
  TKoServices Simulated{Loop};
  Simulated.Locale = &Locale;
  Simulated.ModalWindows = &ModalWindows;
  return Simulated;
}

bool TPlannerHost::LoadPreset(const std::string& Name) {
  auto It = Presets.find(Name);
  if (It == Presets.end())
    return false;
  Rows.SetSelectedLogic(It->second.Logic);
  Rows.EventRows() = It->second.Events;
  Rows.ActionRows() = It->second.Actions;
  return true;
}

void TPlannerHost::AddCountdown(int Seconds) {
  Rows.EventRows().push_back({{}, {}, {}, "TIME=" + SecondsToText(Seconds) + ";", "Countdown"});
}

void TPlannerHost::AddTestEvent(bool FailStart) {
  Rows.EventRows().push_back({{}, {}, {}, FailStart ? "FAILSTART=True;" : "", "TestEvent"});
}

void TPlannerHost::AddAction(const std::string& Label, const std::string& Result,
                             TKoActionOutcome Outcome, bool Terminal) {
  TQueryStr Config;
  Config.WriteString("Label", Label);
  Config.WriteString("Result", Result);
  Config.WriteInteger("Outcome", Outcome);
  Config.WriteBool("Terminal", Terminal);
  Rows.ActionRows().push_back({{}, {}, {}, Config.Encode(), "TestAction"});
}

void TPlannerHost::AddRunPreset(const std::string& Preset) {
  TQueryStr Config;
  Config.WriteString("Preset", Preset);
  Rows.ActionRows().push_back({{}, {}, {}, Config.Encode(), "TestRunPreset"});
}

TTestEvent& TPlannerHost::LiveTestEvent(std::size_t Index) {
  return dynamic_cast<TTestEvent&>(*Planner.Events().at(Index));
}

std::vector<std::string> TPlannerHost::Messages() const {
  std::vector<std::string> Result;
  for (const auto& Note : Notifications)
    if (Note.rfind("warning: ", 0) == 0 || Note.rfind("error: ", 0) == 0)
      Result.push_back(Note);
  return Result;
}
