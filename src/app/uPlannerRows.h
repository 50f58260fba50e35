#pragma once

#include <string>
#include <vector>

#include "core/uKindRegistry.h"
#include "core/uPresetHost.h"

// One row of the event or action list: what is shown and what is kept. Only the kind identifier
// and the configuration text are the item itself; the rest is display.
struct TItemRow {
  std::string Caption;  // the kind's display name
  std::string Details;  // the item's description
  std::string Status;
  std::string Config;
  std::string ID;
};

// The lists the user edits and the selected logic: the live copy of the current preset. The main
// window shows them; the planner receives fresh objects built from them at every start.
class TPlannerRows : public TPresetHost {
 public:
  explicit TPlannerRows(const TKoKindRegistry& Registry) : FRegistry(Registry) {}

  TKoLogic GetSelectedLogic() const override { return FLogic; }
  void SetSelectedLogic(int Logic) override;
  TKoEvents GetEventObjects() const override;
  TKoActions GetActionObjects() const override;
  void SetEventRows(const TKoEvents& Events) override;
  void SetActionRows(const TKoActions& Actions) override;

  std::vector<TItemRow>& EventRows() { return FEventRows; }
  const std::vector<TItemRow>& EventRows() const { return FEventRows; }
  std::vector<TItemRow>& ActionRows() { return FActionRows; }
  const std::vector<TItemRow>& ActionRows() const { return FActionRows; }

  // A row for an object as the lists show it.
  static TItemRow RowOf(const TKoEventObject& Event);
  static TItemRow RowOf(const TKoActionObject& Action);

  // The planner's OnPrepare: clear it and hand it the logic and fresh copies of both lists.
  void PreparePlanner(TKoPlanner& Planner) const;

 private:
  const TKoKindRegistry& FRegistry;
  TKoLogic FLogic = kolALL;
  std::vector<TItemRow> FEventRows;
  std::vector<TItemRow> FActionRows;
};
