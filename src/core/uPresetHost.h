#pragma once

#include "core/uPlanner.h"

// What presets need of the lists the user edits (the main window's rows): the selected logic,
// fresh objects for every row, and replacing the rows.
class TPresetHost {
 public:
  virtual ~TPresetHost() = default;

  virtual TKoLogic GetSelectedLogic() const = 0;
  // Raises EKoException "Unknown logic selected: %d" for a value that is not one of the four.
  virtual void SetSelectedLogic(int Logic) = 0;

  // A new, independent object for every row whose kind is known, in list order.
  virtual TKoEvents GetEventObjects() const = 0;
  virtual TKoActions GetActionObjects() const = 0;

  // Replaces all rows by rows for the given objects, in order.
  virtual void SetEventRows(const TKoEvents& Events) = 0;
  virtual void SetActionRows(const TKoActions& Actions) = 0;
};
