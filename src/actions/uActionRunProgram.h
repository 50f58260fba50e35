#pragma once

#include <string>

#include "core/uPlannerActions.h"

// Starts a command line, as the user wrote it, and by default waits for it to end.
class TKoActionRunProgram : public TKoActionObject {
 public:
  struct TConfig {
    std::string Command;           // program first; parts with spaces quoted by the user
    std::string WorkingDirectory;  // empty: this program's current directory
    bool Wait = true;              // wait until the program has ended
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
  // A waited-for program succeeds when it exits with 0.
  bool Execute(TKoActionOutcome& Outcome) override;

 private:
  TConfig FConfig;
};
