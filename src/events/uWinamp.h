#pragma once

#include <cstdint>
#include <optional>

#include "platform/uWindowSystem.h"

// The Winamp media player as other programs reach it: its main window's class, and the private
// message that asks whether it plays.
inline constexpr char kWinampWindowClass[] = "Winamp v1.x";
inline constexpr std::uint32_t kWinampQueryMessage = 1024;  // WM_USER
inline constexpr std::intptr_t kWinampIsPlaying = 104;      // lParam of the query
inline constexpr std::intptr_t kWinampPlaying = 1;
inline constexpr std::intptr_t kWinampPaused = 3;
// A player busy with something else answers within this time.
inline constexpr std::uint32_t kWinampAnswerTimeoutMs = 1000;

// Whether the player is playing or paused. A missing player, or one that answers anything else
// (0 is stopped), is not busy. None when the player's window did not answer in time: the player
// may still play, its window is just not listening.
std::optional<bool> IsWinampBusy(TWindowSystem& Windows);
