#pragma once

#include <string>

#include "core/uPlannerActions.h"

// Runs another preset: either the planner switches to it, which ends the current list (so the
// action is terminal then), or a second instance of the program starts on it.
class TKoActionRunPreset : public TKoActionObject, public TKoPresetRunner {
 public:
  struct TConfig {
    std::string PresetName;                 // a preset name or a preset file's path
    bool RunInNewInstance = false;          // start a second instance instead of switching
    bool WaitForNewInstanceToExit = false;  // and wait until that instance has ended
  };

  using TKoActionObject::TKoActionObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override;
  std::string GetPresetName() const override { return FConfig.PresetName; }

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config);

  // The command line arguments that start a new instance on the preset.
  static constexpr const char* kPresetSwitch = "/preset";

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  bool Execute(TKoActionOutcome& Outcome) override;

 private:
  void UpdateTerminal() { FTerminal = !FConfig.RunInNewInstance; }

  TConfig FConfig;
};
