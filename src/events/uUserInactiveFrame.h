#pragma once

#include "app/uPlannerFrame.h"
#include "events/uTimeFieldsFrame.h"

// The inactivity needed, and how it is measured.
class TForm_EventUserInactive : public TTimeFieldsFrame,
                                public IPlannerFrame,
                                public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventUserInactive";
  explicit TForm_EventUserInactive(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TComboControl* FMethod;
};
