#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/uPlannerEvents.h"
#include "core/uTimer.h"
#include "core/uWindowMessenger.h"
#include "events/uPing.h"

// Triggered while a host has not answered echo requests for a number of seconds. Each ping runs
// on a worker thread of its own and reports to the event's messenger on the GUI thread; the
// event judges the replies once a second.
class TKoEventPingStops : public TKoEventObject {
 public:
  struct TConfig {
    std::string Address;     // host name or IPv4 address
    int TriggerPeriod = 10;  // seconds without a reply after which the event is triggered
    int PingInterval = 2;    // seconds between echo requests
  };

  using TKoEventObject::TKoEventObject;
  ~TKoEventPingStops() override;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config) { FConfig = Config; }

  // The round-trip time of the last ping that finished, -1 when it failed or none has.
  std::int32_t LastRoundTripTime() const { return FLastRoundTripTime; }
  // Pings sent whose result has not been handed over yet.
  std::size_t PingsInFlight() const { return FChannel ? FChannel->InFlight() : 0; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  // Raises when the ICMP library cannot be loaded.
  void DoStart() override;
  void DoStop() override;
  void TimerTick() override;

 private:
  void LaunchPing();
  void HandleMessage(TWindowMessage& Message);
  std::uint32_t SecondsSinceResponse() const;

  TConfig FConfig;
  std::uint32_t FLastResponseTick = 0;  // of the last good reply, or of the start
  std::int32_t FLastRoundTripTime = -1;
  std::unique_ptr<TWindowMessenger> FMessenger;
  std::shared_ptr<TPingResultChannel> FChannel;
  std::unique_ptr<TTimerEx> FPingTimer;
};
