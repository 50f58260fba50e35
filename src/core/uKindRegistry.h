#pragma once

#include <memory>
#include <string_view>

#include "core/uPlannerActions.h"
#include "core/uPlannerEvents.h"

// The kinds of events and actions the program knows, each as a prototype object: created once,
// never started. The kind chooser lists them in registration order, which is the order of
// RegisterKinds (app/uKindList.cpp). Looking a kind up ignores the letter case of its identifier.
class TKoKindRegistry {
 public:
  explicit TKoKindRegistry(const TKoServices& Services) : FServices(Services) {}

  template <typename TKind>
  void AddEventKind() {
    FEventKinds.push_back(TKoEventObject::Create<TKind>(FServices));
  }
  template <typename TKind>
  void AddActionKind() {
    FActionKinds.push_back(TKoActionObject::Create<TKind>(FServices));
  }

  const TKoEvents& EventKinds() const { return FEventKinds; }
  const TKoActions& ActionKinds() const { return FActionKinds; }

  // Index of the kind, or -1. "BatteryLow", written exactly so, is the older name of "Battery".
  int FindEventKind(std::string_view ID) const;
  int FindActionKind(std::string_view ID) const;

  // The prototype itself, or none: a scratch object for descriptions and clones.
  TKoEventObject* GetEventKind(std::string_view ID) const;
  TKoActionObject* GetActionKind(std::string_view ID) const;

  // A new object with the kind's default settings, or none for an unknown identifier.
  std::unique_ptr<TKoEventObject> CreateEvent(std::string_view ID) const;
  std::unique_ptr<TKoActionObject> CreateAction(std::string_view ID) const;

 private:
  TKoServices FServices;
  TKoEvents FEventKinds;
  TKoActions FActionKinds;
};
