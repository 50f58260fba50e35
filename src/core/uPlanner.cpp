#include "core/uPlanner.h"

#include <exception>

#include "core/uFormat.h"
#include "core/uPlannerStrings.h"
#include "core/uPresetsStrings.h"
#include "core/uStrings.h"
#include "core/uWindowMessages.h"

std::string LogicName(int Logic) {
  switch (Logic) {
    case kolALL:
      return ResStr(uplanner::slogicall);
    case kolAND:
      return ResStr(uplanner::slogicand);
    case kolOR:
      return ResStr(uplanner::slogicor);
    case kol1BY1:
      return ResStr(uplanner::slogic1by1);
  }
  return {};
}

TKoPlanner::TKoPlanner(TEventLoop& Loop)
    : FLoop(Loop), FMessenger(Loop, [this](TWindowMessage& Message) { HandleMessage(Message); }) {}

TKoPlanner::~TKoPlanner() {
  // Events must not report to a planner that is going away.
  for (auto& Event : FEvents)
    Event->OnTriggeredChange = nullptr;
}

void TKoPlanner::HandleMessage(TWindowMessage& Message) {
  if (Message.Msg != WM_PLANNER_EVALUATE)
    return;
  Message.Handled = true;
  Evaluate();
}

void TKoPlanner::Start(std::uint8_t Flags) {
  if ((Flags & StartIfIdle) && IsRunning())
    return;
  if ((Flags & StartIfPaused) && !FPausedBySuspend)
    return;
  CheckNotRunning();
  FPausedBySuspend = false;
  Notify(OnPrepare);

  if (FActions.empty() && FEvents.empty()) {
    if (!(Flags & StartSilent))
      Message(kpmWarning, ResStr(ustrings::msg_no_events_and_actions));
    return;
  }
  // A terminal action ends the program or the session, so nothing after it could run.
  for (std::size_t I = 0; I + 1 < FActions.size(); ++I) {
    if (FActions[I]->Terminal()) {
      Message(kpmWarning,
              Format(ResStr(ustrings::msg_planner_failed_terminal), {FActions[I]->Name()}));
      return;
    }
  }
  for (auto& Action : FActions)
    Action->ResetStatus();

  FState = kpsMonitoring;
  FStartTime = FLoop.TickCount32();
  try {
    StartEvents();
  } catch (const std::exception& Error) {
    FState = kpsIdle;
    StopEvents();
    Message(kpmError, Format(ResStr(ustrings::msg_planner_failed_start), {Error.what()}));
  }
  if (FState == kpsMonitoring)
    Notify(OnStarted);
  PostEvaluate();
}

void TKoPlanner::Stop() {
  if (FState == kpsIdle)
    return;
  StopEvents();
  FState = kpsIdle;
  Notify(OnStopped);
}

void TKoPlanner::Restart() {
  Stop();
  Start();
}

bool TKoPlanner::PauseForSuspend() {
  if (FState == kpsMonitoring) {
    FPausedBySuspend = true;
    Stop();
  }
  return FPausedBySuspend;
}

void TKoPlanner::StopAndClose() {
  Stop();
  Notify(OnCloseApplication);
}

void TKoPlanner::ExecuteNow() {
  if (FState == kpsExecuting) {
    Message(kpmWarning, ResStr(ustrings::msg_actions_already_executing));
    return;
  }
  if (FState == kpsMonitoring)
    StopEvents();
  else
    Notify(OnPrepare);
  ExecuteActions();
}

void TKoPlanner::SetLogic(TKoLogic Logic) {
  CheckNotRunning();
  FLogic = Logic;
}

void TKoPlanner::SetEvents(TKoEvents Events) {
  CheckNotRunning();
  FEvents = std::move(Events);
  FEventFlags.assign(FEvents.size(), false);
}

void TKoPlanner::SetActions(TKoActions Actions) {
  CheckNotRunning();
  RetireActions();
  FActions = std::move(Actions);
}

void TKoPlanner::CheckNotRunning() const {
  if (IsRunning())
    throw EKoPlanner(ResStr(ustrings::msg_plannet_cant_operate_while_running));
}

void TKoPlanner::Clear() {
  FEvents.clear();
  RetireActions();
  FEventFlags.clear();
  FState = kpsIdle;
}

void TKoPlanner::RetireActions() {
  ++FActionsGeneration;
  if (FExecutionDepth == 0) {
    FActions.clear();
    return;
  }
  for (auto& Action : FActions)
    FRetiredActions.push_back(std::move(Action));
  FActions.clear();
}

std::string TKoPlanner::GetEventName(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FEvents.size()))
    return {};
  return FEvents[static_cast<std::size_t>(Index)]->Name();
}

std::string TKoPlanner::GetEventDescription(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FEvents.size()))
    return {};
  return FEvents[static_cast<std::size_t>(Index)]->GetDescription();
}

std::string TKoPlanner::GetEventStatus(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FEvents.size()))
    return {};
  if (FEventFlags[static_cast<std::size_t>(Index)])
    return ResStr(ustrings::msg_status_triggered);
  return FEvents[static_cast<std::size_t>(Index)]->GetStatusText();
}

std::string TKoPlanner::GetActionStatus(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FActions.size()))
    return {};
  return FActions[static_cast<std::size_t>(Index)]->GetStatusText();
}

std::uint32_t TKoPlanner::GetElapsed() const {
  return FLoop.TickCount32() - FStartTime;
}

void TKoPlanner::StartEvents() {
  FEventFlags.assign(FEvents.size(), false);
  for (auto& Event : FEvents)
    Event->OnTriggeredChange = [this](TKoEventObject& Sender) { EventTriggeredChange(Sender); };
  if (FLogic == kol1BY1) {
    if (!FEvents.empty())
      FEvents.front()->Start();
    return;
  }
  for (auto& Event : FEvents)
    Event->Start();
}

void TKoPlanner::StopEvents() {
  for (std::size_t I = 0; I < FEvents.size(); ++I) {
    if (FEvents[I]->Active())
      FEvents[I]->Stop();
    FEventFlags[I] = false;
  }
}

void TKoPlanner::EventTriggeredChange(TKoEventObject& Sender) {
  for (std::size_t I = 0; I < FEvents.size(); ++I)
    if (FEvents[I].get() == &Sender)
      FEventFlags[I] = Sender.Triggered();
  PostEvaluate();
}

void TKoPlanner::PostEvaluate() {
  // A failed post only loses an evaluation that a later trigger brings again.
  (void)FMessenger.PostMessage(WM_PLANNER_EVALUATE, 0, 0);
}

void TKoPlanner::Evaluate() {
  if (FState != kpsMonitoring)
    return;
  std::size_t Set = 0;
  for (bool Flag : FEventFlags)
    Set += Flag ? 1 : 0;
  const std::size_t Count = FEvents.size();
  const bool Satisfied = Count == 0 || (FLogic == kolOR ? Set > 0 : Set == Count);
  if (Satisfied) {
    StopEvents();
    ExecuteActions();
    return;
  }
  Advance();
}

void TKoPlanner::Advance() {
  switch (FLogic) {
    case kolALL:
    case kolOR:
      break;
    case kolAND:
      // A stopped event no longer reports, so its flag stays set: each event triggers once.
      for (std::size_t I = 0; I < FEvents.size(); ++I)
        if (FEventFlags[I] && FEvents[I]->Active())
          FEvents[I]->Stop();
      break;
    case kol1BY1: {
      int Highest = -1;
      for (std::size_t I = 0; I < FEvents.size(); ++I) {
        if (!FEventFlags[I])
          continue;
        Highest = static_cast<int>(I);
        if (FEvents[I]->Active())
          FEvents[I]->Stop();
      }
      const std::size_t Next = static_cast<std::size_t>(Highest + 1);
      if (Highest >= 0 && Next < FEvents.size() && !FEvents[Next]->Active())
        FEvents[Next]->Start();
      break;
    }
  }
}

void TKoPlanner::ExecuteActions() {
  struct TDepthGuard {
    TKoPlanner& Planner;
    explicit TDepthGuard(TKoPlanner& P) : Planner(P) { ++Planner.FExecutionDepth; }
    ~TDepthGuard() {
      if (--Planner.FExecutionDepth == 0)
        Planner.FRetiredActions.clear();
    }
  } Guard(*this);

  FState = kpsExecuting;
  const std::uint64_t Generation = FActionsGeneration;
  const std::size_t Count = FActions.size();
  for (std::size_t I = 0; I < Count; ++I) {
    // A start from a nested message loop (after a Stop from outside) replaced the list: that
    // run owns the planner now.
    if (FActionsGeneration != Generation)
      return;
    TKoActionObject& Action = *FActions[I];
    TKoActionOutcome Outcome = kaoContinue;
    Action.Run(Outcome);
    switch (Outcome) {
      case kaoContinue:
        continue;
      case kaoStop:
        Stop();
        return;
      case kaoRestartEvents:
        Restart();
        return;
      case kaoCloseApplication:
        StopAndClose();
        return;
      case kaoRunPreset: {
        Stop();
        auto Runner = dynamic_cast<const TKoPresetRunner*>(&Action);
        if (Runner && PresetLoader && PresetLoader(Runner->GetPresetName())) {
          Start();
          return;
        }
        Action.SetStatus(kasError, ResStr(upresets::sfailedtoloadpreset));
        continue;
      }
    }
  }
  if (FActionsGeneration != Generation)
    return;
  FState = kpsIdle;
  Notify(OnFinished);
}

void TKoPlanner::Notify(const std::function<void()>& Callback) const {
  if (Callback)
    Callback();
}

void TKoPlanner::Message(TKoPlannerMessageKind Kind, const std::string& Text) const {
  if (OnMessage)
    OnMessage(Kind, Text);
}
