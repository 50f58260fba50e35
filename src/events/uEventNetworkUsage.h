#pragma once

#include <cstdint>
#include <string>

#include "core/uPlannerEvents.h"
#include "events/uCircularSeries.h"
#include "platform/uIpHelper.h"

// Triggers when the traffic of one network interface, chosen by its MAC address, has stayed below
// a limit in KB/s for a number of consecutive seconds.
class TKoEventNetworkUsage : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;

  struct TConfig {
    std::string Interface;  // MAC text as GetInterfaceMac writes it
    int Usage = 5;          // KB/s
    int Seconds = 10;
    int Traffic = 0;  // 1 received, 2 sent, anything else both
    bool UseAverage = false;
  };

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  TConfig& Config() { return FConfig; }
  const TConfig& Config() const { return FConfig; }
  long double CurrentRate() const { return FCurrentRate; }
  int Counter() const { return FCounter; }
  std::uint32_t InterfaceIndex() const { return FInterfaceIndex; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  void DoStart() override;
  void DoStop() override;
  void TimerTick() override;

 private:
  TConfig FConfig;
  TNumericCircularSeries FSeries;
  std::int32_t FCounter = 0;
  std::uint32_t FInterfaceIndex = 0;
  std::uint32_t FLastTick = 0;
  TMibIfRow FLastRow;
  long double FCurrentRate = -1;
};
