#pragma once

#include <memory>

class TAudioVolume;
class TCPUUsageData;
class TDisplay;
class TEventLoop;
class TFileDialogs;
class TImageEncoder;
class TIpHelper;
class TLocale;
class TModalWindows;
class TPingSystem;
class TPowerSession;
class TPowerSystem;
class TProcessSystem;
class TRegistry;
class TRemoteAccess;
class TScreenCapture;
class TShell;
class TSoundPlayer;
class TSystemInformation;
class TSystemVersion;
class TUserInput;
class TUserInterface;
class TWindowSystem;
class TWmiLocator;

// The ports that events, actions and the planner reach the machine through. The application
// fills it with the Windows adapters; native tests fill it with the simulated machine. Each area
// adds the ports its kinds need; a kind must cope with a port left unset only where it says so.
struct TKoServices {
  TEventLoop& EventLoop;
  TUserInterface* UserInterface = nullptr;
  TLocale* Locale = nullptr;
  TSystemVersion* SystemVersion = nullptr;
  TPowerSession* PowerSession = nullptr;
  TProcessSystem* Processes = nullptr;
  TWindowSystem* Windows = nullptr;
  TShell* Shell = nullptr;
  TRemoteAccess* RemoteAccess = nullptr;
  TModalWindows* ModalWindows = nullptr;
  TUserInput* UserInput = nullptr;
  TPowerSystem* PowerSystem = nullptr;
  // Shared: ping workers hold it while they run, and they may outlive the event that started them.
  std::shared_ptr<TPingSystem> Ping = nullptr;
  TCPUUsageData* CPUUsage = nullptr;  // the one sampler, shared with the web interface
  TIpHelper* IpHelper = nullptr;
  TWmiLocator* Wmi = nullptr;
  TRegistry* SystemRegistry = nullptr;
  TDisplay* Display = nullptr;
  TSoundPlayer* Sound = nullptr;
  TAudioVolume* AudioVolume = nullptr;
  TScreenCapture* ScreenCapture = nullptr;
  TImageEncoder* ImageEncoder = nullptr;
  TSystemInformation* SystemInformation = nullptr;
  TFileDialogs* FileDialogs = nullptr;  // the configuration frames' browse buttons
};
