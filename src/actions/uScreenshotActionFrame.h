#pragma once

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"

// Where screenshots go and how their files are named.
class TForm_ActionScreenshot : public TConfigFrame,
                               public IPlannerFrame,
                               public IPlannerFrameConfig,
                               public IPlannerFrameDropFiles {
 public:
  static constexpr std::string_view kClassName = "TForm_ActionScreenshot";
  explicit TForm_ActionScreenshot(const TPlannerFrameContext& Context);

  std::type_index GetItemClass() const override;
  void LoadFromItem(const TPlannerItem& Item) override;
  void SaveToItem(TPlannerItem& Item) override;
  // Only an existing folder is taken.
  void DropFiles(const std::vector<std::string>& FileNames) override;

 private:
  // A file for a specified name, a folder for the numbered and stamped ones.
  void BrowseClick();

  TKoServices FServices;
  TEditControl* FPath;
  TRadioControl* FSchemes[3];
};
