#pragma once

#include "events/uEventAtTime.h"
#include "events/uTimeText.h"

// Fires at a time of day on chosen weekdays (any day when none is chosen).
class TKoEventWeekly : public TKoEventAtTime {
 public:
  using TKoEventAtTime::TKoEventAtTime;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override;

  const TWeekDays& WeekDays() const { return FWeekDays; }
  void SetWeekDays(const TWeekDays& Days) { FWeekDays = Days; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  TDateTime ComputeTarget(TDateTime Now) const override;

 private:
  TWeekDays FWeekDays{};
};
