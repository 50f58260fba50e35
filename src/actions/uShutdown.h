#pragma once

#include <cstdint>
#include <string>

#include "platform/uPowerSession.h"
#include "platform/uSystemVersion.h"
#include "platform/uWindowSystem.h"

enum class TShutdownKind : std::uint8_t { skShutdown = 0, skReboot = 1, skLogoff = 2 };

inline constexpr std::uint32_t EWX_LOGOFF_FLAG = 0;
inline constexpr std::uint32_t EWX_SHUTDOWN_FLAG = 1;
inline constexpr std::uint32_t EWX_REBOOT_FLAG = 2;
inline constexpr std::uint32_t EWX_FORCE_FLAG = 4;
inline constexpr std::uint32_t EWX_POWEROFF_FLAG = 8;
// A planned shutdown for an "other" reason: what the system logs for a shutdown asked for by
// the user through a program.
inline constexpr std::uint32_t SHTDN_REASON_FLAG_PLANNED_CODE = 0x80000000;

// The machines and sessions these functions reach.
struct TShutdownPorts {
  TSystemVersion& Version;
  TPowerSession& Power;
  TWindowSystem& Windows;
};

// Shuts down, reboots or logs off. On XP and later, shutting down and rebooting go through
// InitiateSystemShutdownEx, which logs a reason and needs no window of ours to answer; logging
// off, and everything on older systems, goes through ExitWindowsEx.
bool ShutdownSystem(const TShutdownPorts& Ports, TShutdownKind Kind, bool Force,
                    const std::string& Comment);

// ExitWindowsEx with the planned-shutdown reason where the system knows reasons (XP and later).
bool CallExitWindows(const TShutdownPorts& Ports, std::uint32_t Flags);

// InitiateSystemShutdownEx on this computer with the planned-shutdown reason.
bool CallInitiateSystemShutdown(TPowerSession& Power, const std::string& Comment,
                                std::uint32_t TimeoutSeconds, bool Force, bool Reboot);

// Asks the shell's desktop and task bar windows to quit. Windows 9x does not close them by
// itself on a forced logoff.
void CloseShellWindows(TWindowSystem& Windows);
