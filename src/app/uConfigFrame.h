#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/uFrameControls.h"

class TConfigFrame;

// Where a frame is shown: the item editor's configuration box. A frame is placed in at most one
// container at a time.
class TFrameContainer {
 public:
  virtual void InsertFrame(TConfigFrame& Frame) = 0;
  virtual void RemoveFrame(TConfigFrame& Frame) = 0;

 protected:
  ~TFrameContainer() = default;
};

// A panel of controls that edits the settings of one kind of event or action. The frame owns its
// controls and its logic; on Windows it is drawn by the dialog resource TemplateId, whose
// controls carry the Ids of the frame's controls.
class TConfigFrame {
 public:
  TConfigFrame(std::string_view ClassName, int TemplateId);
  virtual ~TConfigFrame();
  TConfigFrame(const TConfigFrame&) = delete;
  TConfigFrame& operator=(const TConfigFrame&) = delete;

  const std::string& ClassName() const { return FClassName; }
  int TemplateId() const { return FTemplateId; }

  const std::vector<std::unique_ptr<TFrameControl>>& Controls() const { return FControls; }
  TFrameControl* FindControl(int Id) const;
  // The control with this Id as the type it has; a wrong Id is a programming error.
  template <typename TControl>
  TControl& Control(int Id) const;

  TFrameContainer* Parent() const { return FParent; }
  // Takes the frame out of its container and places it in Container (none: nowhere).
  void SetParent(TFrameContainer* Container);

  // The focus leaves the frame: what was typed into its edits takes effect, as when the user
  // moves on to another control. Run before the frame's values are read.
  void CommitEdits();

  // Set by whoever shows the frame: called after each change of a control.
  std::function<void(TFrameControl& Control)> OnControlChanged;

 protected:
  TLabelControl& AddLabel(int Id, TResString Caption);
  TButtonControl& AddButton(int Id, TResString Caption);
  TCheckControl& AddCheck(int Id, TResString Caption);
  TRadioControl& AddRadio(int Id, TResString Caption, int Group);
  TEditControl& AddEdit(int Id, TEditControl::TOptions Options = {});
  TUpDownControl& AddUpDown(int Id, TEditControl& Associate, TUpDownControl::TRange Range);
  TComboControl& AddCombo(int Id, bool ChooseOnly);
  TDateControl& AddDate(int Id, TDateTime Date);

 private:
  friend class TFrameControl;
  friend class TRadioControl;
  void ControlChanged(TFrameControl& Control);
  void RadioChecked(TRadioControl& Checked);

  template <typename TControl, typename... TArgs>
  TControl& Add(TArgs&&... Args);

  std::string FClassName;
  int FTemplateId;
  std::vector<std::unique_ptr<TFrameControl>> FControls;
  TFrameContainer* FParent = nullptr;
};

template <typename TControl>
TControl& TConfigFrame::Control(int Id) const {
  auto Found = dynamic_cast<TControl*>(FindControl(Id));
  if (!Found)
    throw std::out_of_range(FClassName + " has no control " + std::to_string(Id));
  return *Found;
}
