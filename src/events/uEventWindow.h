#pragma once

#include <string>

#include "events/uEventWatch.h"

// Triggered while a top-level window with a given title (or one matching a mask) exists, or
// while none does.
class TKoEventWindow : public TKoEventWatch {
 public:
  struct TConfig {
    bool Opens = true;  // true: triggered while such a window exists; false: while none exists
    std::string Title;  // the exact title, or a mask when it holds "*" or "?"
    int Interval = 5;   // seconds between checks
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
  // Raises for a mask with a malformed set, which no check could ever read.
  void DoStart() override;
  std::optional<bool> Check() override;

 private:
  TConfig FConfig;
};
