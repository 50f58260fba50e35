#pragma once

#include <string>
#include <vector>

#include "app/uOptionsModel.h"
#include "app/uSettings.h"
#include "app/uSleepPrevention.h"
#include "app/uWebInterfaceControl.h"
#include "core/uKoException.h"
#include "platform/sim/uSimExecutionState.h"
#include "platform/sim/uSimLocalNetwork.h"
#include "platform/sim/uSimRegistry.h"
#include "platform/sim/uSimUserInterface.h"
#include "platform/uSystemVersion.h"

// Everything the options dialog reaches, simulated. What the web interface and the main window
// are asked to do is written to Log, in order.
class TOptionsTestHost {
 public:
  class TWebInterface : public TWebInterfaceControl {
   public:
    explicit TWebInterface(std::vector<std::string>& Log) : FLog(Log) {}
    bool Active() const override { return Running; }
    void Restart(const TSettings& Settings) override {
      Running = false;
      FLog.push_back("web interface restarted on " + Settings.WebInterfaceIP + ":" +
                     std::to_string(Settings.WebInterfacePort));
      if (!StartFailure.empty())
        throw EKoException(StartFailure);
      Running = true;
    }
    void Stop() override {
      Running = false;
      FLog.push_back("web interface stopped");
    }
    bool Running = false;
    std::string StartFailure;  // non-empty: Restart raises this

   private:
    std::vector<std::string>& FLog;
  };

  class TSystem : public TSystemVersion {
   public:
    TOsVersion OsVersion() const override { return Version; }
    TOsVersion Version{2, 10, 0};
  };

  static constexpr char Program[] = "C:\\Program Files\\Kolvane\\kolvane.exe";

  TOptionsServices Services() {
    return {
        Registry,
        Program,
        WebInterface,
        Network,
        SleepPrevention,
        UserInterface,
        [this] { return PlannerRunning; },
        [this](bool Visible) { Log.push_back(Visible ? "tray icon shown" : "tray icon hidden"); },
        [this](bool Increase) {
          Log.push_back(Increase ? "tables font larger" : "tables font normal");
        }};
  }

  // The texts of the message boxes shown so far.
  std::vector<std::string> Messages() const {
    std::vector<std::string> Texts;
    for (const auto& Shown : UserInterface.Shown)
      Texts.push_back(Shown.Text);
    return Texts;
  }

  TSettings Settings;
  std::vector<std::string> Log;
  TSimRegistry Registry;
  TSimLocalNetwork Network;
  TSimExecutionState ExecutionState;
  TSystem System;
  TSleepPrevention SleepPrevention{ExecutionState, System};
  TSimUserInterface UserInterface;
  TWebInterface WebInterface{Log};
  bool PlannerRunning = false;
};
