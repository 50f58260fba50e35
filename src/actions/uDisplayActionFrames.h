#pragma once

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"

// The frames of the display and sound actions.

class TForm_ActionMonitor : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionMonitor";
  explicit TForm_ActionMonitor(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TRadioControl* FTurnOff;
  TRadioControl* FTurnOn;
};

class TForm_ActionScreenSaver : public TConfigFrame,
                                public IPlannerFrame,
                                public IPlannerFrameConfig,
                                public IPlannerFrameVisibility,
                                public IPlannerFrameDropFiles {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionScreenSaver";
  explicit TForm_ActionScreenSaver(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  // Whether the chosen file still exists is looked at again each time the frame is shown.
  void VisibilityChanging(bool Hiding) override;
  // Only a screen saver file (*.scr) is taken, as the custom one.
  void DropFiles(const std::vector<std::string>& FileNames) override;

 private:
  // The list and Configure serve only the custom choice, and Configure only an existing file.
  void UpdateEnabled();
  void BrowseClick();
  void ConfigureClick();

  TKoServices FServices;
  TRadioControl* FUseSystem;
  TRadioControl* FUseCustom;
  TComboControl* FScreenSavers;
  TButtonControl* FConfigure;
};

class TForm_ActionVolume : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionVolume";
  explicit TForm_ActionVolume(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TRadioControl* FMute;
  TRadioControl* FUnMute;
};

class TForm_ActionPlaySound : public TConfigFrame,
                              public IPlannerFrame,
                              public IPlannerFrameConfig,
                              public IPlannerFrameDropFiles {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionPlaySound";
  explicit TForm_ActionPlaySound(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  // Only a WAV file (*.wav) is taken.
  void DropFiles(const std::vector<std::string>& FileNames) override;

 private:
  void SelectClick();

  TKoServices FServices;
  TEditControl* FFile;
  TCheckControl* FWait;
};

// Whether a file name matches "*.<Extension>", ignoring the case of its letters.
bool HasExtension(std::string_view FileName, std::string_view Extension);
