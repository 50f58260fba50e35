#include "events/uEventPingStops.h"

#include <algorithm>
#include <limits>

#include "core/uFormat.h"
#include "core/uPlannerEventsStrings.h"
#include "core/uStringUtils.h"
#include "core/uWindowMessages.h"
#include "events/uEventPorts.h"
#include "events/uEventStrings.h"
#include "events/uEventWatch.h"
#include "platform/uEventLoop.h"

namespace {
constexpr int kDefaultPingInterval = 2;
}

TKoEventPingStops::~TKoEventPingStops() {
  // Workers still out report into a closed channel from here on; only then may the window
  // they post to go.
  if (FChannel)
    FChannel->Close();
  FPingTimer.reset();
  FMessenger.reset();
}

void TKoEventPingStops::InitIdentity() {
  FID = "PingStops";
  FName = ResStr(uplannerevents::name_event_pingstops);
  FLastRoundTripTime = -1;
  FMessenger = std::make_unique<TWindowMessenger>(
      Services().EventLoop, [this](TWindowMessage& Message) { HandleMessage(Message); });
  FChannel = std::make_shared<TPingResultChannel>(*FMessenger);
  FPingTimer = std::make_unique<TTimerEx>(Services().EventLoop);
  FPingTimer->SetOnTimer([this] { LaunchPing(); });
}

void TKoEventPingStops::SetDefaults() {
  FConfig = {};
}

void TKoEventPingStops::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Address", FConfig.Address);
  Config.WriteInteger("TriggerPeriod", FConfig.TriggerPeriod);
  Config.WriteInteger("PingInterval", FConfig.PingInterval);
}

void TKoEventPingStops::LoadConfig(const TQueryStr& Config) {
  FConfig.Address = Config.ReadString("Address");
  // Older settings called the trigger period "Seconds".
  FConfig.TriggerPeriod =
      Config.ReadInteger(Config.HasKey("TriggerPeriod") ? "TriggerPeriod" : "Seconds");
  FConfig.PingInterval = Config.ReadInteger("PingInterval");
  if (FConfig.PingInterval <= 0)
    FConfig.PingInterval = kDefaultPingInterval;
}

std::string TKoEventPingStops::GetDescription() const {
  return Format(ResStr(uplannerevents::seventhostdeadfornumseconds),
                {FConfig.Address, FConfig.TriggerPeriod, FConfig.PingInterval});
}

std::string TKoEventPingStops::GetStatusText() const {
  if (!Timer().Enabled())
    return {};
  if (FLastRoundTripTime >= 0)
    return Format(
        ResStr(uplannerevents::seventresponsetimereceivednumsecondsago),
        {std::to_string(FLastRoundTripTime) + " " + ResStr(uplannerevents::seventmillisecondsshort),
         SecondsSinceResponse()});
  return Format(ResStr(uplannerevents::seventnoresponsefornumseconds), {SecondsSinceResponse()});
}

void TKoEventPingStops::DoStart() {
  TPingSystem& Ping = RequireEventPort(Services().Ping);
  if (!Ping.LoadIcmpLibrary())
    throw EKoException(
        Format(ResStr(uping::sfailedtoloadlibrary), {UpperCaseAscii(Ping.IcmpLibraryName())}));
  FLastRoundTripTime = -1;
  FLastResponseTick = Services().EventLoop.TickCount32();
  FConfig.TriggerPeriod = std::max(FConfig.TriggerPeriod, 1);
  FConfig.PingInterval = std::clamp(FConfig.PingInterval, 1, TKoEventWatch::kLongestInterval);
  Timer().SetInterval(1000);
  Timer().SetEnabled(true);
  FPingTimer->SetInterval(static_cast<std::uint32_t>(FConfig.PingInterval) * 1000);
  FPingTimer->SetEnabled(true);
  LaunchPing();
}

void TKoEventPingStops::DoStop() {
  FPingTimer->SetEnabled(false);
}

void TKoEventPingStops::TimerTick() {
  SetTriggered(SecondsSinceResponse() >= static_cast<std::uint32_t>(FConfig.TriggerPeriod));
}

void TKoEventPingStops::LaunchPing() {
  auto Thread = std::make_unique<TPingThread>(Services().Ping, FChannel);
  Thread->Host = FConfig.Address;
  TPingThread::Start(std::move(Thread));
}

void TKoEventPingStops::HandleMessage(TWindowMessage& Message) {
  if (Message.Msg != WM_PING_RESULT)
    return;
  Message.Handled = true;
  const auto Value = static_cast<std::intptr_t>(Message.WParam);
  FLastRoundTripTime = Value < 0 ? -1
                                 : static_cast<std::int32_t>(std::min<std::intptr_t>(
                                       Value, std::numeric_limits<std::int32_t>::max()));
  if (FLastRoundTripTime >= 0)
    FLastResponseTick = Services().EventLoop.TickCount32();
}

std::uint32_t TKoEventPingStops::SecondsSinceResponse() const {
  // Unsigned difference: right across the wrap of the 32-bit tick count.
  return (Services().EventLoop.TickCount32() - FLastResponseTick) / 1000;
}
