#include "app/uPlannerFrameList.h"

#include "app/uItemEditorStrings.h"
#include "core/uFormat.h"

// Ends the change bracket also when a frame raises inside it.
class TPlannerFrameList::TUpdate {
 public:
  explicit TUpdate(TPlannerFrameList& List) : FList(List) { FList.BeginUpdate(); }
  ~TUpdate() { FList.EndUpdate(); }
  TUpdate(const TUpdate&) = delete;
  TUpdate& operator=(const TUpdate&) = delete;

 private:
  TPlannerFrameList& FList;
};

TPlannerFrameList::~TPlannerFrameList() {
  OnChange = nullptr;
  Clear();
}

void TPlannerFrameList::Add(std::unique_ptr<TConfigFrame> Frame) {
  FFrames.push_back(std::move(Frame));
}

TConfigFrame* TPlannerFrameList::FindFrameFor(std::type_index ItemClass) const {
  for (const auto& Frame : FFrames) {
    auto Identity = dynamic_cast<const IPlannerFrame*>(Frame.get());
    if (Identity && Identity->GetItemClass() == ItemClass)
      return Frame.get();
  }
  return nullptr;
}

bool TPlannerFrameList::ShowFrameFor(const TPlannerItem& Item, TFrameContainer& Container) {
  TConfigFrame* Frame = FindFrameFor(Item.ItemClass());
  if (!Frame) {
    HideCurrent();
    return false;
  }
  ShowFrame(*Frame, Container);
  return true;
}

void TPlannerFrameList::ShowFrame(TConfigFrame& Frame, TFrameContainer& Container) {
  TUpdate Update(*this);
  HideCurrent();
  if (auto Visibility = dynamic_cast<IPlannerFrameVisibility*>(&Frame))
    Visibility->VisibilityChanging(false);
  FCurrent = &Frame;
  Frame.SetParent(&Container);
}

void TPlannerFrameList::HideFrame(TConfigFrame& Frame) {
  TUpdate Update(*this);
  if (auto Visibility = dynamic_cast<IPlannerFrameVisibility*>(&Frame))
    Visibility->VisibilityChanging(true);
  Frame.SetParent(nullptr);
  if (FCurrent == &Frame)
    FCurrent = nullptr;
}

void TPlannerFrameList::HideCurrent() {
  if (FCurrent)
    HideFrame(*FCurrent);
}

void TPlannerFrameList::LoadFrame(const TPlannerItem& Item) {
  if (auto Config = dynamic_cast<IPlannerFrameConfig*>(FindFrameFor(Item.ItemClass())))
    Config->LoadFromItem(Item);
}

void TPlannerFrameList::SaveFrame(TPlannerItem& Item) {
  if (auto Config = dynamic_cast<IPlannerFrameConfig*>(FindFrameFor(Item.ItemClass())))
    Config->SaveToItem(Item);
}

bool TPlannerFrameList::CurrentAcceptsFiles() const {
  return dynamic_cast<IPlannerFrameDropFiles*>(FCurrent) != nullptr;
}

void TPlannerFrameList::DropFiles(const std::vector<std::string>& FileNames) {
  if (auto Target = dynamic_cast<IPlannerFrameDropFiles*>(FCurrent))
    Target->DropFiles(FileNames);
}

void TPlannerFrameList::BeginUpdate() {
  ++FUpdateCount;
}

void TPlannerFrameList::EndUpdate() {
  if (--FUpdateCount == 0 && OnChange)
    OnChange(*this);
}

void TPlannerFrameList::Clear() {
  HideCurrent();
  FFrames.clear();
}

void TPlannerFrameClassList::Register(TPlannerFrameClass FrameClass) {
  if (!FrameClass.ImplementsPlannerFrame())
    throw EPlannerFrame(
        Format(ResStr(uplannerframelist::sframeclassnotcompatible), {FrameClass.ClassName()}));
  FClasses.push_back(std::move(FrameClass));
}

std::unique_ptr<TPlannerFrameList> TPlannerFrameClassList::CreateFrameList(
    const TPlannerFrameContext& Context) const {
  auto List = std::make_unique<TPlannerFrameList>();
  for (const auto& FrameClass : FClasses)
    List->Add(FrameClass.CreateFrame(Context));
  return List;
}
