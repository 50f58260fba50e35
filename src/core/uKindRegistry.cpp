#include "core/uKindRegistry.h"

#include "core/uStringUtils.h"

namespace {

template <typename TList>
int FindKind(const TList& Kinds, std::string_view ID) {
  for (std::size_t I = 0; I < Kinds.size(); ++I)
    if (SameText(Kinds[I]->ID(), ID))
      return static_cast<int>(I);
  return -1;
}

}  // namespace

int TKoKindRegistry::FindEventKind(std::string_view ID) const {
  // Presets written by older versions name the Battery kind "BatteryLow".
  if (ID == "BatteryLow")
    ID = "Battery";
  return FindKind(FEventKinds, ID);
}

int TKoKindRegistry::FindActionKind(std::string_view ID) const {
  return FindKind(FActionKinds, ID);
}

TKoEventObject* TKoKindRegistry::GetEventKind(std::string_view ID) const {
  int Index = FindEventKind(ID);
  return Index < 0 ? nullptr : FEventKinds[static_cast<std::size_t>(Index)].get();
}

TKoActionObject* TKoKindRegistry::GetActionKind(std::string_view ID) const {
  int Index = FindActionKind(ID);
  return Index < 0 ? nullptr : FActionKinds[static_cast<std::size_t>(Index)].get();
}

std::unique_ptr<TKoEventObject> TKoKindRegistry::CreateEvent(std::string_view ID) const {
  auto Prototype = GetEventKind(ID);
  return Prototype ? Prototype->Clone(false) : nullptr;
}

std::unique_ptr<TKoActionObject> TKoKindRegistry::CreateAction(std::string_view ID) const {
  auto Prototype = GetActionKind(ID);
  return Prototype ? Prototype->Clone(false) : nullptr;
}
