#pragma once

#include "core/uPlannerEvents.h"

// Triggered while the Winamp media player is not playing: stopped, closed or not installed.
class TKoEventWinampStops : public TKoEventObject {
 public:
  struct TConfig {
    int Seconds = 10;  // seconds between checks
  };

  using TKoEventObject::TKoEventObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config) { FConfig = Config; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  void DoStart() override;
  void TimerTick() override;

 private:
  TConfig FConfig;
};
