#pragma once

#include <cstdint>

#include "core/uPlannerEvents.h"

// Fires a fixed number of seconds after it is started.
class TKoEventCountdown : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  int Duration() const { return FDuration; }
  void SetDuration(int Seconds) { FDuration = Seconds; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  void DoStart() override;
  void TimerTick() override;

 private:
  std::uint64_t ElapsedMs() const;

  int FDuration = 600;
  std::uint64_t FStartedAt = 0;
};
