#include "actions/uMessageWindowModel.h"

#include <algorithm>

#include "actions/uActionStrings.h"
#include "core/uFormat.h"

TMessageWindowModel::TMessageWindowModel(TEventLoop& Loop, TView& View)
    : FView(View), FCountdown(Loop), FTicker(Loop) {
  FCountdown.SetOnTimer([this] { Finish(mwrTimedOut); });
  FTicker.SetOnTimer([this] { Tick(); });
}

void TMessageWindowModel::SetUp(const TMessageWindowOptions& Options) {
  FOptions = Options;
  FOptions.Seconds = std::max(FOptions.Seconds, 0);
  FResult = mwrTimedOut;
  FView.ShowTimeLeft(TimeLeftText(FOptions.Seconds));
  FView.ShowProgress(0, FOptions.Seconds);
}

void TMessageWindowModel::Shown() {
  // Without seconds the countdown never fires: the window waits for a button.
  FCountdown.SetInterval(static_cast<std::uint32_t>(
      std::min<std::uint64_t>(std::uint64_t(FOptions.Seconds) * 1000, 0x7FFFFFFF)));
  FTicker.SetInterval(1000);
  FCountdown.SetEnabled(true);
  FTicker.SetEnabled(true);
}

void TMessageWindowModel::EscapePressed() {
  if (CancelEnabled())
    CancelPressed();
}

void TMessageWindowModel::Tick() {
  const int Remaining =
      std::max(0, FOptions.Seconds - static_cast<int>(FCountdown.Elapsed() / 1000));
  FView.ShowProgress(FOptions.Seconds - Remaining, FOptions.Seconds);
  FView.ShowTimeLeft(TimeLeftText(Remaining));
}

void TMessageWindowModel::Finish(TMessageWindowResult Result) {
  FCountdown.SetEnabled(false);
  FTicker.SetEnabled(false);
  FResult = Result;
  FView.CloseWindow();
}

std::string TMessageWindowModel::TimeLeftText(int Seconds) {
  if (Seconds < 60)
    return Format(ResStr(messageform::stimeleftseconds), {Seconds});
  return Format(ResStr(messageform::stimeleftminssecs), {Seconds / 60, Seconds % 60});
}
