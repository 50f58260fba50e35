#include "actions/uDisplayActionFrames.h"

#include <filesystem>
#include <system_error>

#include "actions/actionframes_res.h"
#include "actions/uActionFrameStrings.h"
#include "actions/uActionMonitor.h"
#include "actions/uActionPlaySound.h"
#include "actions/uActionScreenSaver.h"
#include "actions/uActionVolume.h"
#include "actions/uDisplayControl.h"
#include "actions/uProcessLauncher.h"
#include "core/uFilePaths.h"
#include "core/uStringUtils.h"
#include "platform/uFileDialogs.h"
#include "platform/uUserInterface.h"

namespace {

// The filter of the sound file dialog is the same in every language.
constexpr const char* kAudioFilesFilter = "Audio files (*.wav)|*.wav";

bool FileExists(const std::string& Path) {
  std::error_code Error;
  return !Path.empty() && std::filesystem::is_regular_file(Utf8ToPath(Path), Error);
}

void WarnDropped(const TKoServices& Services, const TResString& Text, const std::string& Item) {
  if (Services.UserInterface)
    Services.UserInterface->MessageDialog({}, ResStr(Text) + "\r\n\r\n" + Item, dkWarning, dbOK);
}

}  // namespace

bool HasExtension(std::string_view FileName, std::string_view Extension) {
  const std::string Suffix = "." + std::string(Extension);
  return FileName.size() >= Suffix.size() &&
         SameText(FileName.substr(FileName.size() - Suffix.size()), Suffix);
}

// --- Monitor

TForm_ActionMonitor::TForm_ActionMonitor(const TPlannerFrameContext&)
    : TConfigFrame(kClassName, IDD_ACTIONMONITOR) {
  FTurnOff = &AddRadio(IDC_MONITOR_RB_TURNOFF, tform_actionmonitor::radiobutton_turnoff, 0);
  FTurnOn = &AddRadio(IDC_MONITOR_RB_TURNON, tform_actionmonitor::radiobutton_turnon, 0);
  FTurnOff->SetChecked(true);
}

std::type_index TForm_ActionMonitor::GetItemClass() const {
  return typeid(TKoActionMonitor);
}

void TForm_ActionMonitor::LoadFromItem(const TPlannerItem& Item) {
  (Item.ReadConfig().ReadInteger("Action") == 2 ? FTurnOn : FTurnOff)->SetChecked(true);
}

void TForm_ActionMonitor::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteInteger("Action", FTurnOn->Checked() && !FTurnOff->Checked() ? 2 : 1);
  Item.WriteConfig(Config);
}

// --- Screen Saver

TForm_ActionScreenSaver::TForm_ActionScreenSaver(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_ACTIONSCREENSAVER), FServices(Context.Services) {
  FUseSystem = &AddRadio(IDC_SCREENSAVER_RB_USESYSTEM, tform_actionscreensaver::rb_usesystem, 0);
  FUseCustom = &AddRadio(IDC_SCREENSAVER_RB_USECUSTOM, tform_actionscreensaver::rb_usecustom, 0);
  FScreenSavers = &AddCombo(IDC_SCREENSAVER_COMBO_SCREENSAVERS, false);
  AddButton(IDC_SCREENSAVER_SB_BROWSE, tform_actionscreensaver::sb_browse).OnClick = [this] {
    BrowseClick();
  };
  FConfigure = &AddButton(IDC_SCREENSAVER_SB_CONFIGURE, tform_actionscreensaver::sb_configure);
  FConfigure->OnClick = [this] { ConfigureClick(); };
  FUseSystem->SetChecked(true);
  FUseSystem->OnClick = [this] { UpdateEnabled(); };
  FUseCustom->OnClick = [this] { UpdateEnabled(); };
  FScreenSavers->OnChange = [this] { UpdateEnabled(); };
  FScreenSavers->OnDropDown = [this] {
    std::vector<std::string> Files;
    if (FServices.Display)
      ListScreenSavers(*FServices.Display, Files);
    FScreenSavers->SetItems(std::move(Files));
  };
  UpdateEnabled();
}

std::type_index TForm_ActionScreenSaver::GetItemClass() const {
  return typeid(TKoActionScreenSaver);
}

void TForm_ActionScreenSaver::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  (Config.ReadBool("UseCustom") ? FUseCustom : FUseSystem)->SetChecked(true);
  FScreenSavers->SetText(Config.ReadString("CustomPath"));
  UpdateEnabled();
}

void TForm_ActionScreenSaver::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteBool("UseCustom", FUseCustom->Checked());
  Config.WriteString("CustomPath", FScreenSavers->Text());
  Item.WriteConfig(Config);
}

void TForm_ActionScreenSaver::VisibilityChanging(bool Hiding) {
  if (!Hiding)
    UpdateEnabled();
}

void TForm_ActionScreenSaver::DropFiles(const std::vector<std::string>& FileNames) {
  if (FileNames.empty())
    return;
  const std::string& Dropped = FileNames.front();
  if (!HasExtension(Dropped, "scr")) {
    WarnDropped(FServices, ustrings::msg_dropped_file_not_scr, Dropped);
    return;
  }
  FScreenSavers->SetText(Dropped);
  FUseCustom->SetChecked(true);
  UpdateEnabled();
}

void TForm_ActionScreenSaver::UpdateEnabled() {
  FScreenSavers->SetEnabled(FUseCustom->Checked());
  FConfigure->SetEnabled(FUseCustom->Checked() && FileExists(FScreenSavers->Text()));
}

void TForm_ActionScreenSaver::BrowseClick() {
  if (!FServices.FileDialogs)
    return;
  TFileDialogOptions Options;
  Options.FileName = FScreenSavers->Text();
  Options.Filter = ResStr(actionscreensaverform::sfilterscreensavers) + " (*.scr)|*.scr";
  if (auto Chosen = FServices.FileDialogs->OpenFile(Options)) {
    FScreenSavers->SetText(*Chosen);
    FUseCustom->SetChecked(true);
    UpdateEnabled();
  }
}

void TForm_ActionScreenSaver::ConfigureClick() {
  // Without "/S" a screen saver opens its own settings.
  if (!FServices.Processes)
    return;
  try {
    StartProgram(*FServices.Processes, FScreenSavers->Text(), {}, {}, false);
  } catch (const std::exception& Error) {
    if (FServices.UserInterface)
      FServices.UserInterface->MessageDialog({}, Error.what(), dkError, dbOK);
  }
}

// --- Volume

TForm_ActionVolume::TForm_ActionVolume(const TPlannerFrameContext&)
    : TConfigFrame(kClassName, IDD_ACTIONVOLUME) {
  AddLabel(IDC_VOLUME_LABEL_STATE, tform_actionvolume::label_setmastervolumestate);
  FMute = &AddRadio(IDC_VOLUME_RB_MUTE, tform_actionvolume::radiobutton_mute, 0);
  FUnMute = &AddRadio(IDC_VOLUME_RB_UNMUTE, tform_actionvolume::radiobutton_unmute, 0);
  FMute->SetChecked(true);
}

std::type_index TForm_ActionVolume::GetItemClass() const {
  return typeid(TKoActionVolume);
}

void TForm_ActionVolume::LoadFromItem(const TPlannerItem& Item) {
  (Item.ReadConfig().ReadBool("Mute") ? FMute : FUnMute)->SetChecked(true);
}

void TForm_ActionVolume::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteBool("Mute", FMute->Checked());
  Item.WriteConfig(Config);
}

// --- Play Sound

TForm_ActionPlaySound::TForm_ActionPlaySound(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_ACTIONPLAYSOUND), FServices(Context.Services) {
  AddLabel(IDC_PLAYSOUND_LABEL_PATH, tform_actionplaysound::label_path);
  FFile = &AddEdit(IDC_PLAYSOUND_EDIT_FILE);
  AddButton(IDC_PLAYSOUND_SB_SELECT, tform_actionplaysound::sb_select).OnClick = [this] {
    SelectClick();
  };
  FWait = &AddCheck(IDC_PLAYSOUND_CHECK_WAIT, tform_actionplaysound::checkbox_wait);
}

std::type_index TForm_ActionPlaySound::GetItemClass() const {
  return typeid(TKoActionPlaySound);
}

void TForm_ActionPlaySound::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FFile->SetText(Config.ReadString("File"));
  FWait->SetChecked(Config.ReadBool("Wait"));
}

void TForm_ActionPlaySound::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("File", FFile->Text());
  Config.WriteBool("Wait", FWait->Checked());
  Item.WriteConfig(Config);
}

void TForm_ActionPlaySound::DropFiles(const std::vector<std::string>& FileNames) {
  if (FileNames.empty())
    return;
  const std::string& Dropped = FileNames.front();
  if (!HasExtension(Dropped, "wav")) {
    WarnDropped(FServices, ustrings::msg_dropped_file_not_wav, Dropped);
    return;
  }
  FFile->SetText(Dropped);
}

void TForm_ActionPlaySound::SelectClick() {
  if (!FServices.FileDialogs)
    return;
  TFileDialogOptions Options;
  Options.FileName = FFile->Text();
  Options.Filter = kAudioFilesFilter;
  if (auto Chosen = FServices.FileDialogs->OpenFile(Options))
    FFile->SetText(*Chosen);
}
