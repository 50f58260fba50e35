#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/aboutform.h"
#include "app/languagemenu.h"
#include "app/uMainWindowModel.h"
#include "app/uTrayIcon.h"
#include "core/uResourceStrings.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32Handles.h"

#include <commctrl.h>

class TKoQuickActions;

using TImageListHandle = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>,
                                         TWin32HandleDeleter<HIMAGELIST, ImageList_Destroy>>;
class TShell;

// What the main window works with; everything outlives the window.
struct TMainFormContext {
  TWin32EventLoop& Loop;
  TKoPlanner& Planner;
  TPlannerRows& Rows;
  TPresets& Presets;
  TSettings& Settings;
  TUserInterface& UserInterface;
  const TKoQuickActions& QuickActions;
  TShell& Shell;
  std::string ProgramFile;
  std::string ProgramFolder;
  // The languages of the Language menu; none leaves the menu empty.
  TLanguages* Languages = nullptr;
};

// The program's main window: the lists of events and actions with the logic between them, the
// toolbars, menus, status bar and tray icon. It hides to the tray and hosts the planner.
class TForm_Main final : private TMainWindowView {
 public:
  TForm_Main(HINSTANCE Instance, TMainFormContext& Context);
  ~TForm_Main() = default;
  TForm_Main(const TForm_Main&) = delete;
  TForm_Main& operator=(const TForm_Main&) = delete;

  // Makes the window, shown or hidden in the tray. False when it cannot be made.
  [[nodiscard]] bool Create(bool Hidden);
  HWND Handle() const { return FWindow.get(); }
  TMainWindowModel& Model() { return FModel; }

  // What the options dialog changes while the program runs.
  void SetTrayIconVisible(bool Visible);
  void SetTablesFontIncreased(bool Increased);
  // The settings changed: stay-on-top and the status bar's icons follow them.
  void SettingsChanged();

  // Restores the window (also from the tray) and brings it to the front.
  void ShowAndBringToFront();
  // The rows changed outside the window (a preset was loaded): show them again.
  void ShowRows() override;

  // The preset named on the command line has loaded and the main loop runs: start the planner.
  std::function<void()> OnStartAfterPreset;
  // Add or edit an item in the item editor; the row to show, or nothing when cancelled.
  std::function<std::optional<TItemRow>(HWND Owner, TItemList List, const TItemRow* Edited)>
      OnEditItem;
  // Open the options dialog on a page (-1: the last one shown).
  std::function<void(HWND Owner, int Page)> OnOptions;
  // Gate for showing the window from the tray or on a second instance's request.
  std::function<bool()> CheckProtection;
  // The Windows session ends: the program may not get the chance to save later.
  std::function<void()> OnEndSession;
  // A message the window does not handle itself (the web interface's commands).
  std::function<bool(UINT Msg, WPARAM WParam, LPARAM LParam)> OnCustomMessage;

 private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) noexcept;
  LRESULT HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  void CreateControls();
  void CreateMenus();
  HWND CreateToolbar(int Id, bool Large, const std::vector<std::pair<int, std::string>>& Buttons);
  HWND CreateList(int Id, const TResString& FirstColumn);
  void Layout();
  void Command(UINT Id);
  void ListCommand(TItemList List, UINT Id);
  void AddItem(TItemList List, TAddMode Mode);
  void EditItem(TItemList List);
  void ShowListMenu(TItemList List, POINT At);
  void ShowTrayMenu(POINT At);
  void HandleTrayMessage(UINT Event, WPARAM WParam);
  void HandleNotify(const NMHDR& Header);
  void StartPlanner();
  void RebuildPresetsMenu();
  void RebuildLanguageMenu();
  void ShowTrayIcon();
  TFontHandle MakeListFont(bool Increased) const;
  void SetWindowHidden(bool Hidden);
  void ShutdownSteps();
  void CopyToClipboard(const std::string& Text);
  void RestorePlacement();
  void DrawStatusIcon(const DRAWITEMSTRUCT& Item);
  void SyncLogic();
  TItemList FocusedList() const;
  int Selected(TItemList List) const;
  void Select(TItemList List, int Index);
  HWND ListWindow(TItemList List) const;

  // TMainWindowView
  void ShowRunningState(bool Running) override;
  void ShowStatus(const std::string& Text, const std::string& TrayHint) override;
  void ShowBalloon(const std::string& Title, const std::string& Text) override;
  void HideWindow() override { SetWindowHidden(true); }
  void CloseWindow() override;
  void EndBusyCursor() override;

  // The hourglass is a count: each begin adds one, each end takes one away, and the arrow comes
  // back at 0; ends beyond the begins do nothing.
  void BeginBusyCursor();
  bool OverStatusIcon() const;

  HINSTANCE FInstance;
  TMainFormContext& FContext;
  TMainWindowModel FModel;
  TIconHandle FLargeIcon;
  TIconHandle FSmallIcon;
  TIconHandle FRunningIcon;
  TWindowClass FClass;
  TWindowHandle FWindow;
  std::unique_ptr<TTrayIcon> FTrayIcon;
  TImageListHandle FSmallImages;
  TImageListHandle FLargeImages;
  // The window destroys its menu bar with itself.
  HMENU FMenu = nullptr;
  TAcceleratorHandle FAccelerators;
  TFontHandle FPanelFont;
  TFontHandle FListFont;
  HWND FMainToolbar = nullptr;
  HWND FEventsToolbar = nullptr;
  HWND FActionsToolbar = nullptr;
  HWND FLogic = nullptr;
  HWND FLogicHelp = nullptr;
  HWND FEvents = nullptr;
  HWND FActions = nullptr;
  HWND FAddEventPanel = nullptr;
  HWND FAddActionPanel = nullptr;
  HWND FStatusBar = nullptr;
  TItemList FLastFocusedList = ilEvents;
  bool FRunning = false;
  bool FShuttingDown = false;
  bool FTerminating = false;
  bool FMaximized = false;
  int FBusyCount = 0;
  std::vector<std::string> FPresetNames;
  TForm_About FAbout{RunningProgramAbout()};
  TLanguageMenu FLanguageMenu;
};
