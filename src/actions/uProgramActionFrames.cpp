#include "actions/uProgramActionFrames.h"

#include <filesystem>
#include <system_error>

#include "actions/actionframes_res.h"
#include "actions/uActionCloseWindow.h"
#include "actions/uActionFrameStrings.h"
#include "actions/uActionKillProcess.h"
#include "actions/uActionOpenFile.h"
#include "actions/uActionRunPreset.h"
#include "actions/uActionRunProgram.h"
#include "actions/uProcessList.h"
#include "actions/uWindowUtils.h"
#include "core/uFilePaths.h"
#include "platform/uFileDialogs.h"

namespace {

std::string Quoted(const std::string& Path) {
  return '"' + Path + '"';
}

bool IsDirectory(const std::string& Path) {
  std::error_code Error;
  return std::filesystem::is_directory(Utf8ToPath(Path), Error);
}

// The folder of a file name without its trailing delimiter, except for a root ("C:\", "/").
std::string ExtractFileDir(std::string_view FileName) {
  std::string Folder = ExtractFilePath(FileName);
  if (Folder.size() > 1 && IsPathDelimiter(Folder.back()) && Folder[Folder.size() - 2] != ':')
    Folder.pop_back();
  return Folder;
}

}  // namespace

// --- Run Program

TForm_ActionRunProgram::TForm_ActionRunProgram(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_ACTIONRUNPROGRAM), FServices(Context.Services) {
  AddLabel(IDC_RUNPROGRAM_LABEL_COMMAND, tform_actionrunprogram::label_command);
  FCommand = &AddEdit(IDC_RUNPROGRAM_EDIT_COMMAND);
  AddButton(IDC_RUNPROGRAM_SB_SELECTPROGRAM, tform_actionrunprogram::sb_selectprogram).OnClick =
      [this] { SelectProgramClick(); };
  AddLabel(IDC_RUNPROGRAM_LABEL_WORKDIR, tform_actionrunprogram::label_workingdirectory);
  FWorkingDirectory = &AddEdit(IDC_RUNPROGRAM_EDIT_WORKDIR);
  AddButton(IDC_RUNPROGRAM_SB_SELECTWORKDIR, tform_actionrunprogram::sb_selectworkingdirectory)
      .OnClick = [this] { SelectWorkingDirectoryClick(); };
  FWait = &AddCheck(IDC_RUNPROGRAM_CHECK_WAIT, tform_actionrunprogram::checkbox_wait);
  AddLabel(IDC_RUNPROGRAM_LABEL_NOTE, tform_actionrunprogram::label_note);
}

std::type_index TForm_ActionRunProgram::GetItemClass() const {
  return typeid(TKoActionRunProgram);
}

void TForm_ActionRunProgram::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FCommand->SetText(Config.ReadString("Command"));
  FWorkingDirectory->SetText(Config.ReadString("WorkingDirectory"));
  FWait->SetChecked(Config.ReadBool("Wait"));
}

void TForm_ActionRunProgram::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("Command", FCommand->Text());
  Config.WriteString("WorkingDirectory", FWorkingDirectory->Text());
  Config.WriteBool("Wait", FWait->Checked());
  Item.WriteConfig(Config);
}

void TForm_ActionRunProgram::DropFiles(const std::vector<std::string>& FileNames) {
  if (FileNames.empty())
    return;
  const std::string& Dropped = FileNames.front();
  FCommand->SetText(Quoted(Dropped));
  if (FWorkingDirectory->Text().empty())
    FWorkingDirectory->SetText(IsDirectory(Dropped) ? Dropped : ExtractFileDir(Dropped));
}

void TForm_ActionRunProgram::SelectProgramClick() {
  if (!FServices.FileDialogs)
    return;
  const std::string Patterns = "*.exe;*.bat;*.com";
  TFileDialogOptions Options;
  Options.Filter = ResStr(ustrings::msg_executable_files) + " (" + Patterns + ")|" + Patterns;
  auto Chosen = FServices.FileDialogs->OpenFile(Options);
  if (Chosen)
    FCommand->SetText(Quoted(*Chosen));
}

void TForm_ActionRunProgram::SelectWorkingDirectoryClick() {
  if (!FServices.FileDialogs)
    return;
  if (auto Chosen = FServices.FileDialogs->SelectDirectory({}, FWorkingDirectory->Text()))
    FWorkingDirectory->SetText(*Chosen);
}

// --- Open File

TForm_ActionOpenFile::TForm_ActionOpenFile(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_ACTIONOPENFILE), FServices(Context.Services) {
  AddLabel(IDC_OPENFILE_LABEL_FILE, tform_actionopenfile::label_openfile);
  FFile = &AddEdit(IDC_OPENFILE_EDIT_FILE);
  AddButton(IDC_OPENFILE_SB_SELECT, tform_actionopenfile::sb_select).OnClick = [this] {
    SelectClick();
  };
  AddLabel(IDC_OPENFILE_LABEL_HINT, tform_actionopenfile::label_hint);
}

std::type_index TForm_ActionOpenFile::GetItemClass() const {
  return typeid(TKoActionOpenFile);
}

void TForm_ActionOpenFile::LoadFromItem(const TPlannerItem& Item) {
  FFile->SetText(Item.ReadConfig().ReadString("FileName"));
}

void TForm_ActionOpenFile::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("FileName", FFile->Text());
  Item.WriteConfig(Config);
}

void TForm_ActionOpenFile::DropFiles(const std::vector<std::string>& FileNames) {
  if (!FileNames.empty())
    FFile->SetText(FileNames.front());
}

void TForm_ActionOpenFile::SelectClick() {
  if (!FServices.FileDialogs)
    return;
  TFileDialogOptions Options;
  Options.FileName = FFile->Text();
  Options.Filter = ResStr(actionopenfileform::sfilteranyfile) + " (*.*)|*.*";
  auto Chosen = FServices.FileDialogs->OpenFile(Options);
  if (Chosen)
    FFile->SetText(*Chosen);
}

// --- Close Window

TForm_ActionCloseWindow::TForm_ActionCloseWindow(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_ACTIONCLOSEWINDOW), FServices(Context.Services) {
  AddLabel(IDC_CLOSEWINDOW_LABEL_TITLE, tform_actionclosewindow::label_windowtitle);
  FTitle = &AddCombo(IDC_CLOSEWINDOW_COMBO_TITLE, false);
  AddLabel(IDC_CLOSEWINDOW_LABEL_HINT, tform_actionclosewindow::label_hintwildcards);
  FMethods[0] = &AddRadio(IDC_CLOSEWINDOW_RB_CLOSE, tform_actionclosewindow::rb_methodclose, 0);
  FMethods[1] = &AddRadio(IDC_CLOSEWINDOW_RB_QUIT, tform_actionclosewindow::rb_methodquit, 0);
  FMethods[2] = &AddRadio(IDC_CLOSEWINDOW_RB_KILL, tform_actionclosewindow::rb_methodkill, 0);
  FMethods[0]->SetChecked(true);
  FTitle->OnDropDown = [this] {
    std::vector<std::string> Titles;
    if (FServices.Windows) {
      TWindowList List;
      ListWindows(*FServices.Windows, List);
      for (const auto& Window : List)
        Titles.push_back(Window.Title);
    }
    FTitle->SetItems(std::move(Titles));
  };
}

std::type_index TForm_ActionCloseWindow::GetItemClass() const {
  return typeid(TKoActionCloseWindow);
}

void TForm_ActionCloseWindow::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FTitle->SetText(Config.ReadString("WindowTitle"));
  const int Method = Config.ReadInteger("Method");
  FMethods[Method >= 1 && Method <= 3 ? Method - 1 : 0]->SetChecked(true);
}

void TForm_ActionCloseWindow::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("WindowTitle", FTitle->Text());
  Config.WriteInteger("Method", FMethods[1]->Checked() ? 2 : FMethods[2]->Checked() ? 3 : 1);
  Item.WriteConfig(Config);
}

// --- Kill Process

TForm_ActionKillProcess::TForm_ActionKillProcess(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_ACTIONKILLPROCESS), FServices(Context.Services) {
  AddLabel(IDC_KILLPROCESS_LABEL_NAME, tform_actionkillprocess::label_processname);
  FProcessName = &AddCombo(IDC_KILLPROCESS_COMBO_NAME, false);
  FProcessName->OnDropDown = [this] {
    std::vector<std::string> Names;
    if (FServices.Processes) {
      TProcessList List;
      ListProcesses(*FServices.Processes, List);
      for (const auto& Process : List)
        Names.push_back(Process.Name);
    }
    FProcessName->SetItems(std::move(Names));
  };
}

std::type_index TForm_ActionKillProcess::GetItemClass() const {
  return typeid(TKoActionKillProcess);
}

void TForm_ActionKillProcess::LoadFromItem(const TPlannerItem& Item) {
  FProcessName->SetText(Item.ReadConfig().ReadString("ProcessName"));
}

void TForm_ActionKillProcess::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("ProcessName", FProcessName->Text());
  Item.WriteConfig(Config);
}

// --- Run Preset

TForm_ActionRunPreset::TForm_ActionRunPreset(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_ACTIONRUNPRESET), FListPresets(Context.ListPresets) {
  AddLabel(IDC_RUNPRESET_LABEL_NAME, tform_actionrunpreset::label_presetname);
  FPresetName = &AddCombo(IDC_RUNPRESET_COMBO_NAME, false);
  FRunInNewInstance =
      &AddCheck(IDC_RUNPRESET_CHECK_NEWINSTANCE, tform_actionrunpreset::checkbox_runinnewinstance);
  FWaitForNewInstanceToExit =
      &AddCheck(IDC_RUNPRESET_CHECK_WAIT, tform_actionrunpreset::checkbox_waitfornewinstancetoexit);
  FPresetName->OnDropDown = [this] {
    FPresetName->SetItems(FListPresets ? FListPresets() : std::vector<std::string>());
  };
  FRunInNewInstance->OnClick = [this] { UpdateEnabled(); };
  UpdateEnabled();
}

std::type_index TForm_ActionRunPreset::GetItemClass() const {
  return typeid(TKoActionRunPreset);
}

void TForm_ActionRunPreset::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FPresetName->SetText(Config.ReadString("PresetName"));
  FRunInNewInstance->SetChecked(Config.ReadBool("RunInNewInstance"));
  FWaitForNewInstanceToExit->SetChecked(Config.ReadBool("WaitForNewInstanceToExit"));
  UpdateEnabled();
}

void TForm_ActionRunPreset::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("PresetName", FPresetName->Text());
  Config.WriteBool("RunInNewInstance", FRunInNewInstance->Checked());
  Config.WriteBool("WaitForNewInstanceToExit", FWaitForNewInstanceToExit->Checked());
  Item.WriteConfig(Config);
}

void TForm_ActionRunPreset::VisibilityChanging(bool Hiding) {
  if (!Hiding)
    UpdateEnabled();
}

void TForm_ActionRunPreset::UpdateEnabled() {
  FWaitForNewInstanceToExit->SetEnabled(FRunInNewInstance->Checked());
}
