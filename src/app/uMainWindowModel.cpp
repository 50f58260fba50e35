#include "app/uMainWindowModel.h"

#include <filesystem>
#include <system_error>

#include "actions/uPlannerQuickActions.h"
#include "actions/uShellUtils.h"
#include "app/uAppStrings.h"
#include "core/uFilePaths.h"
#include "core/uFormat.h"
#include "core/uStrings.h"
#include "core/uStringUtils.h"
#include "events/uTimeText.h"

TMainWindowModel::TMainWindowModel(TKoPlanner& Planner, TPlannerRows& Rows, TPresets& Presets,
                                   const TSettings& Settings, TUserInterface& UserInterface,
                                   TMainWindowView& View)
    : FPlanner(Planner),
      FRows(Rows),
      FPresets(Presets),
      FSettings(Settings),
      FUserInterface(UserInterface),
      FView(View) {}

void TMainWindowModel::AttachToPlanner() {
  FPlanner.OnPrepare = [this] { FRows.PreparePlanner(FPlanner); };
  FPlanner.OnStarted = [this] { Started(); };
  FPlanner.OnStopped = [this] { Stopped(); };
  FPlanner.OnFinished = [this] { Finished(); };
  FPlanner.OnMessage = [this](TKoPlannerMessageKind Kind, const std::string& Text) {
    FView.EndBusyCursor();
    FUserInterface.MessageDialog({}, Text, Kind == kpmError ? dkError : dkWarning, dbOK);
  };
  FPlanner.OnCloseApplication = [this] { FView.CloseWindow(); };
}

void TMainWindowModel::Started() {
  FView.ShowRunningState(true);
  Refresh();
  FView.ShowStatus(ResStr(ustrings::msg_status_started), {});
  if (FSettings.PreventSystemSleepWhileRunning && KeepSystemAwake)
    FStayAwakeActive = KeepSystemAwake(true);
  if (FSettings.MinimizeOnEventsStart)
    FView.HideWindow();
  if (FSettings.ShowTrayMessages)
    FView.ShowBalloon(ResStr(ustrings::msg_balloon_started),
                      ResStr(ustrings::msg_balloon_started_text));
}

void TMainWindowModel::Stopped() {
  FView.ShowRunningState(false);
  Refresh();
  FView.ShowStatus(ResStr(ustrings::msg_status_stopped), {});
  // Withdrawn even when this model did not ask: the options dialog may have turned the
  // setting on, and asked, while the planner ran.
  if (KeepSystemAwake)
    KeepSystemAwake(false);
  FStayAwakeActive = false;
  if (FSettings.ShowTrayMessages)
    FView.ShowBalloon(ResStr(ustrings::msg_balloon_stopped),
                      ResStr(ustrings::msg_balloon_stopped_text));
}

void TMainWindowModel::Finished() {
  // The stay-awake request stays until the next stop: the actions just run may rely on it.
  FView.ShowRunningState(false);
  Refresh();
  FView.ShowStatus(ResStr(ustrings::msg_status_finished), {});
  if (FSettings.ShowTrayMessages)
    FView.ShowBalloon(ResStr(ustrings::msg_balloon_finished),
                      ResStr(ustrings::msg_balloon_finished_text));
}

void TMainWindowModel::Refresh() {
  auto& Actions = FRows.ActionRows();
  for (std::size_t I = 0; I < Actions.size(); ++I)
    Actions[I].Status = FPlanner.GetActionStatus(static_cast<int>(I));
  auto& Events = FRows.EventRows();
  const bool Running = FPlanner.IsRunning();
  for (std::size_t I = 0; I < Events.size(); ++I)
    Events[I].Status = Running ? FPlanner.GetEventStatus(static_cast<int>(I)) : std::string();
  FView.ShowRows();
  if (Running)
    FView.ShowStatus(RunningText(), RunningTrayHint());
}

std::string TMainWindowModel::RunningText() const {
  return Format(ResStr(ustrings::msg_status_running_for),
                {SecondsToText(FPlanner.GetElapsed() / 1000)});
}

std::string TMainWindowModel::RunningTrayHint() const {
  const bool ShowStatus = FSettings.EventStatusInTrayIconHint;
  const bool ShowDetails = FSettings.EventDetailsInTrayIconHint;
  if (FRows.EventRows().size() == 1 && (ShowStatus || ShowDetails)) {
    std::string Hint = FPlanner.GetEventName(0);
    if (ShowDetails)
      Hint += "\r\n" + FPlanner.GetEventDescription(0);
    if (ShowStatus)
      Hint += "\r\n" + FPlanner.GetEventStatus(0);
    return Hint;
  }
  return RunningText() + "\r\n" +
         Format(ResStr(ustrings::msg_status_monitoring_events), {FRows.EventRows().size()});
}

std::vector<TItemRow>& TMainWindowModel::Rows(TItemList List) {
  return List == ilEvents ? FRows.EventRows() : FRows.ActionRows();
}

int TMainWindowModel::InsertRow(TItemList List, TItemRow Row, TAddMode Mode, int Selected) {
  auto& Rows = this->Rows(List);
  int Index = static_cast<int>(Rows.size());
  const bool HasSelection = Selected >= 0 && Selected < static_cast<int>(Rows.size());
  if (Mode == amAbove && HasSelection)
    Index = Selected;
  if (Mode == amBelow && HasSelection)
    Index = Selected + 1;
  Rows.insert(Rows.begin() + Index, std::move(Row));
  FView.ShowRows();
  return Index;
}

void TMainWindowModel::ReplaceRow(TItemList List, int Index, TItemRow Row) {
  auto& Rows = this->Rows(List);
  if (Index < 0 || Index >= static_cast<int>(Rows.size()))
    return;
  Rows[static_cast<std::size_t>(Index)] = std::move(Row);
  FView.ShowRows();
}

void TMainWindowModel::RemoveRow(TItemList List, int Index) {
  auto& Rows = this->Rows(List);
  if (Index < 0 || Index >= static_cast<int>(Rows.size()))
    return;
  Rows.erase(Rows.begin() + Index);
  FView.ShowRows();
}

void TMainWindowModel::RemoveAllRows(TItemList List) {
  Rows(List).clear();
  FView.ShowRows();
}

int TMainWindowModel::MoveRow(TItemList List, int Index, int Delta) {
  auto& Rows = this->Rows(List);
  const int Target = Index + Delta;
  if (Index < 0 || Index >= static_cast<int>(Rows.size()) || Target < 0 ||
      Target >= static_cast<int>(Rows.size()))
    return Index;
  std::swap(Rows[static_cast<std::size_t>(Index)], Rows[static_cast<std::size_t>(Target)]);
  FView.ShowRows();
  return Target;
}

void TMainWindowModel::NewProject() {
  FPlanner.Stop();
  FRows.EventRows().clear();
  FRows.ActionRows().clear();
  FView.ShowRows();
}

std::string TMainWindowModel::ListText(TItemList List) const {
  const auto& Rows = List == ilEvents ? FRows.EventRows() : FRows.ActionRows();
  std::string Text;
  for (std::size_t I = 0; I < Rows.size(); ++I) {
    if (I > 0)
      Text += "\r\n";
    Text += std::to_string(I + 1) + ") " + Rows[I].Caption;
    if (!Rows[I].Details.empty())
      Text += ": " + Rows[I].Details;
  }
  return Text;
}

std::string TMainWindowModel::ProjectText() const {
  return ResStr(uplannerevents::sevents) + " [" + LogicName(FRows.GetSelectedLogic()) + "]:\r\n" +
         ListText(ilEvents) + "\r\n" + ResStr(uplanneractions::sactions) + ":\r\n" +
         ListText(ilActions);
}

std::vector<TPresetMenuItem> TMainWindowModel::PresetMenu() const {
  std::vector<TPresetMenuItem> Items;
  for (const std::string& Name : FPresets.ListPresets()) {
    std::string Caption;
    for (char C : Name) {
      if (C == '&')
        Caption += '&';
      Caption += C;
    }
    const int Shortcut = Items.size() < 9 ? static_cast<int>(Items.size()) + 1 : 0;
    Items.push_back({Caption, Shortcut, Name});
  }
  return Items;
}

std::string TMainWindowModel::PresetNameFromCaption(std::string_view Caption) {
  std::string Name;
  for (std::size_t I = 0; I < Caption.size(); ++I) {
    if (Caption[I] != '&') {
      Name += Caption[I];
    } else if (I + 1 < Caption.size() && Caption[I + 1] == '&') {
      Name += '&';
      ++I;
    }
  }
  return Name;
}

bool TMainWindowModel::LoadPreset(const std::string& Name) {
  if (FPlanner.IsRunning()) {
    FUserInterface.MessageDialog({}, ResStr(ustrings::msg_cant_load_preset_planner_running),
                                 dkWarning, dbOK);
    return false;
  }
  const bool Loaded = FPresets.LoadPreset(Name);
  FView.ShowRows();
  return Loaded;
}

bool TMainWindowModel::SavePreset() {
  const std::string Current = FPresets.CurrentPresetName();
  if (Current.empty())
    return SavePresetAs();
  const std::string Question =
      ResStr(mainform::ssavecurrentpresetconfirm) + "\r\n\r\n\"" + Current + "\"";
  if (FUserInterface.MessageDialog({}, Question, dkConfirmation, dbYesNo) != drYes)
    return false;
  return FPresets.SavePreset(Current, false);
}

bool TMainWindowModel::SavePresetAs() {
  std::string Name = FPresets.CurrentPresetName();
  if (!FUserInterface.InputQuery(ResStr(ustrings::msg_save_preset_caption),
                                 ResStr(ustrings::msg_save_preset_prompt), Name))
    return false;
  // A blank name would make a file called ".kpr" that no menu could show.
  if (TrimBlanks(Name).empty())
    return false;
  return FPresets.SavePreset(Name, true);
}

int TMainWindowModel::CreateLinksToActions(const TKoQuickActions& QuickActions, TShell& Shell,
                                           const std::string& ProgramFile) {
  std::string Folder;
  if (!FUserInterface.SelectFolder(ResStr(ustrings::msg_create_links_to_actions_browse), Folder))
    return 0;
  int Created = 0;
  for (const auto& Quick : QuickActions.QuickActions()) {
    const std::string Name = Quick->GetName();
    if (CreateShortcut(Shell, IncludeTrailingPathDelimiter(Folder) + Name + ".lnk", ProgramFile,
                       Name, {}, "/action \"" + Quick->GetID() + "\"", ProgramFile, 0))
      ++Created;
  }
  ReportLinks(Shell, Folder, Created);
  return Created;
}

int TMainWindowModel::CreateLinksToPresets(TShell& Shell, const std::string& ProgramFile) {
  std::string Folder;
  if (!FUserInterface.SelectFolder(ResStr(ustrings::msg_create_links_to_presets_browse), Folder))
    return 0;
  int Created = 0;
  for (const std::string& Name : FPresets.ListPresets())
    if (CreateShortcut(Shell, IncludeTrailingPathDelimiter(Folder) + Name + ".lnk", ProgramFile,
                       Name, {}, "/preset \"" + Name + "\"", ProgramFile, 0))
      ++Created;
  ReportLinks(Shell, Folder, Created);
  return Created;
}

void TMainWindowModel::ReportLinks(TShell& Shell, const std::string& Folder, int Created) {
  FUserInterface.MessageDialog({}, Format(ResStr(mainform::screatednumlinks), {Created}),
                               Created == 0 ? dkWarning : dkInformation, dbOK);
  if (Created > 0)
    (void)ShellOpen(Shell, Folder);
}

bool StartsHidden(const TSettings& Settings) {
  return Settings.MinimizeOnProgramLaunch ||
         (Settings.MinimizeOnEventsStart && Settings.StartEventsOnProgramLaunch);
}

std::vector<int> ParseColumnWidths(std::string_view Text) {
  std::vector<int> Widths;
  for (const std::string& Piece : SplitText(Text, '|')) {
    int Width;
    if (TryTextToInt(Piece, Width))
      Widths.push_back(Width);
  }
  return Widths;
}

std::string FormatColumnWidths(const std::vector<int>& Widths) {
  std::string Text;
  for (int Width : Widths)
    Text += std::to_string(Width) + "|";
  return Text;
}
