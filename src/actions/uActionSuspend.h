#pragma once

#include <string>

#include "core/uPlannerActions.h"

// What Sleep and Hibernate share. Suspending returns when the machine wakes up, so the actions
// after it run after the wake-up; neither is terminal.
class TKoActionSuspend : public TKoActionObject {
 public:
  struct TConfig {
    bool Force = false;             // a critical suspend: applications are not asked
    bool DisableWakeEvent = false;  // wake events cannot wake the machine
  };

  using TKoActionObject::TKoActionObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config) { FConfig = Config; }

 protected:
  void SetDefaults() override;
  bool Execute(TKoActionOutcome& Outcome) override;
  virtual bool Hibernate() const = 0;

 private:
  TConfig FConfig;
};
