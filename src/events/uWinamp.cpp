#include "events/uWinamp.h"

std::optional<bool> IsWinampBusy(TWindowSystem& Windows) {
  const TWindowId Player = Windows.FindWindowByClass(kWinampWindowClass);
  if (!Player)
    return false;
  const auto Answer = Windows.SendMessageTimeout(Player, kWinampQueryMessage, 0, kWinampIsPlaying,
                                                 kWinampAnswerTimeoutMs);
  if (!Answer)
    return std::nullopt;
  return *Answer == kWinampPlaying || *Answer == kWinampPaused;
}
