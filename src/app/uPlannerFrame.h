#pragma once

#include <functional>
#include <string>
#include <typeindex>
#include <vector>

#include "core/uKoServices.h"
#include "core/uPlannerActions.h"
#include "core/uPlannerEvents.h"
#include "core/uQueryStr.h"

// An event or an action handed to a frame. Frames read and write the item's settings as its
// configuration, so the kind's own rules for reading them (defaults of missing keys, flags it
// derives from them) apply to whatever a frame saves.
class TPlannerItem {
 public:
  TPlannerItem(TKoEventObject& Event) : FEvent(&Event) {}
  TPlannerItem(TKoActionObject& Action) : FAction(&Action) {}

  // The item's exact class: frames are found by it.
  std::type_index ItemClass() const;
  const std::string& ID() const;
  TQueryStr ReadConfig() const;
  void WriteConfig(const TQueryStr& Config);

  TKoEventObject* Event() const { return FEvent; }
  TKoActionObject* Action() const { return FAction; }

 private:
  TKoEventObject* FEvent = nullptr;
  TKoActionObject* FAction = nullptr;
};

// What the item editor asks of a frame. A frame implements the first two; the others only when
// it needs them, and the editor finds out per frame.

// Identity: the class of the items the frame edits.
class IPlannerFrame {
 public:
  virtual std::type_index GetItemClass() const = 0;

 protected:
  ~IPlannerFrame() = default;
};

class IPlannerFrameConfig {
 public:
  // Sets the controls from the item's settings.
  virtual void LoadFromItem(const TPlannerItem& Item) = 0;
  // Writes the controls into the item's settings.
  virtual void SaveToItem(TPlannerItem& Item) = 0;

 protected:
  ~IPlannerFrameConfig() = default;
};

// For frames whose choices depend on the machine: they refresh them each time they come into
// view. Hiding is false just before the frame is shown and true when it is taken away.
class IPlannerFrameVisibility {
 public:
  virtual void VisibilityChanging(bool Hiding) = 0;

 protected:
  ~IPlannerFrameVisibility() = default;
};

// File names dropped on the editor while the frame is shown.
class IPlannerFrameDropFiles {
 public:
  virtual void DropFiles(const std::vector<std::string>& FileNames) = 0;

 protected:
  ~IPlannerFrameDropFiles() = default;
};

// What frames are made with: the machine, reached through the same ports as the kinds, and the
// program's presets for the Run Preset frame.
struct TPlannerFrameContext {
  TKoServices Services;
  std::function<std::vector<std::string>()> ListPresets;
};
