#include "events/uEventHardDiskUsage.h"

#include <stdexcept>
#include <string>

#include "core/uPlannerEventsStrings.h"
#include "events/uEventStrings.h"
#include "events/uPerfCounters.h"
#include "events/uUsageText.h"

namespace {

constexpr long double kBytesToKilobytes = 0.0009765625L;
const std::string kDiskCounterServices[] = {"PerfDisk"};

TRegistry& SystemRegistry(const TKoServices& Services) {
  if (!Services.SystemRegistry)
    throw std::logic_error("Hard Disk Usage events need the registry");
  return *Services.SystemRegistry;
}

}  // namespace

void TKoEventHardDiskUsage::InitIdentity() {
  FID = "HardDiskUsage";
  FName = ResStr(uplannerevents::name_event_harddiskusage);
  FWMI = std::make_unique<TWMIHelper>(Services().Wmi);
  FCurrentRate = -1;
  FCounter = 0;
  FSeries.Init(0);
}

void TKoEventHardDiskUsage::SetDefaults() {
  FConfig = TConfig{};
}

void TKoEventHardDiskUsage::SaveConfig(TQueryStr& Config) const {
  Config.WriteInteger("Usage", FConfig.Usage);
  Config.WriteInteger("Seconds", FConfig.Seconds);
  Config.WriteInteger("Direction", FConfig.Direction);
  Config.WriteBool("UseAverage", FConfig.UseAverage);
}

void TKoEventHardDiskUsage::LoadConfig(const TQueryStr& Config) {
  FConfig.Usage = Config.ReadInteger("Usage");
  FConfig.Seconds = Config.ReadInteger("Seconds");
  FConfig.Direction = Config.ReadInteger("Direction");
  FConfig.UseAverage = Config.ReadBool("UseAverage");
}

std::string TKoEventHardDiskUsage::GetDescription() const {
  const TResString& Pattern =
      FConfig.Direction == 1   ? uplannerevents::seventreadbelowvaluefornumseconds
      : FConfig.Direction == 2 ? uplannerevents::seventwritebelowvaluefornumseconds
                               : uplannerevents::seventbelowvaluefornumseconds;
  return UsageDescription(Pattern, SpeedLimitText(FConfig.Usage), FConfig.Seconds,
                          FConfig.UseAverage);
}

std::string TKoEventHardDiskUsage::GetStatusText() const {
  if (!Active())
    return {};
  return UsageStatus(RateStatusValue(FCurrentRate, 0, Services().Locale), FCounter);
}

void TKoEventHardDiskUsage::DoStart() {
  if (ArePerformanceCountersDisabled(SystemRegistry(Services()), kDiskCounterServices))
    throw EKoException(ResStr(uplannerevents::sdiskperformancecountersdisabled));
  if (!GetLogicalDiskRawData(*FWMI, FPrevious))
    throw EKoException(ResStr(uplannerevents::sfailedtogetlogicaldiskinfo));
  FCurrentRate = -1;
  FCounter = 0;
  if (FConfig.Seconds < 1)
    FConfig.Seconds = 1;
  if (FConfig.UseAverage)
    FSeries.Init(FConfig.Seconds);
  Timer().SetInterval(1000);
  Timer().SetEnabled(true);
}

void TKoEventHardDiskUsage::DoStop() {
  FSeries.Init(0);
}

long double TKoEventHardDiskUsage::ReadRate() {
  // A WMI failure while monitoring is a sample missed, not an error box a second.
  try {
    if (!GetLogicalDiskRawData(*FWMI, FCurrent))
      return -1;
  } catch (const EWmiError&) {
    // The next tick connects anew, in case the service went away and came back.
    FWMI->Disconnect();
    return -1;
  }
  const long double Rate = FConfig.Direction == 1   ? GetDiskReadRate(FPrevious, FCurrent)
                           : FConfig.Direction == 2 ? GetDiskWriteRate(FPrevious, FCurrent)
                                                    : GetDiskTotalRate(FPrevious, FCurrent);
  FPrevious = FCurrent;
  return Rate;
}

void TKoEventHardDiskUsage::TimerTick() {
  long double Rate = ReadRate();
  if (!(Rate >= 0)) {
    FCurrentRate = -1;
    return;
  }
  Rate *= kBytesToKilobytes;
  if (FConfig.UseAverage) {
    FSeries.Add(Rate);
    Rate = FSeries.Average();
  }
  FCurrentRate = Rate;
  FCounter = FCurrentRate >= FConfig.Usage ? 0 : FCounter + 1;
  SetTriggered(FCounter >= FConfig.Seconds);
}
