#pragma once

#include <string>

#include "core/uPlannerActions.h"

// Plays a WAV file, waiting until it has finished or letting it play on behind the next actions.
class TKoActionPlaySound : public TKoActionObject {
 public:
  struct TConfig {
    std::string File;
    bool Wait = true;
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
  bool Execute(TKoActionOutcome& Outcome) override;

 private:
  TConfig FConfig;
};
