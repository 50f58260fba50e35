#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/uKoException.h"
#include "core/uPlannerActions.h"
#include "core/uPlannerEvents.h"
#include "core/uWindowMessenger.h"

enum TKoLogic : std::uint8_t {
  kolALL = 0,   // all events triggered at the same time, monitored continuously
  kolAND = 1,   // every event triggers once, in any order
  kolOR = 2,    // any one event triggering once
  kol1BY1 = 3,  // each event triggers once, one after another in list order
};

enum TKoPlannerState : std::uint8_t { kpsIdle = 0, kpsMonitoring = 1, kpsExecuting = 2 };

// Flags of TKoPlanner::Start, combined with "|".
enum TKoStartFlag : std::uint8_t {
  StartSilent = 1,    // no complaint when both lists are empty
  StartIfIdle = 2,    // silently nothing while running
  StartIfPaused = 4,  // silently nothing unless paused by a suspend
};

// Kinds of OnMessage.
enum TKoPlannerMessageKind : std::uint8_t { kpmWarning = 0, kpmError = 1 };

class EKoPlanner : public EKoException {
 public:
  using EKoException::EKoException;
};

// The display text of a logic; empty for a value outside the four.
std::string LogicName(int Logic);

// Holds the current events, actions and logic; starts the events, evaluates the logic on their
// triggered states and runs the actions from top to bottom. It never polls: events report
// through SetTriggered, and the evaluation is deferred through a posted message so that it never
// runs inside the reporting event's own call. Everything happens on the GUI thread.
class TKoPlanner {
 public:
  // Raises EKoException when the hidden window cannot be made.
  explicit TKoPlanner(TEventLoop& Loop);
  ~TKoPlanner();
  TKoPlanner(const TKoPlanner&) = delete;
  TKoPlanner& operator=(const TKoPlanner&) = delete;

  void Start(std::uint8_t Flags = 0);
  void Stop();
  void Restart();
  // Stops the planner when it monitors events; true when it is paused by a suspend.
  bool PauseForSuspend();
  void StopAndClose();
  // The user's "Now": runs the actions at once.
  void ExecuteNow();
  bool IsRunning() const { return FState != kpsIdle; }

  // Raise EKoPlanner while running.
  void SetLogic(TKoLogic Logic);
  void SetEvents(TKoEvents Events);
  void SetActions(TKoActions Actions);
  void CheckNotRunning() const;
  void Clear();

  // An index outside the list gives an empty text.
  std::string GetEventName(int Index) const;
  std::string GetEventDescription(int Index) const;
  std::string GetEventStatus(int Index) const;
  std::string GetActionStatus(int Index) const;
  // Milliseconds since the last start, on the 32-bit tick count.
  std::uint32_t GetElapsed() const;

  TKoPlannerState State() const { return FState; }
  TKoLogic Logic() const { return FLogic; }
  const TKoEvents& Events() const { return FEvents; }
  const TKoActions& Actions() const { return FActions; }
  const std::vector<bool>& EventFlags() const { return FEventFlags; }
  std::uint32_t StartTime() const { return FStartTime; }
  bool PausedBySuspend() const { return FPausedBySuspend; }

  std::function<void(TKoPlannerMessageKind Kind, const std::string& Text)> OnMessage;
  std::function<void()> OnCloseApplication;
  std::function<void()> OnFinished;
  // The host clears the planner and hands it fresh copies of its lists and logic.
  std::function<void()> OnPrepare;
  std::function<void()> OnStarted;
  std::function<void()> OnStopped;
  // Loads a preset by name or path into the host's lists; true when it loaded.
  std::function<bool(const std::string& NameOrPath)> PresetLoader;

 private:
  void HandleMessage(TWindowMessage& Message);
  void StartEvents();
  void StopEvents();
  void EventTriggeredChange(TKoEventObject& Sender);
  void PostEvaluate();
  void Evaluate();
  void Advance();
  void ExecuteActions();
  void Notify(const std::function<void()>& Callback) const;
  void Message(TKoPlannerMessageKind Kind, const std::string& Text) const;
  void RetireActions();

  TEventLoop& FLoop;
  TWindowMessenger FMessenger;
  TKoPlannerState FState = kpsIdle;
  TKoActions FActions;
  TKoEvents FEvents;
  std::vector<bool> FEventFlags;
  TKoLogic FLogic = kolAND;
  std::uint32_t FStartTime = 0;
  bool FPausedBySuspend = false;

  // Actions replaced while the list runs (a restart, another preset, a start from a nested
  // message loop) stay alive until the run unwinds: one of them is still executing.
  int FExecutionDepth = 0;
  std::uint64_t FActionsGeneration = 0;
  TKoActions FRetiredActions;
};
