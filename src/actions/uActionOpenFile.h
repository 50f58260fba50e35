#pragma once

#include <string>

#include "core/uPlannerActions.h"

// Hands a document, program or address to the shell, as a double click would.
class TKoActionOpenFile : public TKoActionObject {
 public:
  struct TConfig {
    std::string FileName;  // a file, a program or an address
  };

  using TKoActionObject::TKoActionObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  // An address is shown whole, a path only by its file name.
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
