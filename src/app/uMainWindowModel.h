#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/uPlannerRows.h"
#include "app/uSettings.h"
#include "core/uPlanner.h"
#include "core/uPresets.h"
#include "platform/uUserInterface.h"

class TKoQuickActions;
class TShell;

enum TItemList : std::uint8_t { ilEvents, ilActions };
enum TAddMode : std::uint8_t { amNew, amAbove, amBelow };

// What the main window shows on the model's request.
class TMainWindowView {
 public:
  // Start or Stop offered, lists and their toolbars enabled or not, tray icon, status timer.
  virtual void ShowRunningState(bool Running) = 0;
  // The status bar's text; the tray hint is TrayHint, or Text when that is empty.
  virtual void ShowStatus(const std::string& Text, const std::string& TrayHint) = 0;
  // The rows' texts changed (captions, details, statuses).
  virtual void ShowRows() = 0;
  virtual void ShowBalloon(const std::string& Title, const std::string& Text) = 0;
  virtual void HideWindow() = 0;
  // The normal close path, as the title bar's close button takes it.
  virtual void CloseWindow() = 0;
  // Any hourglass ends, as a message box is about to ask the user something.
  virtual void EndBusyCursor() = 0;

 protected:
  ~TMainWindowView() = default;
};

// One item of the Presets > Load menu.
struct TPresetMenuItem {
  std::string Caption;  // the name with every "&" doubled, so it shows literally
  int Shortcut = 0;     // Ctrl+1 .. Ctrl+9 for the first nine, else 0
  std::string Name;
};

// What the main window does apart from drawing: the lists, the planner's notifications, the
// status line and tray hint, presets, links and exports.
class TMainWindowModel {
 public:
  TMainWindowModel(TKoPlanner& Planner, TPlannerRows& Rows, TPresets& Presets,
                   const TSettings& Settings, TUserInterface& UserInterface, TMainWindowView& View);

  // Makes the model the planner's host: fresh lists at every start, notifications shown.
  void AttachToPlanner();

  // Asks the system to stay awake (true) or lets it sleep again (false); true when it accepted.
  // Every stop lets it sleep again, whoever asked.
  std::function<bool(bool KeepAwake)> KeepSystemAwake;

  // Statuses of both lists and, while running, the status line and tray hint.
  void Refresh();
  // "Running for %s" and the tray hint while running.
  std::string RunningText() const;
  std::string RunningTrayHint() const;

  // The rows of a list. Insert returns the new row's index; Move the row's index afterwards.
  std::vector<TItemRow>& Rows(TItemList List);
  int InsertRow(TItemList List, TItemRow Row, TAddMode Mode, int Selected);
  void ReplaceRow(TItemList List, int Index, TItemRow Row);
  void RemoveRow(TItemList List, int Index);
  void RemoveAllRows(TItemList List);
  int MoveRow(TItemList List, int Index, int Delta);
  // New Project: the planner stops and both lists are emptied.
  void NewProject();

  // "1) Countdown: Wait 0:10:00" lines of a list, and the whole project for the clipboard.
  std::string ListText(TItemList List) const;
  std::string ProjectText() const;

  std::vector<TPresetMenuItem> PresetMenu() const;
  // A menu caption back to the preset's name ("&&" is one "&", a lone "&" is dropped).
  static std::string PresetNameFromCaption(std::string_view Caption);
  // Refused with a warning while the planner runs. False when nothing was loaded.
  bool LoadPreset(const std::string& Name);
  // Save asks before overwriting the current preset, or asks for a name when there is none;
  // Save As always asks for a name. True when a preset was written.
  bool SavePreset();
  bool SavePresetAs();

  // Shortcut files that start the program with "/action" or "/preset", in a folder the user
  // chooses; the count is reported and the folder opened. Returns the count.
  int CreateLinksToActions(const TKoQuickActions& QuickActions, TShell& Shell,
                           const std::string& ProgramFile);
  int CreateLinksToPresets(TShell& Shell, const std::string& ProgramFile);

  bool StayAwakeActive() const { return FStayAwakeActive; }

 private:
  void Started();
  void Stopped();
  void Finished();
  void ReportLinks(TShell& Shell, const std::string& Folder, int Created);

  TKoPlanner& FPlanner;
  TPlannerRows& FRows;
  TPresets& FPresets;
  const TSettings& FSettings;
  TUserInterface& FUserInterface;
  TMainWindowView& FView;
  bool FStayAwakeActive = false;
};

// The window starts hidden when the user asked for it, or when it would hide anyway because
// the planner starts at launch and hides the window when it starts.
bool StartsHidden(const TSettings& Settings);

// "120|x|90|" gives 120 and 90: pieces that are not whole numbers are skipped.
std::vector<int> ParseColumnWidths(std::string_view Text);
std::string FormatColumnWidths(const std::vector<int>& Widths);
