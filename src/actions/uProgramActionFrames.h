#pragma once

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"

// The frames of the actions that reach programs, files, windows, processes and presets.

class TForm_ActionRunProgram : public TConfigFrame,
                               public IPlannerFrame,
                               public IPlannerFrameConfig,
                               public IPlannerFrameDropFiles {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionRunProgram";
  explicit TForm_ActionRunProgram(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  // The first item becomes the command, quoted; an empty working directory becomes the item
  // itself when it is a folder, else the folder it is in.
  void DropFiles(const std::vector<std::string>& FileNames) override;

 private:
  void SelectProgramClick();
  void SelectWorkingDirectoryClick();

  TKoServices FServices;
  TEditControl* FCommand;
  TEditControl* FWorkingDirectory;
  TCheckControl* FWait;
};

class TForm_ActionOpenFile : public TConfigFrame,
                             public IPlannerFrame,
                             public IPlannerFrameConfig,
                             public IPlannerFrameDropFiles {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionOpenFile";
  explicit TForm_ActionOpenFile(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  // The first name replaces the text.
  void DropFiles(const std::vector<std::string>& FileNames) override;

 private:
  void SelectClick();

  TKoServices FServices;
  TEditControl* FFile;
};

class TForm_ActionCloseWindow : public TConfigFrame,
                                public IPlannerFrame,
                                public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionCloseWindow";
  explicit TForm_ActionCloseWindow(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TKoServices FServices;
  TComboControl* FTitle;
  TRadioControl* FMethods[3];
};

class TForm_ActionKillProcess : public TConfigFrame,
                                public IPlannerFrame,
                                public IPlannerFrameConfig {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionKillProcess";
  explicit TForm_ActionKillProcess(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;

 private:
  TKoServices FServices;
  TComboControl* FProcessName;
};

class TForm_ActionRunPreset : public TConfigFrame,
                              public IPlannerFrame,
                              public IPlannerFrameConfig,
                              public IPlannerFrameVisibility {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionRunPreset";
  explicit TForm_ActionRunPreset(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  void VisibilityChanging(bool Hiding) override;

 private:
  // Waiting for the new instance makes sense only when there is one.
  void UpdateEnabled();

  std::function<std::vector<std::string>()> FListPresets;
  TComboControl* FPresetName;
  TCheckControl* FRunInNewInstance;
  TCheckControl* FWaitForNewInstanceToExit;
};
