#include "events/uEventWatch.h"

#include <algorithm>

#include "core/uFormat.h"
#include "events/uEventStrings.h"
#include "platform/uEventLoop.h"

std::string TKoEventWatch::GetStatusText() const {
  if (!Timer().Enabled())
    return {};
  if (!FChecked)
    return ResStr(uplannerevents::seventnotyetchecked);
  // Unsigned difference: right across the wrap of the 32-bit tick count.
  const std::uint32_t Since = Services().EventLoop.TickCount32() - FLastCheck;
  return Format(ResStr(uplannerevents::seventcheckednumsecondsago), {Since / 1000});
}

void TKoEventWatch::StartChecks(int& IntervalSeconds) {
  FChecked = false;
  FLastCheck = 0;
  IntervalSeconds = std::clamp(IntervalSeconds, 1, kLongestInterval);
  Timer().SetInterval(static_cast<std::uint32_t>(IntervalSeconds) * 1000);
  Timer().SetEnabled(true);
}

void TKoEventWatch::TimerTick() {
  const std::optional<bool> Verdict = Check();
  if (!Verdict)
    return;
  FLastCheck = Services().EventLoop.TickCount32();
  FChecked = true;
  SetTriggered(*Verdict);
}
