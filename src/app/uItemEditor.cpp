#include "app/uItemEditor.h"

#include "app/uItemEditorStrings.h"
#include "app/uPlannerFrames.h"
#include "core/uFormat.h"

void TFrameSlot::InsertFrame(TConfigFrame& Frame) {
  FFrame = &Frame;
  if (OnInsert)
    OnInsert(Frame);
}

void TFrameSlot::RemoveFrame(TConfigFrame& Frame) {
  if (FFrame == &Frame)
    FFrame = nullptr;
  if (OnRemove)
    OnRemove(Frame);
}

TItemEditor::TItemEditor(const TKoKindRegistry& Registry, const TPlannerFrameContext& Context)
    : FRegistry(Registry) {
  {
    TPlannerFrameClassList Classes;
    RegisterPlannerFrames(Classes);
    FFrameList = Classes.CreateFrameList(Context);
  }
  FFrameList->OnChange = [this](TPlannerFrameList&) { UpdateDialog(); };
  UpdateDialog();
  // Fresh objects rather than the prototypes: the main window uses those as scratch objects,
  // and the frames must start from the kinds' defaults.
  for (const auto& Kind : FRegistry.EventKinds()) {
    auto Defaults = Kind->Clone(false);
    FFrameList->LoadFrame(TPlannerItem(*Defaults));
  }
  for (const auto& Kind : FRegistry.ActionKinds()) {
    auto Defaults = Kind->Clone(false);
    FFrameList->LoadFrame(TPlannerItem(*Defaults));
  }
}

TItemEditor::~TItemEditor() {
  OnUpdate = nullptr;
  FFrameList->OnChange = nullptr;
  FFrameList->Clear();
}

void TItemEditor::PrepareAddEvent() {
  FillKinds(itEvent);
  SetMode(false, itEvent);
  ShowKind(FLastEventKind);
}

void TItemEditor::PrepareAddAction() {
  FillKinds(itAction);
  SetMode(false, itAction);
  ShowKind(FLastActionKind);
}

void TItemEditor::PrepareEditEvent(TKoEventObject& Event) {
  FillKinds(itEvent);
  SetMode(true, itEvent);
  TPlannerItem Item(Event);
  ShowItem(Item, FRegistry.FindEventKind(Event.ID()));
  FFrameList->LoadFrame(Item);
}

void TItemEditor::PrepareEditAction(TKoActionObject& Action) {
  FillKinds(itAction);
  SetMode(true, itAction);
  TPlannerItem Item(Action);
  ShowItem(Item, FRegistry.FindActionKind(Action.ID()));
  FFrameList->LoadFrame(Item);
}

TKoEventObject* TItemEditor::GetEvent() {
  const auto& Kinds = FRegistry.EventKinds();
  if (FItemType != itEvent || FSelectedKind < 0 || FSelectedKind >= static_cast<int>(Kinds.size()))
    return nullptr;
  TKoEventObject& Prototype = *Kinds[static_cast<std::size_t>(FSelectedKind)];
  if (FFrameList->Current())
    FFrameList->Current()->CommitEdits();
  TPlannerItem Item(Prototype);
  FFrameList->SaveFrame(Item);
  return &Prototype;
}

TKoActionObject* TItemEditor::GetAction() {
  const auto& Kinds = FRegistry.ActionKinds();
  if (FItemType != itAction || FSelectedKind < 0 || FSelectedKind >= static_cast<int>(Kinds.size()))
    return nullptr;
  TKoActionObject& Prototype = *Kinds[static_cast<std::size_t>(FSelectedKind)];
  if (FFrameList->Current())
    FFrameList->Current()->CommitEdits();
  TPlannerItem Item(Prototype);
  FFrameList->SaveFrame(Item);
  return &Prototype;
}

void TItemEditor::PrepareAdd(int Type) {
  if (Type == itEvent)
    PrepareAddEvent();
  else if (Type == itAction)
    PrepareAddAction();
  else
    FillKinds(Type);  // raises
}

bool TItemEditor::PrepareEdit(int Type, const TItemRow& Row) {
  if (Type == itEvent) {
    TKoEventObject* Prototype = FRegistry.GetEventKind(Row.ID);
    if (!Prototype)
      return false;
    Prototype->SetConfigText(Row.Config);
    PrepareEditEvent(*Prototype);
    return true;
  }
  if (Type == itAction) {
    TKoActionObject* Prototype = FRegistry.GetActionKind(Row.ID);
    if (!Prototype)
      return false;
    Prototype->SetConfigText(Row.Config);
    PrepareEditAction(*Prototype);
    return true;
  }
  FillKinds(Type);  // raises
  return false;
}

std::optional<TItemRow> TItemEditor::ResultRow() {
  if (FItemType == itEvent) {
    if (TKoEventObject* Event = GetEvent())
      return TPlannerRows::RowOf(*Event);
  } else if (FItemType == itAction) {
    if (TKoActionObject* Action = GetAction())
      return TPlannerRows::RowOf(*Action);
  }
  return std::nullopt;
}

void TItemEditor::KindClicked(int Index) {
  if (Index < 0 || Index >= static_cast<int>(FKindNames.size()) || FEditMode)
    return;
  FSelectedKind = Index;
  ShowKind(Index);
}

void TItemEditor::DropFiles(const std::vector<std::string>& FileNames) {
  FFrameList->DropFiles(FileNames);
}

void TItemEditor::FillKinds(int Type) {
  if (Type != itAction && Type != itEvent)
    throw EKoException(Format(ResStr(itemsform::snotsupporteditemtype), {std::to_string(Type)}));
  FItemType = Type;
  FKindNames.clear();
  if (Type == itEvent)
    for (const auto& Kind : FRegistry.EventKinds())
      FKindNames.push_back(Kind->Name());
  else
    for (const auto& Kind : FRegistry.ActionKinds())
      FKindNames.push_back(Kind->Name());
  const int Last = Type == itEvent ? FLastEventKind : FLastActionKind;
  FSelectedKind = Last < static_cast<int>(FKindNames.size()) ? Last : -1;
  Updated();
}

void TItemEditor::SetMode(bool Edit, int Type) {
  FEditMode = Edit;
  FSaveCaption = ResStr(Edit ? ustrings::msg_name_save : ustrings::msg_name_add);
  if (Type == itAction)
    FCaption = ResStr(Edit ? ustrings::msg_edit_action : ustrings::msg_add_action);
  else
    FCaption = ResStr(Edit ? ustrings::msg_edit_event : ustrings::msg_add_event);
  Updated();
}

void TItemEditor::ShowKind(int Index) {
  if (FItemType == itEvent) {
    const auto& Kinds = FRegistry.EventKinds();
    if (Index < 0 || Index >= static_cast<int>(Kinds.size()))
      return;
    FLastEventKind = Index;
    FFrameList->ShowFrameFor(TPlannerItem(*Kinds[static_cast<std::size_t>(Index)]), FConfigBox);
  } else {
    const auto& Kinds = FRegistry.ActionKinds();
    if (Index < 0 || Index >= static_cast<int>(Kinds.size()))
      return;
    FLastActionKind = Index;
    FFrameList->ShowFrameFor(TPlannerItem(*Kinds[static_cast<std::size_t>(Index)]), FConfigBox);
  }
}

void TItemEditor::ShowItem(const TPlannerItem& Item, int KindIndex) {
  FFrameList->ShowFrameFor(Item, FConfigBox);
  if (KindIndex < 0)
    return;
  if (FItemType == itEvent)
    FLastEventKind = KindIndex;
  else
    FLastActionKind = KindIndex;
  FSelectedKind = KindIndex;
  Updated();
}

void TItemEditor::UpdateDialog() {
  FNoConfigurationVisible = !FFrameList->HasCurrentFrame();
  FAcceptsFiles = FFrameList->CurrentAcceptsFiles();
  Updated();
}

void TItemEditor::Updated() {
  if (OnUpdate)
    OnUpdate();
}
