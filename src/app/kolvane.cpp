// Kolvane's main routine: resolves the storage folder and loads the settings, builds the planner,
// the kinds and the lists, opens the main window and runs the message loop; at the end it keeps
// the default preset and writes the settings back.

#include <exception>
#include <filesystem>

#include "actions/uWin32ModalWindows.h"
#include "app/mainform.h"
#include "app/uAppStrings.h"
#include "app/uKindList.h"
#include "app/uPlannerRows.h"
#include "app/uSettings.h"
#include "app/uStorage.h"
#include "core/uFilePaths.h"
#include "core/uKindRegistry.h"
#include "core/uPlanner.h"
#include "core/uPresets.h"
#include "events/uCPUUsageData.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32IpHelper.h"
#include "platform/win32/uWin32Locale.h"
#include "platform/win32/uWin32PerformanceData.h"
#include "platform/win32/uWin32PowerSession.h"
#include "platform/win32/uWin32Processes.h"
#include "platform/win32/uWin32Registry.h"
#include "platform/win32/uWin32RemoteAccess.h"
#include "platform/win32/uWin32Shell.h"
#include "platform/win32/uWin32StorageSystem.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWin32UserInterface.h"
#include "platform/win32/uWin32WindowSystem.h"
#include "platform/win32/uWin32Wmi.h"

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

int RunKolvane(HINSTANCE Instance, int ShowCommand) {
  TWin32EventLoop Loop;
  TWin32UserInterface UserInterface;
  // Errors that escape a window message end up here, as the application's general error box.
  Loop.SetExceptionHandler([&UserInterface](std::exception_ptr Error) {
    UserInterface.MessageDialog({}, MessageOf(Error), dkError, dbOK);
  });

  TWin32StorageSystem StorageSystem;
  TStorage Storage(StorageSystem);
  Storage.InitStorage("Storage.ini", kVendorName, kApplicationName);
  std::error_code Ignored;
  if (!std::filesystem::exists(Utf8ToPath(Storage.SettingsFileName()), Ignored))
    Storage.MigrateSettings();
  TSettings Settings;
  LoadSettings(Settings, Storage.SettingsFileName());

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
  TWin32ModalWindows ModalWindows(Loop);
  TKoServices Services{Loop,       &UserInterface, &Locale, &SystemVersion, &PowerSession,
                       &Processes, &Windows,       &Shell,  &RemoteAccess,  &ModalWindows};
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
  TKoKindRegistry Registry(Services);
  RegisterKinds(Registry);

  TPlannerRows Rows(Registry);
  TPresets Presets(Storage.StorageFolder(), Registry, Rows, UserInterface);
  Planner.OnPrepare = [&] { Rows.PreparePlanner(Planner); };
  Planner.PresetLoader = [&](const std::string& Name) { return Presets.LoadPreset(Name); };
  Planner.OnMessage = [&](TKoPlannerMessageKind Kind, const std::string& Text) {
    UserInterface.MessageDialog({}, Text, Kind == kpmError ? dkError : dkWarning, dbOK);
  };

  TForm_Main MainForm(Instance);
  if (!MainForm.Create(ShowCommand)) {
    UserInterface.MessageDialog({}, ResStr(kolvane::smainwindowfailed), dkError, dbOK);
    return 1;
  }
  Presets.LoadDefaultPresetAtStart(Settings.SaveAndLoadDefaultPreset);

  const int ExitCode = Loop.Run();

  Planner.Stop();
  Presets.SaveDefaultPresetAtExit(Settings.SaveAndLoadDefaultPreset);
  (void)SaveSettings(Settings, Storage.SettingsFileName());
  return ExitCode;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE Instance, HINSTANCE, PWSTR, int ShowCommand) {
  try {
    return RunKolvane(Instance, ShowCommand);
  } catch (const std::exception& Error) {
    MessageBoxW(nullptr, Utf8ToWide(Error.what()).c_str(), L"Kolvane", MB_ICONERROR | MB_OK);
    return 1;
  }
}
