#pragma once

#include <array>

#include "app/uPlannerFrame.h"
#include "events/uTimeFieldsFrame.h"

// The frames of the clock events: a duration for Countdown, a time of day for On Time and
// Weekly, each with a "Now" button that fills in the current time.

class TForm_EventCountdown : public TTimeFieldsFrame,
                             public IPlannerFrame,
                             public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventCountdown";
  explicit TForm_EventCountdown(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
};

class TForm_EventOnTime : public TTimeFieldsFrame,
                          public IPlannerFrame,
                          public IPlannerFrameConfig,
                          public IPlannerFrameVisibility {
 public:
  static constexpr std::string_view kClassName = "TForm_EventOnTime";
  explicit TForm_EventOnTime(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  // An unused date follows the calendar: it shows today whenever the frame comes into view.
  void VisibilityChanging(bool Hiding) override;

  TCheckControl& UseDate() const { return *FUseDate; }
  TDateControl& Date() const { return *FDate; }
  TButtonControl& Now() const { return *FNow; }

 private:
  void UpdateEnabled();

  TEventLoop& FLoop;
  TCheckControl* FUseDate;
  TDateControl* FDate;
  TButtonControl* FNow;
};

class TForm_EventWeekly : public TTimeFieldsFrame,
                          public IPlannerFrame,
                          public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventWeekly";
  explicit TForm_EventWeekly(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

  // Monday first.
  TCheckControl& Day(int Index) const { return *FDays[static_cast<std::size_t>(Index)]; }
  TButtonControl& Now() const { return *FNow; }

 private:
  TEventLoop& FLoop;
  std::array<TCheckControl*, 7> FDays{};
  TButtonControl* FNow;
};
