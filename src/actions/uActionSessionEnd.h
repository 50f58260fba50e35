#pragma once

#include <string>

#include "actions/uShutdown.h"
#include "core/uPlannerActions.h"

// What Shutdown, Reboot and Logoff share: one "Force" setting and ShutdownSystem. They end the
// session, so each is terminal.
class TKoActionSessionEnd : public TKoActionObject {
 public:
  struct TConfig {
    bool Force = false;  // close applications without asking them
  };

  using TKoActionObject::TKoActionObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config) { FConfig = Config; }

 protected:
  void SetDefaults() override;
  bool Execute(TKoActionOutcome& Outcome) override;

  virtual TShutdownKind Kind() const = 0;
  // Written to the system's shutdown log; fixed and untranslated so the log reads the same
  // whatever the user's language.
  virtual std::string Comment() const = 0;

 private:
  TConfig FConfig;
};
