#pragma once

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"

// The frames of the events that poll the machine: a window, a process, a file, the player.

class TForm_EventWindow : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventWindow";
  explicit TForm_EventWindow(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TKoServices FServices;
  TComboControl* FTitles;
  TRadioControl* FOpens;
  TRadioControl* FCloses;
  TUpDownControl* FInterval;
};

class TForm_EventProcess : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventProcess";
  explicit TForm_EventProcess(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TKoServices FServices;
  TComboControl* FProcesses;
  TRadioControl* FStarts;
  TRadioControl* FStops;
  TUpDownControl* FInterval;
};

class TForm_EventFileSize : public TConfigFrame,
                            public IPlannerFrame,
                            public IPlannerFrameConfig,
                            public IPlannerFrameDropFiles {
 public:
  static constexpr std::string_view kClassName = "TForm_EventFileSize";
  explicit TForm_EventFileSize(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  // The first name becomes the path.
  void DropFiles(const std::vector<std::string>& FileNames) override;

 private:
  void SelectClick();

  TKoServices FServices;
  TEditControl* FFile;
  TRadioControl* FWhen[3];
  TEditControl* FSize;
  TComboControl* FSizeType;
};

class TForm_EventWinampStops : public TConfigFrame,
                               public IPlannerFrame,
                               public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_EventWinampStops";
  explicit TForm_EventWinampStops(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TUpDownControl* FSeconds;
};
