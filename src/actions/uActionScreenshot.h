#pragma once

#include <cstdint>
#include <string>

#include "core/uDateTime.h"
#include "core/uPlannerActions.h"

// Saves a screenshot as a JPEG file: under one name, numbered, or stamped with date and time.
class TKoActionScreenshot : public TKoActionObject {
 public:
  enum TNamingSchema : std::uint8_t {
    nsSpecified = 1,  // Path is the file; an existing one is replaced
    nsNumeric = 2,    // Path is the folder or prefix of 1.jpg, 2.jpg, ...
    nsDateTime = 3,   // Path is the folder or prefix of yyyymmdd_hhnnss.jpg
  };
  struct TConfig {
    std::uint8_t NamingSchema = nsSpecified;
    std::string Path;
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

// The file the next screenshot goes to at the local time Now; empty when every numbered
// candidate is taken.
std::string ScreenshotFileName(const TKoActionScreenshot::TConfig& Config, TDateTime Now);

// The local time as yyyymmdd_hhnnss.
std::string ScreenshotTimeStamp(TDateTime Now);
