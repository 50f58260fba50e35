#include "events/uEventAtTime.h"

#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"
#include "events/uTimeText.h"
#include "platform/uEventLoop.h"

TDateTime TKoEventAtTime::Now() const {
  return Services().EventLoop.Now();
}

std::string TKoEventAtTime::GetStatusText() const {
  if (!Timer().Enabled())
    return {};
  const auto Left = std::chrono::floor<std::chrono::seconds>(FTarget - Now());
  return Format(ResStr(uplannerevents::seventtimeleft),
                {SecondsToText(Left.count() > 0 ? Left.count() : 0)});
}

void TKoEventAtTime::DoStart() {
  FTarget = ComputeTarget(Now());
  Timer().SetInterval(1000);
  Timer().SetEnabled(true);
}

void TKoEventAtTime::TimerTick() {
  if (FTarget > Now())
    return;
  Stop();
  SetTriggered(true);
}
