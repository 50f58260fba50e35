#pragma once

#include "events/uEventAtTime.h"

// Fires at a time of day: the next time it comes, or on one calendar date.
class TKoEventOnTime : public TKoEventAtTime {
 public:
  using TKoEventAtTime::TKoEventAtTime;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override;

  TDateTime Date() const { return FDate; }
  void SetDate(TDateTime Date) { FDate = DateOf(Date); }
  bool UseDate() const { return FUseDate; }
  void SetUseDate(bool Value) { FUseDate = Value; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  TDateTime ComputeTarget(TDateTime Now) const override;

 private:
  TDateTime FDate{};
  bool FUseDate = false;
};
