#pragma once

// Event and action kinds that exist only in tests, to drive the planner without touching the
// machine. Their settings travel through configuration texts like real kinds', so clones made by
// the planner's host behave the same.

#include <functional>
#include <string>
#include <vector>

#include "core/uPlannerActions.h"
#include "core/uPlannerEvents.h"

// What the test actions did, in order, and an optional hook run inside Execute.
struct TTestActionLog {
  std::vector<std::string> Executed;
  std::function<void(const std::string& Label)> DuringExecute;
};
TTestActionLog& TestActionLog();

// Settings: "Label", "Result" (ok, fail or raise), "Outcome" (a TKoActionOutcome number),
// "Terminal".
class TTestAction : public TKoActionObject {
 public:
  using TKoActionObject::TKoActionObject;
  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override { return "Test " + FLabel; }

 protected:
  void InitIdentity() override;
  bool Execute(TKoActionOutcome& Outcome) override;

 private:
  std::string FLabel;
  std::string FResult = "ok";
  int FOutcome = kaoContinue;
};

// Asks the planner to run the preset named by "Preset".
class TTestRunPresetAction : public TKoActionObject, public TKoPresetRunner {
 public:
  using TKoActionObject::TKoActionObject;
  void SaveConfig(TQueryStr& Config) const override { Config.WriteString("Preset", FPreset); }
  void LoadConfig(const TQueryStr& Config) override { FPreset = Config.ReadString("Preset"); }
  std::string GetPresetName() const override { return FPreset; }

 protected:
  void InitIdentity() override;
  bool Execute(TKoActionOutcome& Outcome) override;

 private:
  std::string FPreset;
};

// An event the test sets by hand through SetTriggered; "FailStart" makes its start fail.
class TTestEvent : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;
  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override { return "watching"; }
  using TKoEventObject::SetTriggered;

 protected:
  void InitIdentity() override;
  void DoStart() override;

 private:
  bool FFailStart = false;
};
