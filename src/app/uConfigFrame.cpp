#include "app/uConfigFrame.h"

TConfigFrame::TConfigFrame(std::string_view ClassName, int TemplateId)
    : FClassName(ClassName), FTemplateId(TemplateId) {}

TConfigFrame::~TConfigFrame() {
  OnControlChanged = nullptr;
  SetParent(nullptr);
}

TFrameControl* TConfigFrame::FindControl(int Id) const {
  for (const auto& Control : FControls)
    if (Control->Id() == Id)
      return Control.get();
  return nullptr;
}

void TConfigFrame::SetParent(TFrameContainer* Container) {
  if (FParent == Container)
    return;
  if (FParent) {
    TFrameContainer* Old = FParent;
    FParent = nullptr;
    Old->RemoveFrame(*this);
  }
  if (Container) {
    FParent = Container;
    Container->InsertFrame(*this);
  }
}

void TConfigFrame::CommitEdits() {
  for (const auto& Control : FControls)
    if (auto Edit = dynamic_cast<TEditControl*>(Control.get()))
      Edit->Exit();
}

void TConfigFrame::ControlChanged(TFrameControl& Control) {
  if (OnControlChanged)
    OnControlChanged(Control);
}

void TConfigFrame::RadioChecked(TRadioControl& Checked) {
  for (const auto& Control : FControls) {
    auto Radio = dynamic_cast<TRadioControl*>(Control.get());
    if (Radio && Radio != &Checked && Radio->Group() == Checked.Group())
      Radio->Uncheck();
  }
}

template <typename TControl, typename... TArgs>
TControl& TConfigFrame::Add(TArgs&&... Args) {
  auto Control = std::make_unique<TControl>(*this, std::forward<TArgs>(Args)...);
  TControl& Result = *Control;
  FControls.push_back(std::move(Control));
  return Result;
}

TLabelControl& TConfigFrame::AddLabel(int Id, TResString Caption) {
  return Add<TLabelControl>(Id, Caption);
}

TButtonControl& TConfigFrame::AddButton(int Id, TResString Caption) {
  return Add<TButtonControl>(Id, Caption);
}

TCheckControl& TConfigFrame::AddCheck(int Id, TResString Caption) {
  return Add<TCheckControl>(Id, Caption);
}

TRadioControl& TConfigFrame::AddRadio(int Id, TResString Caption, int Group) {
  return Add<TRadioControl>(Id, Caption, Group);
}

TEditControl& TConfigFrame::AddEdit(int Id, TEditControl::TOptions Options) {
  return Add<TEditControl>(Id, Options);
}

TUpDownControl& TConfigFrame::AddUpDown(int Id, TEditControl& Associate,
                                        TUpDownControl::TRange Range) {
  return Add<TUpDownControl>(Id, Associate, Range);
}

TComboControl& TConfigFrame::AddCombo(int Id, bool ChooseOnly) {
  return Add<TComboControl>(Id, ChooseOnly);
}

TDateControl& TConfigFrame::AddDate(int Id, TDateTime Date) {
  return Add<TDateControl>(Id, Date);
}
