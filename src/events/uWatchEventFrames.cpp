#include "events/uWatchEventFrames.h"

#include "actions/uProcessList.h"
#include "actions/uWindowUtils.h"
#include "events/eventframes_res.h"
#include "events/uEventFileSize.h"
#include "events/uEventFrameStrings.h"
#include "events/uEventProcess.h"
#include "events/uEventWinampStops.h"
#include "events/uEventWindow.h"
#include "platform/uFileDialogs.h"

namespace {

constexpr TEditControl::TOptions kDigits = TEditControl::Digits();

std::vector<std::string> WindowTitles(TWindowSystem* Windows) {
  std::vector<std::string> Titles;
  if (!Windows)
    return Titles;
  TWindowList List;
  ListWindows(*Windows, List);
  for (const auto& Item : List)
    Titles.push_back(Item.Title);
  return Titles;
}

std::vector<std::string> ProcessNames(TProcessSystem* Processes) {
  std::vector<std::string> Names;
  if (!Processes)
    return Names;
  TProcessList List;
  ListProcesses(*Processes, List);
  for (const auto& Item : List)
    Names.push_back(Item.Name);
  return Names;
}

}  // namespace

// --- Window

TForm_EventWindow::TForm_EventWindow(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_EVENTWINDOW), FServices(Context.Services) {
  AddLabel(IDC_WINDOW_LABEL_TITLE, tform_eventwindow::label_title);
  FTitles = &AddCombo(IDC_WINDOW_COMBO_TITLES, false);
  AddLabel(IDC_WINDOW_LABEL_HINT, tform_eventwindow::label_hint);
  AddLabel(IDC_WINDOW_LABEL_TRIGGER, tform_eventwindow::label_trigger);
  FOpens = &AddRadio(IDC_WINDOW_RB_OPENS, tform_eventwindow::rb_opens, 0);
  FCloses = &AddRadio(IDC_WINDOW_RB_CLOSES, tform_eventwindow::rb_closes, 0);
  AddLabel(IDC_WINDOW_LABEL_CHECKEVERY, tform_eventwindow::label_checkevery);
  FInterval = &AddUpDown(IDC_WINDOW_UD_INTERVAL, AddEdit(IDC_WINDOW_EDIT_INTERVAL, kDigits),
                         {1, 999, false});
  AddLabel(IDC_WINDOW_LABEL_SECONDS, tform_eventwindow::label_seconds);
  FOpens->SetChecked(true);
  FInterval->SetPosition(5);
  FTitles->OnDropDown = [this] { FTitles->SetItems(WindowTitles(FServices.Windows)); };
}

std::type_index TForm_EventWindow::GetItemClass() const {
  return typeid(TKoEventWindow);
}

void TForm_EventWindow::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FTitles->SetText(Config.ReadString("Title"));
  (Config.ReadBool("Opens") ? FOpens : FCloses)->SetChecked(true);
  FInterval->SetPosition(Config.ReadInteger("Interval"));
}

void TForm_EventWindow::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("Title", FTitles->Text());
  Config.WriteInteger("Interval", FInterval->Position());
  Config.WriteBool("Opens", FOpens->Checked());
  Item.WriteConfig(Config);
}

// --- Process

TForm_EventProcess::TForm_EventProcess(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_EVENTPROCESS), FServices(Context.Services) {
  AddLabel(IDC_PROCESS_LABEL_NAME, tform_eventprocess::label_name);
  FProcesses = &AddCombo(IDC_PROCESS_COMBO_NAME, false);
  AddLabel(IDC_PROCESS_LABEL_TRIGGER, tform_eventprocess::label_trigger);
  FStarts = &AddRadio(IDC_PROCESS_RB_STARTS, tform_eventprocess::rb_starts, 0);
  FStops = &AddRadio(IDC_PROCESS_RB_STOPS, tform_eventprocess::rb_stops, 0);
  AddLabel(IDC_PROCESS_LABEL_CHECKEVERY, tform_eventprocess::label_checkevery);
  FInterval = &AddUpDown(IDC_PROCESS_UD_INTERVAL, AddEdit(IDC_PROCESS_EDIT_INTERVAL, kDigits),
                         {1, 999, false});
  AddLabel(IDC_PROCESS_LABEL_SECONDS, tform_eventprocess::label_seconds);
  FStarts->SetChecked(true);
  FInterval->SetPosition(5);
  FProcesses->OnDropDown = [this] { FProcesses->SetItems(ProcessNames(FServices.Processes)); };
}

std::type_index TForm_EventProcess::GetItemClass() const {
  return typeid(TKoEventProcess);
}

void TForm_EventProcess::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FProcesses->SetText(Config.ReadString("ProcessName"));
  (Config.ReadBool("Starts") ? FStarts : FStops)->SetChecked(true);
  FInterval->SetPosition(Config.ReadInteger("Interval"));
}

void TForm_EventProcess::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("ProcessName", FProcesses->Text());
  Config.WriteInteger("Interval", FInterval->Position());
  Config.WriteBool("Starts", FStarts->Checked());
  Item.WriteConfig(Config);
}

// --- File Size

TForm_EventFileSize::TForm_EventFileSize(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_EVENTFILESIZE), FServices(Context.Services) {
  AddLabel(IDC_FILESIZE_LABEL_FILE, tform_eventfilesize::label_file);
  FFile = &AddEdit(IDC_FILESIZE_EDIT_FILE);
  AddButton(IDC_FILESIZE_SB_SELECT, tform_eventfilesize::sb_select).OnClick = [this] {
    SelectClick();
  };
  AddLabel(IDC_FILESIZE_LABEL_TRIGGER, tform_eventfilesize::label_trigger);
  FWhen[0] = &AddRadio(IDC_FILESIZE_RB_SIZE, tform_eventfilesize::rb_size, 0);
  FSize = &AddEdit(IDC_FILESIZE_EDIT_SIZE, kDigits);
  FSizeType = &AddCombo(IDC_FILESIZE_COMBO_SIZETYPE, true);
  FWhen[1] = &AddRadio(IDC_FILESIZE_RB_CREATED, tform_eventfilesize::rb_created, 0);
  FWhen[2] = &AddRadio(IDC_FILESIZE_RB_DELETED, tform_eventfilesize::rb_deleted, 0);
  FWhen[0]->SetChecked(true);
  FSize->SetText("0");
  FSizeType->SetItems({ResStr(tform_eventfilesize::sunitbytes),
                       ResStr(tform_eventfilesize::sunitkb), ResStr(tform_eventfilesize::sunitmb),
                       ResStr(tform_eventfilesize::sunitgb)});
  FSizeType->SetItemIndex(0);
}

std::type_index TForm_EventFileSize::GetItemClass() const {
  return typeid(TKoEventFileSize);
}

void TForm_EventFileSize::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FFile->SetText(Config.ReadString("File"));
  const int When = Config.ReadInteger("When");
  FWhen[When == 1 || When == 2 ? When : 0]->SetChecked(true);
  FSize->SetText(std::to_string(EditTextToInt64(Config.ReadString("Size"), 0)));
  const int SizeType = Config.ReadInteger("SizeType");
  FSizeType->SetItemIndex(SizeType >= 0 && SizeType <= 3 ? SizeType : 0);
}

void TForm_EventFileSize::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("File", FFile->Text());
  Config.WriteInteger("When", FWhen[1]->Checked() ? 1 : FWhen[2]->Checked() ? 2 : 0);
  Config.WriteString("Size", std::to_string(EditTextToInt64(FSize->Text(), 0)));
  Config.WriteInteger("SizeType", FSizeType->ItemIndex() < 0 ? 0 : FSizeType->ItemIndex());
  Item.WriteConfig(Config);
}

void TForm_EventFileSize::DropFiles(const std::vector<std::string>& FileNames) {
  if (!FileNames.empty())
    FFile->SetText(FileNames.front());
}

void TForm_EventFileSize::SelectClick() {
  if (!FServices.FileDialogs)
    return;
  TFileDialogOptions Options;
  Options.FileName = FFile->Text();
  Options.Filter = ResStr(tform_eventfilesize::sfilteranyfiles);
  auto Chosen = FServices.FileDialogs->OpenFile(Options);
  if (Chosen)
    FFile->SetText(*Chosen);
}

// --- Winamp Stops

TForm_EventWinampStops::TForm_EventWinampStops(const TPlannerFrameContext&)
    : TConfigFrame(kClassName, IDD_EVENTWINAMPSTOPS) {
  AddLabel(IDC_WINAMP_LABEL_CHECKEVERY, tform_eventwinampstops::label_checkevery);
  FSeconds = &AddUpDown(IDC_WINAMP_UD_SECONDS,
                        AddEdit(IDC_WINAMP_EDIT_SECONDS, TEditControl::Digits(3)), {1, 999, false});
  AddLabel(IDC_WINAMP_LABEL_SECONDS, tform_eventwinampstops::label_seconds);
  FSeconds->SetPosition(10);
}

std::type_index TForm_EventWinampStops::GetItemClass() const {
  return typeid(TKoEventWinampStops);
}

void TForm_EventWinampStops::LoadFromItem(const TPlannerItem& Item) {
  FSeconds->SetPosition(Item.ReadConfig().ReadInteger("Seconds"));
}

void TForm_EventWinampStops::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteInteger("Seconds", EditTextToInt(FSeconds->Associate().Text(), 1));
  Item.WriteConfig(Config);
}
