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
    Planner.Clear();
    Planner.SetLogic(Logic);
    TKoEvents Events;
    for (const auto& Row : EventRows) {
      auto Prototype = Registry.GetEventKind(Row.ID);
      Prototype->SetConfigText(Row.Config);
      Events.push_back(Prototype->Clone(true));
    }
    TKoActions Actions;
    for (const auto& Row : ActionRows) {
      auto Prototype = Registry.GetActionKind(Row.ID);
      Prototype->SetConfigText(Row.Config);
      Actions.push_back(Prototype->Clone(true));
    }
    Planner.SetEvents(std::move(Events));
    Planner.SetActions(std::move(Actions));
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

bool TPlannerHost::LoadPreset(const std::string& Name) {
  auto It = Presets.find(Name);
  if (It == Presets.end())
    return false;
  Logic = It->second.Logic;
  EventRows = It->second.Events;
  ActionRows = It->second.Actions;
  return true;
}

void TPlannerHost::AddCountdown(int Seconds) {
  EventRows.push_back({"Countdown", "TIME=" + SecondsToText(Seconds) + ";"});
}

void TPlannerHost::AddTestEvent(bool FailStart) {
  EventRows.push_back({"TestEvent", FailStart ? "FAILSTART=True;" : ""});
}

void TPlannerHost::AddAction(const std::string& Label, const std::string& Result,
                             TKoActionOutcome Outcome, bool Terminal) {
  TQueryStr Config;
  Config.WriteString("Label", Label);
  Config.WriteString("Result", Result);
  Config.WriteInteger("Outcome", Outcome);
  Config.WriteBool("Terminal", Terminal);
  ActionRows.push_back({"TestAction", Config.Encode()});
}

void TPlannerHost::AddRunPreset(const std::string& Preset) {
  TQueryStr Config;
  Config.WriteString("Preset", Preset);
  ActionRows.push_back({"TestRunPreset", Config.Encode()});
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
