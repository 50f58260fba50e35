#include "events/uEventNetworkUsage.h"

#include <stdexcept>

#include "core/uPlannerEventsStrings.h"
#include "events/uEventStrings.h"
#include "events/uIPUtils.h"
#include "events/uUsageText.h"
#include "platform/uEventLoop.h"

namespace {

constexpr long double kBytesToKilobytes = 0.0009765625L;

TIpHelper& IpHelper(const TKoServices& Services) {
  if (!Services.IpHelper)
    throw std::logic_error("Network Usage events need the IP Helper library");
  return *Services.IpHelper;
}

// Counters are 32-bit and wrap; a difference across the wrap comes out negative and is taken
// as no reading for that second.
std::int64_t CounterDelta(std::uint32_t Current, std::uint32_t Previous) {
  return std::int64_t{Current} - std::int64_t{Previous};
}

}  // namespace

void TKoEventNetworkUsage::InitIdentity() {
  FID = "NetworkUsage";
  FName = ResStr(uplannerevents::name_event_networkusage);
  FInterfaceIndex = 0;
  FLastTick = 0;
  FCurrentRate = -1;
  FCounter = 0;
  FLastRow = TMibIfRow{};
  FSeries.Init(0);
}

void TKoEventNetworkUsage::SetDefaults() {
  FConfig = TConfig{};
}

void TKoEventNetworkUsage::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Interface", FConfig.Interface);
  Config.WriteInteger("Usage", FConfig.Usage);
  Config.WriteInteger("Seconds", FConfig.Seconds);
  Config.WriteInteger("Traffic", FConfig.Traffic);
  Config.WriteBool("UseAverage", FConfig.UseAverage);
}

void TKoEventNetworkUsage::LoadConfig(const TQueryStr& Config) {
  FConfig.Interface = Config.ReadString("Interface");
  FConfig.Usage = Config.ReadInteger("Usage");
  FConfig.Seconds = Config.ReadInteger("Seconds");
  FConfig.Traffic = Config.ReadInteger("Traffic");
  FConfig.UseAverage = Config.ReadBool("UseAverage");
}

std::string TKoEventNetworkUsage::GetDescription() const {
  const TResString& Pattern =
      FConfig.Traffic == 1   ? uplannerevents::seventdownloadbelowvaluefornumseconds
      : FConfig.Traffic == 2 ? uplannerevents::seventuploadbelowvaluefornumseconds
                             : uplannerevents::seventbelowvaluefornumseconds;
  return UsageDescription(Pattern, SpeedLimitText(FConfig.Usage), FConfig.Seconds,
                          FConfig.UseAverage);
}

std::string TKoEventNetworkUsage::GetStatusText() const {
  if (!Timer().Enabled())
    return {};
  return UsageStatus(RateStatusValue(FCurrentRate, 1, Services().Locale), FCounter);
}

void TKoEventNetworkUsage::DoStart() {
  TIpHelper& Helper = IpHelper(Services());
  if (!LoadIpHelper(Helper))
    throw EKoException(ResStr(uplannerevents::snotabletoloadiphelper));
  if (!FindInterfaceIndexByMac(Helper, FConfig.Interface, FInterfaceIndex))
    throw EKoException(ResStr(uplannerevents::scannotgetinterfaceindex) + FConfig.Interface);
  if (!GetIfEntryRow(Helper, FInterfaceIndex, FLastRow))
    throw EKoException(ResStr(uplannerevents::sfailedtocollectinterfacedata) + FConfig.Interface);
  FLastTick = Services().EventLoop.TickCount32();
  FCounter = 0;
  FCurrentRate = -1;
  if (FConfig.Seconds < 1)
    FConfig.Seconds = 1;
  if (FConfig.UseAverage)
    FSeries.Init(FConfig.Seconds);
  Timer().SetInterval(1000);
  Timer().SetEnabled(true);
}

void TKoEventNetworkUsage::DoStop() {
  FSeries.Init(0);
}

void TKoEventNetworkUsage::TimerTick() {
  // The 32-bit tick count wraps every 49.7 days; an unsigned difference runs on across it.
  const std::uint32_t Now = Services().EventLoop.TickCount32();
  const std::uint32_t ElapsedMs = Now - FLastTick;
  if (ElapsedMs == 0)
    return;
  TMibIfRow Row;
  if (!GetIfEntryRow(IpHelper(Services()), FInterfaceIndex, Row)) {
    // The tick of the last row read stays, so that the next row read measures its bytes over
    // the whole time since then rather than over one second.
    FCurrentRate = -1;
    return;
  }
  FLastTick = Now;
  const long double Elapsed = ElapsedMs / 1000.0L;
  const std::int64_t Received = CounterDelta(Row.InOctets, FLastRow.InOctets);
  const std::int64_t Sent = CounterDelta(Row.OutOctets, FLastRow.OutOctets);
  FLastRow = Row;
  std::int64_t Delta;
  if (FConfig.Traffic == 1)
    Delta = Received;
  else if (FConfig.Traffic == 2)
    Delta = Sent;
  else
    Delta = Received < 0 || Sent < 0 ? -1 : Received + Sent;
  if (Delta < 0) {
    FCurrentRate = -1;
    return;
  }

  long double Rate = Delta * kBytesToKilobytes / Elapsed;
  if (FConfig.UseAverage) {
    FSeries.Add(Rate);
    Rate = FSeries.Average();
  }
  FCurrentRate = Rate;
  FCounter = FCurrentRate >= FConfig.Usage ? 0 : FCounter + 1;
  SetTriggered(FCounter >= FConfig.Seconds);
}
