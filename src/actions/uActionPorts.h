#pragma once

#include "core/uKoServices.h"
#include "platform/uModalWindows.h"
#include "platform/uPowerSession.h"
#include "platform/uProcesses.h"
#include "platform/uRemoteAccess.h"
#include "platform/uShell.h"
#include "platform/uSystemVersion.h"
#include "platform/uWindowSystem.h"
#include "actions/uScreenshot.h"
#include "actions/uShutdown.h"
#include "platform/uAudioVolume.h"
#include "platform/uDisplay.h"
#include "platform/uSoundPlayer.h"

// The machine ports of the services, for actions. A port the application left unset makes the
// action fail with a message rather than crash.
TSystemVersion& SystemVersionPort(const TKoServices& Services);
TPowerSession& PowerSessionPort(const TKoServices& Services);
TProcessSystem& ProcessesPort(const TKoServices& Services);
TWindowSystem& WindowsPort(const TKoServices& Services);
TShell& ShellPort(const TKoServices& Services);
TRemoteAccess& RemoteAccessPort(const TKoServices& Services);
TModalWindows& ModalWindowsPort(const TKoServices& Services);
TShutdownPorts ShutdownPortsOf(const TKoServices& Services);
TDisplay& DisplayPort(const TKoServices& Services);
TSoundPlayer& SoundPort(const TKoServices& Services);
TAudioVolume& AudioVolumePort(const TKoServices& Services);
TScreenshotPorts ScreenshotPortsOf(const TKoServices& Services);
