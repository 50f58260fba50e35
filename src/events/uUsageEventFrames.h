#pragma once

#include <vector>

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"
#include "platform/uIpHelper.h"

// The frames of the usage events: a limit, a number of seconds and whether to average.

class TForm_EventCPUUsage : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventCPUUsage";
  explicit TForm_EventCPUUsage(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TRadioControl* FBelow;
  TRadioControl* FAbove;
  TUpDownControl* FUsage;
  TUpDownControl* FSeconds;
  TCheckControl* FAverage;
};

class TForm_EventNetworkUsage : public TConfigFrame,
                                public IPlannerFrame,
                                public IPlannerFrameConfig,
                                public IPlannerFrameVisibility {
 public:
  static constexpr std::string_view kClassName = "TForm_EventNetworkUsage";
  explicit TForm_EventNetworkUsage(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  // The machine's interfaces are listed afresh each time the frame is shown.
  void VisibilityChanging(bool Hiding) override;

 private:
  // Refills the interface list and selects the interface with MAC text Key, or the first one.
  void FillInterfaces(const std::string& Key);
  std::string SelectedMac() const;

  TKoServices FServices;
  TComboControl* FInterface;
  std::vector<TMibIfRow> FRows;  // beside the list's items, in the same order
  TUpDownControl* FUsage;
  TUpDownControl* FSeconds;
  TRadioControl* FTraffic[3];
  TCheckControl* FAverage;
};

class TForm_EventHardDiskUsage : public TConfigFrame,
                                 public IPlannerFrame,
                                 public IPlannerFrameConfig,
                                 public IPlannerFrameVisibility {
 public:
  static constexpr std::string_view kClassName = "TForm_EventHardDiskUsage";
  explicit TForm_EventHardDiskUsage(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  // Whether the disk counters are switched off is checked afresh each time the frame is shown.
  void VisibilityChanging(bool Hiding) override;

 private:
  void EnableCountersClick();

  TKoServices FServices;
  TEditControl* FUsage;
  TUpDownControl* FSeconds;
  TRadioControl* FTransfer[3];
  TCheckControl* FAverage;
  TLabelControl* FNote;
  TButtonControl* FWarning;
};
