#pragma once

#include <cstdint>

#include "core/uPlannerActions.h"

// Switches the monitor off or on.
class TKoActionMonitor : public TKoActionObject {
 public:
  enum TMonitorAction : std::uint8_t {
    maTurnOff = 1,
    maTurnOn = 2,
  };
  struct TConfig {
    std::uint8_t Action = maTurnOff;
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
