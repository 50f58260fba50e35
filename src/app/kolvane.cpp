// Kolvane's main routine: the fixed order in which the program's services come up, the command
// line, the main loop and the final save.

#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "actions/uPlannerQuickActions.h"
#include "actions/uWin32ModalWindows.h"
#include "app/itemsform.h"
#include "app/mainform.h"
#include "app/uAppCommunicator.h"
#include "app/uAppStrings.h"
#include "app/uAutorun.h"
#include "app/uCommandLine.h"
#include "app/uKindList.h"
#include "app/uItemEditor.h"
#include "app/uMainUserInterface.h"
#include "app/uMainWindowModel.h"
#include "app/uPlannerRows.h"
#include "app/uSettings.h"
#include "app/uStorage.h"
#include "core/uFilePaths.h"
#include "core/uFormat.h"
#include "core/uKindRegistry.h"
#include "core/uPlanner.h"
#include "core/uPresets.h"
#include "core/uPresetsStrings.h"
#include "core/uWindowMessages.h"
#include "events/uCPUUsageData.h"
#include "events/uSleepWake.h"
#include "platform/win32/uWin32AudioVolume.h"
#include "platform/win32/uWin32Display.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32FileDialogs.h"
#include "platform/win32/uWin32ImageEncoder.h"
#include "platform/win32/uWin32InstanceChannel.h"
#include "platform/win32/uWin32IpHelper.h"
#include "platform/win32/uWin32Locale.h"
#include "platform/win32/uWin32PerformanceData.h"
#include "platform/win32/uWin32PingSystem.h"
#include "platform/win32/uWin32PowerSession.h"
#include "platform/win32/uWin32PowerSystem.h"
#include "platform/win32/uWin32Processes.h"
#include "platform/win32/uWin32Registry.h"
#include "platform/win32/uWin32RemoteAccess.h"
#include "platform/win32/uWin32ScreenCapture.h"
#include "platform/win32/uWin32Shell.h"
#include "platform/win32/uWin32SoundPlayer.h"
#include "platform/win32/uWin32StorageSystem.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWin32UserInput.h"
#include "platform/win32/uWin32WindowSystem.h"
#include "platform/win32/uWin32Wmi.h"

#include <shellapi.h>

namespace {

constexpr char kVendorName[] = "Tulmo";
constexpr char kApplicationName[] = "Kolvane";

std::string MessageOf(std::exception_ptr Error) {
  try {
    std::rethrow_exception(Error);
  } catch (const std::exception& Failure) {
    return Failure.what();
  } catch (...) {
    return {};
  }
}

// The arguments after the program's own name, as UTF-8.
std::vector<std::string> CommandLineArguments() {
  int Count = 0;
  LPWSTR* Arguments = CommandLineToArgvW(GetCommandLineW(), &Count);
  std::vector<std::string> Result;
  for (int I = 1; Arguments && I < Count; ++I)
    Result.push_back(WideToUtf8(Arguments[I]));
  LocalFree(Arguments);
  return Result;
}

int RunKolvane(HINSTANCE Instance) {
  TWin32EventLoop Loop;
  // Message boxes belong to the main window once it exists.
  HWND MainWindow = nullptr;
  TMainUserInterface UserInterface([&MainWindow] { return MainWindow; });
  // Errors that escape a window message end up here, as the application's general error box.
  Loop.SetExceptionHandler([&UserInterface](std::exception_ptr Error) {
    UserInterface.MessageDialog({}, MessageOf(Error), dkError, dbOK);
  });

  // The single-instance channel comes first, so a second instance knows at once that it is one.
  TWin32InstanceChannel InstanceChannel;
  TAppCommunicator Communicator(InstanceChannel);
  Communicator.Start(kKolvaneChannelName, true);

  TWin32StorageSystem StorageSystem;
  TStorage Storage(StorageSystem);
  Storage.InitStorage("Storage.ini", kVendorName, kApplicationName);
  std::error_code Ignored;
  if (!std::filesystem::exists(Utf8ToPath(Storage.SettingsFileName()), Ignored))
    Storage.MigrateSettings();
  TSettings Settings;
  LoadSettings(Settings, Storage.SettingsFileName());

  // Hooks, the hook library and power registrations of running events are released when the
  // planner's events go, so these outlive the planner.
  TWin32UserInput UserInput;
  TWin32PowerSystem PowerSystem;
  TKoPlanner Planner(Loop);
  TWin32Locale Locale;
  // The Windows version is read once here and holds for the whole run.
  TWin32SystemVersion SystemVersion;
  TWin32PowerSession PowerSession;
  TWin32Processes Processes;
  TWin32WindowSystem Windows;
  TWin32Shell Shell;
  // Dial-up support is bound once, at start.
  TWin32RemoteAccess RemoteAccess;
  // The display's commands go through the main window once it exists.
  TWin32Display Display([&MainWindow] { return MainWindow; });
  TWin32SoundPlayer Sound;
  TWin32AudioVolume AudioVolume;
  TWin32ScreenCapture ScreenCapture;
  TWin32ImageEncoder ImageEncoder;
  TWin32ModalWindows ModalWindows(Loop, Locale, Sound);
  // Shared with the ping workers, which may still run for a moment after their event is gone.
  auto Ping = std::make_shared<TWin32PingSystem>();
  TKoServices Services{Loop};
  Services.UserInterface = &UserInterface;
  Services.Locale = &Locale;
  Services.SystemVersion = &SystemVersion;
  Services.PowerSession = &PowerSession;
  Services.Processes = &Processes;
  Services.Windows = &Windows;
  Services.Shell = &Shell;
  Services.RemoteAccess = &RemoteAccess;
  Services.ModalWindows = &ModalWindows;
  Services.UserInput = &UserInput;
  Services.PowerSystem = &PowerSystem;
  Services.Ping = Ping;
  // The usage samplers; the CPU sampler is the one the events and the web interface share.
  TWin32PerformanceData PerformanceData;
  TCPUUsageData CPUUsage(PerformanceData, SystemVersion);
  TWin32IpHelper IpHelper;
  TWin32WmiLocator Wmi;
  TWin32Registry SystemRegistry;
  Services.CPUUsage = &CPUUsage;
  Services.IpHelper = &IpHelper;
  Services.Wmi = &Wmi;
  Services.SystemRegistry = &SystemRegistry;
  Services.Display = &Display;
  Services.Sound = &Sound;
  Services.AudioVolume = &AudioVolume;
  Services.ScreenCapture = &ScreenCapture;
  Services.ImageEncoder = &ImageEncoder;
  // The configuration frames' pickers belong to the editor window, whichever is open.
  TWin32FileDialogs FileDialogs;
  Services.FileDialogs = &FileDialogs;
  TKoKindRegistry Registry(Services);
  RegisterKinds(Registry);
  TKoQuickActions QuickActions(Services);

  TPlannerRows Rows(Registry);
  TPresets Presets(Storage.StorageFolder(), Registry, Rows, UserInterface);

  // First pass over the command line: what ends the process before any window exists.
  const TCommandLine CommandLine = ParseCommandLine(CommandLineArguments());
  switch (CommandLine.Switch) {
    case clsUninstall:
      RemoveAutorunEntries(SystemRegistry, Storage.ApplicationFileName());
      return 0;
    case clsAction:
      return QuickActions.ExecuteQuickAction(CommandLine.Argument) ? 0 : 1;
    case clsPreset:
    case clsNone:
      break;
  }

  // A second instance wakes the first and leaves without touching its files.
  if (Settings.AppOnlyOneInstance && !Communicator.IsMaster()) {
    (void)Communicator.Send("");
    UserInterface.MessageDialog({}, ResStr(mainform::snostartanotherinstancedetected),
                                dkInformation, dbOK);
    return 0;
  }

  TMainFormContext Context{Loop,
                           Planner,
                           Rows,
                           Presets,
                           Settings,
                           UserInterface,
                           QuickActions,
                           Shell,
                           Storage.ApplicationFileName(),
                           Storage.ApplicationFolder()};
  TForm_Main MainForm(Instance, Context);
  // The editor keeps each frame's values from one opening to the next.
  TItemEditor Editor(Registry,
                     TPlannerFrameContext{Services, [&] { return Presets.ListPresets(); }});
  MainForm.OnEditItem = [&Editor](HWND Owner, TItemList List, const TItemRow* Edited) {
    return Dialog_Items(Editor, Owner, List == ilEvents ? itEvent : itAction, Edited);
  };
  MainForm.OnStartAfterPreset = [&Planner] { Planner.Start(StartSilent | StartIfIdle); };
  MainForm.OnEndSession = [&] {
    Presets.SaveDefaultPresetAtExit(Settings.SaveAndLoadDefaultPreset);
    (void)SaveSettings(Settings, Storage.SettingsFileName());
  };
  // The planner's Run Preset outcome loads into the lists the window shows.
  Planner.PresetLoader = [&](const std::string& Name) {
    const bool Loaded = Presets.LoadPreset(Name);
    MainForm.ShowRows();
    return Loaded;
  };
  Presets.LoadDefaultPresetAtStart(Settings.SaveAndLoadDefaultPreset);
  if (!MainForm.Create(StartsHidden(Settings))) {
    UserInterface.MessageDialog({}, ResStr(kolvane::smainwindowfailed), dkError, dbOK);
    return 1;
  }
  MainWindow = MainForm.Handle();
  Communicator.OnMessage = [&MainForm](const std::string&) { MainForm.ShowAndBringToFront(); };

  // Sleep and wake-up stop and start the planner as the user chose.
  TPowerEventMonitor PowerMonitor(Services);
  PowerMonitor.OnNotify = [&](TPowerEventMonitor&, TPowerEventKind Kind) {
    ApplyPowerEventToPlanner(
        Planner, Kind,
        {Settings.StopOnSleep, Settings.StartOnWakeUp, Settings.StartOnWakeUpOnlyIfWasRunning});
  };
  PowerMonitor.Start(pmfSuspendResume);

  if (Settings.StartEventsOnProgramLaunch && CommandLine.Switch != clsPreset)
    Planner.Start(StartSilent);

  // Second pass: the preset named on the command line, started once the main loop runs.
  if (CommandLine.Switch == clsPreset) {
    try {
      const bool Loaded = Presets.LoadPreset(CommandLine.Argument);
      MainForm.ShowRows();
      if (Loaded)
        PostMessageW(MainForm.Handle(), WM_START_AFTER_PRESET, 0, 0);
      else
        UserInterface.MessageDialog(
            {}, Format(ResStr(upresets::sfailedtoloadpresetname), {CommandLine.Argument}),
            dkWarning, dbOK);
    } catch (const std::exception& Error) {
      UserInterface.MessageDialog(
          {},
          Format(ResStr(upresets::sfailedtoloadpresetname), {CommandLine.Argument}) + "\r\n\r\n" +
              Error.what(),
          dkWarning, dbOK);
    }
  }

  const int ExitCode = Loop.Run();

  Planner.Stop();
  Presets.SaveDefaultPresetAtExit(Settings.SaveAndLoadDefaultPreset);
  (void)SaveSettings(Settings, Storage.SettingsFileName());
  return ExitCode;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE Instance, HINSTANCE, PWSTR, int) {
  try {
    return RunKolvane(Instance);
  } catch (const std::exception& Error) {
    MessageBoxW(nullptr, Utf8ToWide(Error.what()).c_str(), L"Kolvane", MB_ICONERROR | MB_OK);
    return 1;
  }
}
