#include "app/uPlannerRows.h"

#include "app/uAppStrings.h"
#include "core/uFormat.h"

void TPlannerRows::SetSelectedLogic(int Logic) {
  if (Logic < kolALL || Logic > kol1BY1)
    throw EKoException(Format(ResStr(mainform::sunknownlogicselected), {Logic}));
  FLogic = static_cast<TKoLogic>(Logic);
}

TKoEvents TPlannerRows::GetEventObjects() const {
  TKoEvents Events;
  for (const auto& Row : FEventRows) {
    TKoEventObject* Prototype = FRegistry.GetEventKind(Row.ID);
    if (!Prototype)
      continue;
    Prototype->SetConfigText(Row.Config);
    Events.push_back(Prototype->Clone(true));
  }
  return Events;
}

TKoActions TPlannerRows::GetActionObjects() const {
  TKoActions Actions;
  for (const auto& Row : FActionRows) {
    TKoActionObject* Prototype = FRegistry.GetActionKind(Row.ID);
    if (!Prototype)
      continue;
    Prototype->SetConfigText(Row.Config);
    Actions.push_back(Prototype->Clone(true));
  }
  return Actions;
}

void TPlannerRows::SetEventRows(const TKoEvents& Events) {
  FEventRows.clear();
  for (const auto& Event : Events)
    FEventRows.push_back(RowOf(*Event));
}

void TPlannerRows::SetActionRows(const TKoActions& Actions) {
  FActionRows.clear();
  for (const auto& Action : Actions)
    FActionRows.push_back(RowOf(*Action));
}

TItemRow TPlannerRows::RowOf(const TKoEventObject& Event) {
  return {Event.Name(), Event.GetDescription(), {}, Event.GetConfigText(), Event.ID()};
}

TItemRow TPlannerRows::RowOf(const TKoActionObject& Action) {
  return {Action.Name(), Action.GetDescription(), {}, Action.GetConfigText(), Action.ID()};
}

void TPlannerRows::PreparePlanner(TKoPlanner& Planner) const {
  Planner.Clear();
  Planner.SetLogic(FLogic);
  Planner.SetActions(GetActionObjects());
  Planner.SetEvents(GetEventObjects());
}
