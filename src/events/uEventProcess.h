#pragma once

#include <string>

#include "events/uEventWatch.h"

// Triggered while a process with a given executable file name runs, or while none does.
class TKoEventProcess : public TKoEventWatch {
 public:
  struct TConfig {
    bool Starts = true;       // true: triggered while such a process runs; false: while none runs
    std::string ProcessName;  // executable file name, such as notepad.exe
    int Interval = 5;         // seconds between checks
  };

  using TKoEventWatch::TKoEventWatch;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config) { FConfig = Config; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  void DoStart() override;
  std::optional<bool> Check() override;

 private:
  TConfig FConfig;
};
