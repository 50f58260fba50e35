#pragma once

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"

// The host to ping, how long it may stay silent and how often it is asked.
class TForm_EventPingStops : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventPingStops";
  explicit TForm_EventPingStops(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TEditControl* FHost;
  TUpDownControl* FTriggerPeriod;
  TUpDownControl* FPingInterval;
};
