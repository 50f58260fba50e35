#include "actions/uScreenshotActionFrame.h"

#include <filesystem>
#include <system_error>

#include "actions/actionframes_res.h"
#include "actions/uActionFrameStrings.h"
#include "actions/uActionScreenshot.h"
#include "core/uFilePaths.h"
#include "platform/uFileDialogs.h"
#include "platform/uUserInterface.h"

namespace {

bool DirectoryExists(const std::string& Path) {
  std::error_code Error;
  return !Path.empty() && std::filesystem::is_directory(Utf8ToPath(Path), Error);
}

}  // namespace

TForm_ActionScreenshot::TForm_ActionScreenshot(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_ACTIONSCREENSHOT), FServices(Context.Services) {
  AddLabel(IDC_SCREENSHOT_LABEL_PATH, tform_actionscreenshot::label_path);
  FPath = &AddEdit(IDC_SCREENSHOT_EDIT_PATH);
  AddButton(IDC_SCREENSHOT_SB_BROWSE, tform_actionscreenshot::sb_browse).OnClick = [this] {
    BrowseClick();
  };
  AddLabel(IDC_SCREENSHOT_LABEL_NAMINGSCHEMA, tform_actionscreenshot::label_namingschema);
  FSchemes[0] =
      &AddRadio(IDC_SCREENSHOT_RB_SPECIFIED, tform_actionscreenshot::radiobutton_specified, 0);
  FSchemes[1] =
      &AddRadio(IDC_SCREENSHOT_RB_NUMERIC, tform_actionscreenshot::radiobutton_numeric, 0);
  FSchemes[2] =
      &AddRadio(IDC_SCREENSHOT_RB_DATETIME, tform_actionscreenshot::radiobutton_datetime, 0);
  FSchemes[0]->SetChecked(true);
}

std::type_index TForm_ActionScreenshot::GetItemClass() const {
  return typeid(TKoActionScreenshot);
}

void TForm_ActionScreenshot::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FPath->SetText(Config.ReadString("Path"));
  const int Scheme = Config.ReadInteger("NamingSchema");
  FSchemes[Scheme == 2 || Scheme == 3 ? Scheme - 1 : 0]->SetChecked(true);
}

void TForm_ActionScreenshot::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteInteger("NamingSchema", FSchemes[1]->Checked() ? 2 : FSchemes[2]->Checked() ? 3 : 1);
  Config.WriteString("Path", FPath->Text());
  Item.WriteConfig(Config);
}

void TForm_ActionScreenshot::DropFiles(const std::vector<std::string>& FileNames) {
  if (FileNames.empty())
    return;
  const std::string& Dropped = FileNames.front();
  if (!DirectoryExists(Dropped)) {
    if (FServices.UserInterface)
      FServices.UserInterface->MessageDialog(
          {}, ResStr(ustrings::msg_dropped_item_not_directory) + "\r\n\r\n" + Dropped, dkWarning,
          dbOK);
    return;
  }
  FPath->SetText(IncludeTrailingPathDelimiter(Dropped));
}

void TForm_ActionScreenshot::BrowseClick() {
  if (!FServices.FileDialogs)
    return;
  const std::string Text = FPath->Text();
  if (!FSchemes[0]->Checked()) {
    auto Chosen = FServices.FileDialogs->SelectDirectory(
        ResStr(actionscreenshotform::sselectdirectory), Text);
    if (Chosen)
      FPath->SetText(IncludeTrailingPathDelimiter(*Chosen));
    return;
  }
  TFileDialogOptions Options;
  Options.Filter = "*.jpg|*.jpg";
  Options.DefaultExt = "jpg";
  if (Text.empty()) {
    std::error_code Error;
    Options.InitialDir = PathToUtf8(std::filesystem::current_path(Error));
  } else if (ExtractFileName(Text).empty()) {
    Options.InitialDir = Text;
  } else {
    Options.FileName = Text;
  }
  if (auto Chosen = FServices.FileDialogs->SaveFile(Options))
    FPath->SetText(*Chosen);
}
