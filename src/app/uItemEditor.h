#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/uPlannerFrameList.h"
#include "app/uPlannerRows.h"
#include "core/uKindRegistry.h"

// Which list the editor works on.
enum TItemType : int { itAction = 1, itEvent = 2 };

// The configuration box of the editor: it holds the frame shown at present. A window that shows
// the editor attaches to it to draw that frame.
class TFrameSlot final : public TFrameContainer {
 public:
  void InsertFrame(TConfigFrame& Frame) override;
  void RemoveFrame(TConfigFrame& Frame) override;
  TConfigFrame* Frame() const { return FFrame; }

  std::function<void(TConfigFrame& Frame)> OnInsert;
  std::function<void(TConfigFrame& Frame)> OnRemove;

 private:
  TConfigFrame* FFrame = nullptr;
};

// The item editor apart from its window: the kind list, the mode, the frames and the result.
// It is made once at start-up and reused, and its frames keep their values in between, so adding
// a kind again starts from what was entered the last time, even when that was cancelled. The
// window (itemsform) shows what this object holds and passes the user's actions to it.
class TItemEditor {
 public:
  // Builds the frames and loads each with its kind's defaults.
  TItemEditor(const TKoKindRegistry& Registry, const TPlannerFrameContext& Context);
  ~TItemEditor();
  TItemEditor(const TItemEditor&) = delete;
  TItemEditor& operator=(const TItemEditor&) = delete;

  // Add mode: the kinds of the list, the one used last selected, its frame as it was left.
  void PrepareAddEvent();
  void PrepareAddAction();
  // Edit mode: the item's kind selected (the list cannot change it) and the item's settings in
  // its frame. The item must be the kind's prototype: GetEvent / GetAction hand it back.
  void PrepareEditEvent(TKoEventObject& Event);
  void PrepareEditAction(TKoActionObject& Action);
  // After the user saved: the prototype of the selected kind with the frame's settings, or none
  // when the list prepared does not match or nothing is selected.
  TKoEventObject* GetEvent();
  TKoActionObject* GetAction();

  // The same for a row of the main window's lists. Raises for an item type other than 1 or 2.
  void PrepareAdd(int Type);
  // False, and nothing prepared, when the row's kind is unknown.
  bool PrepareEdit(int Type, const TItemRow& Row);
  // The row for what the user saved.
  std::optional<TItemRow> ResultRow();

  // The user chose a kind (-1: the choice was cleared, which changes nothing).
  void KindClicked(int Index);
  // Files dropped on the editor go to the frame shown, when it takes files.
  void DropFiles(const std::vector<std::string>& FileNames);

  // What the window shows.
  const std::vector<std::string>& KindNames() const { return FKindNames; }
  int SelectedKind() const { return FSelectedKind; }
  bool KindListEnabled() const { return !FEditMode; }
  const std::string& Caption() const { return FCaption; }
  const std::string& SaveCaption() const { return FSaveCaption; }
  bool NoConfigurationVisible() const { return FNoConfigurationVisible; }
  bool AcceptsFiles() const { return FAcceptsFiles; }
  TFrameSlot& ConfigBox() { return FConfigBox; }
  TPlannerFrameList& FrameList() { return *FFrameList; }

  bool EditMode() const { return FEditMode; }
  int ItemType() const { return FItemType; }
  int LastActionKind() const { return FLastActionKind; }
  int LastEventKind() const { return FLastEventKind; }

  // After every change of what the window shows.
  std::function<void()> OnUpdate;

 private:
  void FillKinds(int Type);
  void SetMode(bool Edit, int Type);
  void ShowKind(int Index);
  void ShowItem(const TPlannerItem& Item, int KindIndex);
  void UpdateDialog();
  void Updated();

  const TKoKindRegistry& FRegistry;
  std::unique_ptr<TPlannerFrameList> FFrameList;
  TFrameSlot FConfigBox;
  bool FEditMode = false;
  int FItemType = 0;
  int FLastActionKind = 0;
  int FLastEventKind = 0;
  std::vector<std::string> FKindNames;
  int FSelectedKind = -1;
  std::string FCaption;
  std::string FSaveCaption;
  bool FNoConfigurationVisible = true;
  bool FAcceptsFiles = false;
};
