#include "support/uTestKinds.h"

#include "core/uKoException.h"

TTestActionLog& TestActionLog() {
  static TTestActionLog Log;
  return Log;
}

void TTestAction::InitIdentity() {
  FID = "TestAction";
  FName = "Test Action";
}

void TTestAction::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Label", FLabel);
  Config.WriteString("Result", FResult);
  Config.WriteInteger("Outcome", FOutcome);
  Config.WriteBool("Terminal", FTerminal);
}

void TTestAction::LoadConfig(const TQueryStr& Config) {
  FLabel = Config.ReadString("Label");
  FResult = Config.HasKey("Result") ? Config.ReadString("Result") : "ok";
  FOutcome = Config.ReadInteger("Outcome", kaoContinue);
  FTerminal = Config.ReadBool("Terminal");
  if (FTerminal)
    FName = "Terminal " + FLabel;
}

bool TTestAction::Execute(TKoActionOutcome& Outcome) {
  auto& Log = TestActionLog();
  Log.Executed.push_back(FLabel);
  if (Log.DuringExecute)
    Log.DuringExecute(FLabel);
  Outcome = static_cast<TKoActionOutcome>(FOutcome);
  if (FResult == "raise")
    throw EKoException("broken " + FLabel);
  return FResult != "fail";
}

void TTestRunPresetAction::InitIdentity() {
  FID = "TestRunPreset";
  FName = "Test Run Preset";
}

bool TTestRunPresetAction::Execute(TKoActionOutcome& Outcome) {
  TestActionLog().Executed.push_back("preset " + FPreset);
  Outcome = kaoRunPreset;
  return true;
}

void TTestEvent::InitIdentity() {
  FID = "TestEvent";
  FName = "Test Event";
}

void TTestEvent::SaveConfig(TQueryStr& Config) const {
  Config.WriteBool("FailStart", FFailStart);
}

void TTestEvent::LoadConfig(const TQueryStr& Config) {
  FFailStart = Config.ReadBool("FailStart");
}

void TTestEvent::DoStart() {
  if (FFailStart)
    throw EKoException("sensor missing");
}
