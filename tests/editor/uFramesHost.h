#pragma once

// Frames and the item editor on the simulated machine: every port a frame reaches, the program's
// kind list, and helpers that load a frame from a configuration text and save it back.

#include <memory>
#include <string>
#include <vector>

#include "app/uConfigFrame.h"
#include "app/uKindList.h"
#include "app/uPlannerFrame.h"
#include "core/uKindRegistry.h"
#include "core/uKoServices.h"
#include "platform/sim/uSimDisplay.h"
#include "platform/sim/uSimEventLoop.h"
#include "platform/sim/uSimFileDialogs.h"
#include "platform/sim/uSimIpHelper.h"
#include "platform/sim/uSimMachine.h"
#include "platform/sim/uSimRegistry.h"
#include "platform/sim/uSimUserInterface.h"

struct TFramesHost {
  TSimEventLoop Loop;
  TSimMachine Machine;
  TSimUserInterface UserInterface;
  TSimIpHelper IpHelper;
  TSimRegistry SystemRegistry;
  TSimFileDialogs FileDialogs;
  TSimDisplay Display{Loop};
  std::vector<std::string> Presets;
  TKoServices Services = MakeServices();
  TKoKindRegistry Registry{Services};
  TPlannerFrameContext Context{Services, [this] { return Presets; }};

  TFramesHost() {
    Loop.SetNow(MakeDateTime(2024, 3, 15, 9, 30, 0));
    RegisterKinds(Registry);
  }

  // The frame's controls as the user sees them, loaded from a configuration text of kind ID.
  void Load(TConfigFrame& Frame, const std::string& ID, const std::string& Config) {
    if (auto Event = Registry.CreateEvent(ID)) {
      Event->SetConfigText(Config);
      dynamic_cast<IPlannerFrameConfig&>(Frame).LoadFromItem(TPlannerItem(*Event));
    } else {
      auto Action = Registry.CreateAction(ID);
      Action->SetConfigText(Config);
      dynamic_cast<IPlannerFrameConfig&>(Frame).LoadFromItem(TPlannerItem(*Action));
    }
  }

  // What saving the frame into a new item of kind ID gives, after the user left the frame.
  std::string Save(TConfigFrame& Frame, const std::string& ID) {
    Frame.CommitEdits();
    if (auto Event = Registry.CreateEvent(ID)) {
      TPlannerItem Item(*Event);
      dynamic_cast<IPlannerFrameConfig&>(Frame).SaveToItem(Item);
      return Event->GetConfigText();
    }
    auto Action = Registry.CreateAction(ID);
    TPlannerItem Item(*Action);
    dynamic_cast<IPlannerFrameConfig&>(Frame).SaveToItem(Item);
    return Action->GetConfigText();
  }

 private:
  TKoServices MakeServices() {
    TKoServices Made{Loop};
    Made.UserInterface = &UserInterface;
    Made.SystemVersion = &Machine;
    Made.PowerSession = &Machine.Power;
    Made.Processes = &Machine.Processes;
    Made.Windows = &Machine.Windows;
    Made.Shell = &Machine.Shell;
    Made.IpHelper = &IpHelper;
    Made.SystemRegistry = &SystemRegistry;
    Made.FileDialogs = &FileDialogs;
    Made.Display = &Display;
    return Made;
  }
};

// A top-level window of the simulated machine.
inline TSimMachine::TWindow SimWindow(TWindowId Id, std::string Title, bool Visible = true,
                                      bool ToolWindow = false) {
  TSimMachine::TWindow Window;
  Window.Window = Id;
  Window.Title = std::move(Title);
  Window.Visible = Visible;
  Window.ToolWindow = ToolWindow;
  return Window;
}

// Control texts by identifier, for short assertions.
inline std::string EditText(const TConfigFrame& Frame, int Id) {
  return Frame.Control<TEditControl>(Id).Text();
}
inline void Type(TConfigFrame& Frame, int Id, const std::string& Text) {
  Frame.Control<TEditControl>(Id).UserSetText(Text);
}
inline bool IsChecked(const TConfigFrame& Frame, int Id) {
  if (auto Radio = dynamic_cast<TRadioControl*>(Frame.FindControl(Id)))
    return Radio->Checked();
  return Frame.Control<TCheckControl>(Id).Checked();
}
inline void Click(TConfigFrame& Frame, int Id) {
  TFrameControl* Control = Frame.FindControl(Id);
  if (auto Radio = dynamic_cast<TRadioControl*>(Control))
    Radio->UserCheck();
  else if (auto Check = dynamic_cast<TCheckControl*>(Control))
    Check->UserSetChecked(!Check->Checked());
  else
    Frame.Control<TButtonControl>(Id).Click();
}
