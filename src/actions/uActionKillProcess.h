#pragma once

#include <string>

#include "core/uPlannerActions.h"

// Ends every process run from an executable of a given file name.
class TKoActionKillProcess : public TKoActionObject {
 public:
  struct TConfig {
    std::string ProcessName;  // the executable's file name, e.g. notepad.exe
  };

  using TKoActionObject::TKoActionObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config) { FConfig = Config; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  // Succeeds when at least one process was ended.
  bool Execute(TKoActionOutcome& Outcome) override;

 private:
  TConfig FConfig;
};
