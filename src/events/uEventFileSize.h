#pragma once

#include <cstdint>
#include <string>

#include "core/uPlannerEvents.h"

// Triggered while a file (or a folder) has reached a size, exists, or does not exist; checked
// once a second.
class TKoEventFileSize : public TKoEventObject {
 public:
  enum TWhen : int {
    fswReachesSize = 0,
    fswCreated = 1,         // the file exists
    fswNoLongerExists = 2,  // the file does not exist
  };
  enum TSizeType : int { fstBytes = 0, fstKB = 1, fstMB = 2, fstGB = 3 };

  struct TConfig {
    std::string File;  // a file, a pattern in the file-name part, or a folder ending in a delimiter
    int When = fswReachesSize;
    std::int64_t Size = 0;  // the limit, in the unit of SizeType
    int SizeType = fstBytes;
  };

  using TKoEventObject::TKoEventObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  const TConfig& Config() const { return FConfig; }
  void SetConfig(const TConfig& Config) { FConfig = Config; }

  // The last measured size in the unit of SizeType: -1 not found, -2 not yet checked.
  std::int64_t CurrentSize() const { return FCurrentSize; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  // Raises "Unknown file size type" for a unit it cannot measure in.
  void DoStart() override;
  void TimerTick() override;

 private:
  TConfig FConfig;
  bool FIsFolder = false;
  std::int64_t FCurrentSize = -2;
};

// "10 MB": a value and the name of its unit (Bytes for a unit it does not know).
std::string FileSizeText(std::int64_t Value, int SizeType);
// Bytes in one unit of SizeType; raises "Unknown file size type: " and the number otherwise.
std::int64_t FileSizeUnitBytes(int SizeType);
