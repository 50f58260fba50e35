#include "actions/uActionPorts.h"

#include "actions/uActionStrings.h"
#include "core/uKoException.h"

namespace {

template <typename TPort>
TPort& Require(TPort* Port) {
  if (!Port)
    throw EKoException(ResStr(uactionports::smachineportmissing));
  return *Port;
}

}  // namespace

TSystemVersion& SystemVersionPort(const TKoServices& Services) {
  return Require(Services.SystemVersion);
}
TPowerSession& PowerSessionPort(const TKoServices& Services) {
  return Require(Services.PowerSession);
}
TProcessSystem& ProcessesPort(const TKoServices& Services) {
  return Require(Services.Processes);
}
TWindowSystem& WindowsPort(const TKoServices& Services) {
  return Require(Services.Windows);
}
TShell& ShellPort(const TKoServices& Services) {
  return Require(Services.Shell);
}

TRemoteAccess& RemoteAccessPort(const TKoServices& Services) {
  return Require(Services.RemoteAccess);
}

TModalWindows& ModalWindowsPort(const TKoServices& Services) {
  return Require(Services.ModalWindows);
}

TShutdownPorts ShutdownPortsOf(const TKoServices& Services) {
  return {SystemVersionPort(Services), PowerSessionPort(Services), WindowsPort(Services)};
}

TDisplay& DisplayPort(const TKoServices& Services) {
  return Require(Services.Display);
}

TSoundPlayer& SoundPort(const TKoServices& Services) {
  return Require(Services.Sound);
}

TAudioVolume& AudioVolumePort(const TKoServices& Services) {
  return Require(Services.AudioVolume);
}

TScreenshotPorts ScreenshotPortsOf(const TKoServices& Services) {
  return {Require(Services.ScreenCapture), Require(Services.ImageEncoder),
          SystemVersionPort(Services)};
}
