#include "events/uEventCPUUsage.h"

#include <cmath>
#include <stdexcept>

#include "core/uPlannerEventsStrings.h"
#include "events/uCPUUsageData.h"
#include "events/uEventStrings.h"
#include "events/uUsageText.h"

namespace {

TCPUUsageData& Sampler(const TKoServices& Services) {
  if (!Services.CPUUsage)
    throw std::logic_error("CPU Usage events need the CPU sampler");
  return *Services.CPUUsage;
}

}  // namespace

void TKoEventCPUUsage::InitIdentity() {
  FID = "CPUUsage";
  FName = ResStr(uplannerevents::name_event_cpuusage);
  FCurrentUsage = 0;
  FCounter = 0;
  FSeries.Init(0);
}

void TKoEventCPUUsage::SetDefaults() {
  FConfig = TConfig{};
}

void TKoEventCPUUsage::SaveConfig(TQueryStr& Config) const {
  Config.WriteBool("Direction", FConfig.Direction);
  Config.WriteInteger("Usage", FConfig.Usage);
  Config.WriteInteger("Seconds", FConfig.Seconds);
  Config.WriteBool("UseAverage", FConfig.UseAverage);
}

void TKoEventCPUUsage::LoadConfig(const TQueryStr& Config) {
  FConfig.Direction = Config.ReadBool("Direction");
  FConfig.Usage = Config.ReadInteger("Usage");
  FConfig.Seconds = Config.ReadInteger("Seconds");
  FConfig.UseAverage = Config.ReadBool("UseAverage");
}

std::string TKoEventCPUUsage::GetDescription() const {
  return UsageDescription(FConfig.Direction ? uplannerevents::seventabovevaluefornumseconds
                                            : uplannerevents::seventbelowvaluefornumseconds,
                          std::to_string(FConfig.Usage) + "%", FConfig.Seconds, FConfig.UseAverage);
}

std::string TKoEventCPUUsage::GetStatusText() const {
  if (!Timer().Enabled())
    return {};
  return UsageStatus(FSampleFailed ? "--" : std::to_string(FCurrentUsage) + "%", FCounter);
}

void TKoEventCPUUsage::DoStart() {
  // The sampler compares with the previous sample, whoever took it; a fresh one makes the first
  // tick measure this event's first second.
  Sampler(Services()).CollectCPUData();
  FCurrentUsage = 0;
  FCounter = 0;
  FSampleFailed = false;
  if (FConfig.Seconds < 1)
    FConfig.Seconds = 1;
  if (FConfig.UseAverage)
    FSeries.Init(FConfig.Seconds);
  Timer().SetInterval(1000);
  Timer().SetEnabled(true);
}

void TKoEventCPUUsage::DoStop() {
  FSeries.Init(0);
}

void TKoEventCPUUsage::TimerTick() {
  // A sample that cannot be read counts as neither side of the limit: raising from here would
  // put up one error box a second for as long as the data stays unreadable.
  double Usage;
  try {
    Usage = Sampler(Services()).GetTotalCPUUsage();
  } catch (const ECPUUsageData&) {
    FSampleFailed = true;
    return;
  }
  if (std::isnan(Usage)) {
    FSampleFailed = true;
    return;
  }
  FSampleFailed = false;
  long double Compared = Usage;
  if (FConfig.UseAverage) {
    FSeries.Add(Compared);
    Compared = FSeries.Average();
  }
  // Halves go to the even neighbour, as the usage is shown everywhere else.
  FCurrentUsage = static_cast<std::int32_t>(std::nearbyint(Compared));
  const bool Beyond =
      FConfig.Direction ? FConfig.Usage < FCurrentUsage : FConfig.Usage > FCurrentUsage;
  FCounter = Beyond ? FCounter + 1 : 0;
  SetTriggered(FCounter >= FConfig.Seconds);
}
