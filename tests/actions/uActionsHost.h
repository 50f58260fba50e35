#pragma once

// The action kinds on the simulated machine: services wired to it, and the program's kind list.

#include <memory>
#include <string>

#include "app/uKindList.h"
#include "core/uKindRegistry.h"
#include "core/uKoServices.h"
#include "platform/sim/uSimDisplay.h"
#include "platform/sim/uSimEventLoop.h"
#include "platform/sim/uSimLocale.h"
#include "platform/sim/uSimMachine.h"
#include "platform/sim/uSimModalWindows.h"
#include "platform/sim/uSimRemoteAccess.h"
#include "platform/sim/uSimScreen.h"
#include "platform/sim/uSimSound.h"
#include "platform/sim/uSimUserInterface.h"

struct TActionsHost {
  TSimEventLoop Loop;
  TSimMachine Machine;
  TSimUserInterface UserInterface;
  TSimRemoteAccess RemoteAccess;
  TSimModalWindows ModalWindows;
  TSimLocale Locale;
  TSimDisplay Display{Loop};
  TSimSound Sound;
  TSimScreen Screen;
  TKoServices Services = SimulatedServices();
  TKoKindRegistry Registry{Services};

  TActionsHost() { RegisterKinds(Registry); }

  TKoServices SimulatedServices() {
    TKoServices Simulated{Loop,           &UserInterface,     &Locale,          &Machine,
                          &Machine.Power, &Machine.Processes, &Machine.Windows, &Machine.Shell,
                          &RemoteAccess,  &ModalWindows};
    Simulated.Display = &Display;
    Simulated.Sound = &Sound;
    Simulated.AudioVolume = &Sound;
    Simulated.ScreenCapture = &Screen;
    Simulated.ImageEncoder = &Screen;
    return Simulated;
  }

  // A new action of the kind with the settings of a configuration text.
  std::unique_ptr<TKoActionObject> Action(const std::string& ID, const std::string& Config = "") {
    auto Object = Registry.CreateAction(ID);
    if (Object)
      Object->SetConfigText(Config);
    return Object;
  }
};
