// Kolvane's main routine: the fixed order in which the program's services come up, the command
// line, the main loop and the final save.

#include <atomic>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "actions/uPlannerQuickActions.h"
#include "actions/uWin32ModalWindows.h"
#include "app/itemsform.h"
#include "app/mainform.h"
#include "app/optionsform.h"
#include "app/uAppCommunicator.h"
#include "app/uAppStrings.h"
#include "app/uAutorun.h"
#include "app/uCommandLine.h"
#include "app/uKindList.h"
#include "app/uItemEditor.h"
#include "app/uLanguages.h"
#include "app/uMainUserInterface.h"
#include "app/uMainWindowModel.h"
#include "app/passwordform.h"
#include "app/uPlannerRows.h"
#include "app/uProtection.h"
#include "app/uResourceCatalog.h"
#include "app/uSettings.h"
#include "app/uSleepPrevention.h"
#include "app/uWebInterfaceControl.h"
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
#include "platform/win32/uWin32ExecutionState.h"
#include "platform/win32/uWin32FileDialogs.h"
#include "platform/win32/uWin32ImageEncoder.h"
#include "platform/win32/uWin32InstanceChannel.h"
#include "platform/win32/uWin32IpHelper.h"
#include "platform/win32/uWin32LanguageSystem.h"
#include "platform/win32/uWin32LocalNetwork.h"
#include "platform/win32/uWin32Locale.h"
#include "platform/win32/uWin32MessagePoster.h"
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
#include "platform/win32/uWin32SystemInformation.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWin32UserInput.h"
#include "platform/win32/uWin32WindowSystem.h"
#include "web/uWebInterface.h"
#include "platform/win32/uWin32Wmi.h"

#include <shellapi.h>

namespace {

constexpr char kVendorName[] = "Tulmo";
constexpr char kApplicationName[] = "Kolvane";

// The options dialog's hold on the web interface.
class TWebInterfaceSwitch final : public TWebInterfaceControl {
 public:
  explicit TWebInterfaceSwitch(TWebInterface& Web) : FWeb(Web) {}
  bool Active() const override { return FWeb.Active(); }
  void Restart(const TSettings& Settings) override { (void)FWeb.Restart(Settings); }
  void Stop() override { FWeb.Stop(); }

 private:
  TWebInterface& FWeb;
};

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
  // Read by the web interface's serving thread too.
  std::atomic<HWND> MainWindow = nullptr;
  TMainUserInterface UserInterface([&MainWindow] { return MainWindow.load(); });
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

  // The chosen language is installed now, before any window or other thread exists, and holds
  // for the whole run; the main window lists the languages in its Language menu.
  TWin32LanguageSystem LanguageSystem;
  TLanguages Languages(LanguageSystem, ResourceCatalog());
  Languages.Start(Storage.ApplicationFolder() + "Languages", Settings.LanguageCode,
                  Settings.BiDiCode);

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
  TWin32Display Display([&MainWindow] { return MainWindow.load(); });
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
  TWin32SystemInformation SystemInformation;
  Services.SystemInformation = &SystemInformation;
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

  // The lock in front of the window and the tray menu. It reads the settings at every check, so
  // a password set in the options holds at once.
  TProtection Protection(
      Settings, [](std::string& Entered) { return AskPassword(kApplicationName, Entered); },
      UserInterface);
  // The web interface answers on its own thread and hands the main window what only the GUI
  // thread may do as posted messages.
  const std::string ProgramFolder = Storage.ApplicationFolder();
  TWebInterface Web({Services, QuickActions, [&Presets] { return Presets.ListPresets(); },
                     Win32MessagePoster([&MainWindow] { return MainWindow.load(); })});
  Web.SetTemplatesLocation(WebInterfaceTemplatesFolder(ProgramFolder),
                           std::string(kWebInterfaceTemplatesMask));
  Web.SetCertificateFiles(WebInterfaceKeyFile(ProgramFolder),
                          WebInterfaceCertificateFile(ProgramFolder));
  TWebInterfaceSwitch WebSwitch(Web);

  // One stay-awake request for the whole program: the planner's runs and the options dialog.
  TWin32ExecutionState ExecutionState;
  TSleepPrevention SleepPrevention(ExecutionState, SystemVersion);
  TWin32LocalNetwork LocalNetwork;

  Languages.ScanLanguages(ProgramFolder + "Languages", ProgramFolder + "Languages\\Flags");
  Languages.OnLanguageSelected = [&](const std::string& Code) {
    if (const auto Notice = ApplyLanguageChoice(Settings.LanguageCode, Languages, Code))
      UserInterface.MessageDialog({}, *Notice, dkInformation, dbOK);
  };

  TMainFormContext Context{Loop,          Planner,   Rows,
                           Presets,       Settings,  UserInterface,
                           QuickActions,  Shell,     Storage.ApplicationFileName(),
                           ProgramFolder, &Languages};
  TForm_Main MainForm(Instance, Context);
  // The editor keeps each frame's values from one opening to the next.
  TItemEditor Editor(Registry,
                     TPlannerFrameContext{Services, [&] { return Presets.ListPresets(); }});
  MainForm.OnEditItem = [&Editor](HWND Owner, TItemList List, const TItemRow* Edited) {
    return Dialog_Items(Editor, Owner, List == ilEvents ? itEvent : itAction, Edited);
  };
  MainForm.CheckProtection = [&Protection] { return Protection.CheckProtection(); };
  MainForm.OnStartAfterPreset = [&Planner] { Planner.Start(StartSilent | StartIfIdle); };
  MainForm.Model().KeepSystemAwake = [&SleepPrevention](bool KeepAwake) {
    return KeepAwake ? SleepPrevention.PreventSystemSleep() : SleepPrevention.AllowSystemSleep();
  };
  TOptionsPage OptionsPage = opGeneral;
  const TOptionsServices OptionsServices{
      SystemRegistry,
      Storage.ApplicationFileName(),
      WebSwitch,
      LocalNetwork,
      SleepPrevention,
      UserInterface,
      [&Planner] { return Planner.IsRunning(); },
      [&MainForm](bool Visible) { MainForm.SetTrayIconVisible(Visible); },
      [&MainForm](bool Increase) { MainForm.SetTablesFontIncreased(Increase); }};
  MainForm.OnOptions = [&](HWND Owner, int Page) {
    if (Page >= 0)
      OptionsPage = static_cast<TOptionsPage>(Page);
    if (Dialog_Options(IsWindowVisible(Owner) ? Owner : nullptr, OptionsPage, Settings,
                       OptionsServices))
      MainForm.SettingsChanged();
  };

  // The browser's requests, on the GUI thread.
  const TWebCommandDispatcher WebCommands(
      Web.PostedTexts(),
      {[&QuickActions](const std::string& ID) { (void)QuickActions.ExecuteQuickAction(ID); },
       [&](const std::string& Name) {
         Planner.Stop();
         const bool Loaded = Presets.LoadPreset(Name);
         MainForm.ShowRows();
         if (Loaded)
           Planner.Start(StartSilent);
       },
       [&MainForm] { PostMessageW(MainForm.Handle(), WM_CLOSE, 0, 0); }});
  MainForm.OnCustomMessage = [&WebCommands](UINT Msg, WPARAM WParam, LPARAM LParam) {
    return WebCommands.HandleMessage(Msg, WParam, static_cast<std::intptr_t>(LParam));
  };
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
  try {
    (void)Web.ApplySettings(Settings);
  } catch (const std::exception& Error) {
    UserInterface.MessageDialog({}, Error.what(), dkWarning, dbOK);
  }
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

  Web.Stop();
  MainWindow = nullptr;
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
