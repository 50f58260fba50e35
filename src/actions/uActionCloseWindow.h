#pragma once

#include <string>

#include "core/uPlannerActions.h"

// Closes, quits, or ends the owner of, the first top-level window a title or mask names.
class TKoActionCloseWindow : public TKoActionObject {
 public:
  enum TMethod : int {
    cwmClose = 1,  // send WM_CLOSE, as the window's close button does
    cwmQuit = 2,   // post WM_QUIT to the window's thread
    cwmKill = 3,   // end the process that owns the window
  };
  struct TConfig {
    std::string WindowTitle;  // the exact title, or a mask when it holds "*" or "?"
    int Method = cwmClose;
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
  // Fails when no window matches or the method is unknown; raises for a malformed mask.
  bool Execute(TKoActionOutcome& Outcome) override;

 private:
  TConfig FConfig;
};
