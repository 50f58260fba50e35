#pragma once

#include <cstdint>

#include "core/uPlannerActions.h"

// Acts on the planner itself: closes the program, restarts event monitoring, or pauses before
// the next action.
class TKoActionUtilities : public TKoActionObject {
 public:
  enum TOperation : std::uint8_t {
    uaNone = 0,
    uaCloseApplication = 1,
    uaRestartEvents = 2,
    uaPause = 3,
  };
  struct TConfig {
    std::uint8_t Action = uaNone;
    int PauseSeconds = 10;
  };

  using TKoActionObject::TKoActionObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config);

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  bool Execute(TKoActionOutcome& Outcome) override;

 private:
  TConfig FConfig;
};
