#pragma once

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"

// The frames of the power events.

class TForm_EventBattery : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventBattery";
  explicit TForm_EventBattery(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  // Each check box enables the choices of its condition.
  void UpdateEnabled();

  TCheckControl* FCheckLevel;
  TUpDownControl* FLevel;
  TRadioControl* FAbove;
  TRadioControl* FBelow;
  TCheckControl* FCheckPower;
  TRadioControl* FOnline;
  TRadioControl* FOffline;
};

class TForm_EventLid : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventLid";
  explicit TForm_EventLid(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TRadioControl* FOpens;
  TRadioControl* FCloses;
};
