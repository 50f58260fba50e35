#include "events/uEventCountdown.h"

#include <algorithm>

#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"
#include "events/uTimeText.h"
#include "platform/uEventLoop.h"

namespace {

// The longest interval a system timer takes (about 24.8 days). A longer countdown waits in steps
// of at most this much and fires when the whole duration has passed.
constexpr std::uint64_t kLongestTimerInterval = 0x7FFFFFFF;

}  // namespace

void TKoEventCountdown::InitIdentity() {
  FID = "Countdown";
  FName = ResStr(uplannerevents::name_event_countdown);
}

void TKoEventCountdown::SetDefaults() {
  FDuration = 600;
}

void TKoEventCountdown::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Time", SecondsToText(FDuration));
}

void TKoEventCountdown::LoadConfig(const TQueryStr& Config) {
  FDuration = TextToSeconds(Config.ReadString("Time"), 0);
}

std::string TKoEventCountdown::GetDescription() const {
  return Format(ResStr(uplannerevents::seventwaittime), {SecondsToText(FDuration)});
}

std::string TKoEventCountdown::GetStatusText() const {
  if (!Timer().Enabled())
    return {};
  const std::int64_t Left = std::int64_t{FDuration} - static_cast<std::int64_t>(ElapsedMs() / 1000);
  return Format(ResStr(uplannerevents::seventtimeleft),
                {SecondsToText(std::max<std::int64_t>(Left, 0))});
}

void TKoEventCountdown::DoStart() {
  // Countdowns fire one second after start at the earliest.
  if (FDuration <= 0)
    FDuration = 1;
  const std::uint64_t Total = std::uint64_t(FDuration) * 1000;
  Timer().SetInterval(static_cast<std::uint32_t>(std::min(Total, kLongestTimerInterval)));
  Timer().SetEnabled(true);
  FStartedAt = Timer().StartTick();
}

void TKoEventCountdown::TimerTick() {
  const std::uint64_t Total = std::uint64_t(FDuration) * 1000;
  const std::uint64_t Elapsed = ElapsedMs();
  if (Elapsed < Total) {
    Timer().SetInterval(
        static_cast<std::uint32_t>(std::min(Total - Elapsed, kLongestTimerInterval)));
    return;
  }
  Stop();
  SetTriggered(true);
}

std::uint64_t TKoEventCountdown::ElapsedMs() const {
  return Services().EventLoop.TickCount64() - FStartedAt;
}
