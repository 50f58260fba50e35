#pragma once

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"

// What the Utilities action does to the planner: close the program, restart the events, or
// pause for a number of seconds.
class TForm_ActionUtilities : public TConfigFrame,
                              public IPlannerFrame,
                              public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionUtilities";
  explicit TForm_ActionUtilities(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TRadioControl* FActions[3];
  TUpDownControl* FPauseSeconds;
};
