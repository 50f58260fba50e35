#pragma once

// The watch and ping events on the simulated machine: services wired to it, the program's kind
// list, and a planner with rows for running them as a preset would.

#include <memory>
#include <string>

#include "app/uKindList.h"
#include "app/uPlannerRows.h"
#include "core/uKindRegistry.h"
#include "core/uKoServices.h"
#include "core/uPlanner.h"
#include "platform/sim/uSimEventLoop.h"
#include "platform/sim/uSimMachine.h"
#include "platform/sim/uSimPing.h"
#include "platform/uPingSystem.h"

struct TWatchHost {
  TSimEventLoop Loop;
  TSimMachine Machine;
  std::shared_ptr<TSimPingSystem> Ping = std::make_shared<TSimPingSystem>();
  TKoServices Services = WithPing({Loop, nullptr, nullptr, &Machine, &Machine.Power,
                                   &Machine.Processes, &Machine.Windows, &Machine.Shell},
                                  Ping);
  TKoKindRegistry Registry{Services};
  TKoPlanner Planner{Loop};
  TPlannerRows Rows{Registry};
  std::vector<std::string> PlannerMessages;

  TWatchHost() {
    RegisterKinds(Registry);
    Planner.OnPrepare = [this] { Rows.PreparePlanner(Planner); };
    Planner.OnMessage = [this](TKoPlannerMessageKind, const std::string& Text) {
      PlannerMessages.push_back(Text);
    };
  }

  // A new event of the kind (by its identifier) with the settings of a configuration text,
  // counting its changes of verdict.
  template <typename TKind>
  std::unique_ptr<TKind> Make(const std::string& Config = {}) {
    auto Event = TKoEventObject::Create<TKind>(Services);
    if (!Config.empty())
      Event->SetConfigText(Config);
    Event->OnTriggeredChange = [this](TKoEventObject&) { ++Changes; };
    return Event;
  }
  int Changes = 0;

  static TKoServices WithPing(TKoServices Services, std::shared_ptr<TPingSystem> Ping) {
    Services.Ping = std::move(Ping);
    return Services;
  }
};
