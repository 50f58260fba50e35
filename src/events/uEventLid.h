#pragma once

#include <memory>

#include "core/uPlannerEvents.h"
#include "events/uPowerNotify.h"

// Triggered when the laptop lid makes the chosen movement and untriggered by the opposite one. It
// has no timer: lid notifications from its own power monitor are its only source.
class TKoEventLid : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;

  void SaveConfig(TQueryStr& Config) const override;
  void LoadConfig(const TQueryStr& Config) override;
  std::string GetStatusText() const override;
  std::string GetDescription() const override;

  // True: triggered when the lid closes; false: when it opens.
  bool Closes() const { return FCloses; }
  const TPowerEventMonitor& PowerMonitor() const { return *FPowerMonitor; }

 protected:
  void InitIdentity() override;
  void SetDefaults() override;
  void DoStart() override;
  void DoStop() override;

 private:
  void PowerNotify(TPowerEventKind Kind);

  bool FCloses = true;
  std::unique_ptr<TPowerEventMonitor> FPowerMonitor;
};
