#pragma once

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"

// The message, how long it stays and which of its buttons the user may press.
class TForm_ActionMessage : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionMessage";
  explicit TForm_ActionMessage(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  // Minutes × 60 + seconds: a seconds field above 59 simply adds up.
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TEditControl* FMessage;
  TUpDownControl* FMinutes;
  TUpDownControl* FSeconds;
  TCheckControl* FDisableCancel;
  TCheckControl* FDisableRestart;
  TCheckControl* FDisableExit;
  TCheckControl* FMinimizeAllWindows;
  TCheckControl* FStayOnTop;
};
