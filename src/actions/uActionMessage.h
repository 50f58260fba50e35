#pragma once

#include "core/uPlannerActions.h"
#include "platform/uModalWindows.h"

// Shows a message with a countdown and lets the user go on, cancel the remaining actions,
// restart the events or close the program; when the time runs out the list goes on.
class TKoActionMessage : public TKoActionObject {
 public:
  struct TConfig {
    std::string Text;
    int Seconds = 10;
    bool MinimizeAllWindows = false;
    bool DisableRestart = false;
    bool DisableCancel = false;
    bool DisableExit = false;
    bool StayOnTop = false;
  };

  using TKoActionObject::TKoActionObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config) { FConfig = Config; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  bool Execute(TKoActionOutcome& Outcome) override;

 private:
  TConfig FConfig;
};

// "%s seconds" below a minute, else "%s minutes" and, when seconds are left over, " %s seconds".
std::string DurationDescription(int Seconds);
