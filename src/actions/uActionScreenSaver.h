#pragma once

#include <string>

#include "core/uPlannerActions.h"

// Starts the system's screen saver, or a screen saver file the user chose.
class TKoActionScreenSaver : public TKoActionObject {
 public:
  struct TConfig {
    bool UseCustom = false;
    std::string CustomPath;
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
