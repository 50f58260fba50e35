#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "app/uConfigFrame.h"
#include "app/uPlannerFrame.h"
#include "core/uKoException.h"

class EPlannerFrame : public EKoException {
 public:
  using EKoException::EKoException;
};

// The frames of one item editor: one instance of every frame class, which keep their values for
// as long as the editor lives, and the one frame shown at present.
class TPlannerFrameList {
 public:
  TPlannerFrameList() = default;
  ~TPlannerFrameList();
  TPlannerFrameList(const TPlannerFrameList&) = delete;
  TPlannerFrameList& operator=(const TPlannerFrameList&) = delete;

  void Add(std::unique_ptr<TConfigFrame> Frame);

  // The first frame that edits exactly this class of item, or none.
  TConfigFrame* FindFrameFor(std::type_index ItemClass) const;
  // Shows the item's frame in Container and returns true; without one, hides the current frame
  // and returns false.
  bool ShowFrameFor(const TPlannerItem& Item, TFrameContainer& Container);
  // Replaces the current frame by Frame, also when it is the current frame already, so that it
  // refreshes what depends on the machine.
  void ShowFrame(TConfigFrame& Frame, TFrameContainer& Container);
  void HideFrame(TConfigFrame& Frame);
  void HideCurrent();

  void LoadFrame(const TPlannerItem& Item);
  void SaveFrame(TPlannerItem& Item);

  bool HasCurrentFrame() const { return FCurrent != nullptr; }
  bool CurrentAcceptsFiles() const;
  void DropFiles(const std::vector<std::string>& FileNames);

  // Changes between BeginUpdate and the matching EndUpdate reach OnChange once, at the end.
  void BeginUpdate();
  void EndUpdate();

  // Hides the current frame and frees every frame.
  void Clear();

  TConfigFrame* Current() const { return FCurrent; }
  const std::vector<std::unique_ptr<TConfigFrame>>& Frames() const { return FFrames; }
  int UpdateCount() const { return FUpdateCount; }

  std::function<void(TPlannerFrameList& Sender)> OnChange;

 private:
  class TUpdate;

  std::vector<std::unique_ptr<TConfigFrame>> FFrames;
  TConfigFrame* FCurrent = nullptr;
  int FUpdateCount = 0;
};

// A frame class as the editor registers it: its name, whether it can be a planner frame at all,
// and how an instance is made.
class TPlannerFrameClass {
 public:
  using TFactory = std::function<std::unique_ptr<TConfigFrame>(const TPlannerFrameContext&)>;

  TPlannerFrameClass(std::string ClassName, bool ImplementsPlannerFrame, TFactory Factory)
      : FClassName(std::move(ClassName)),
        FImplementsPlannerFrame(ImplementsPlannerFrame),
        FFactory(std::move(Factory)) {}

  // The class of a frame type that names itself with kClassName and is made from a context.
  template <typename TFrame>
  static TPlannerFrameClass Of();

  const std::string& ClassName() const { return FClassName; }
  bool ImplementsPlannerFrame() const { return FImplementsPlannerFrame; }
  std::unique_ptr<TConfigFrame> CreateFrame(const TPlannerFrameContext& Context) const {
    return FFactory(Context);
  }

 private:
  std::string FClassName;
  bool FImplementsPlannerFrame;
  TFactory FFactory;
};

// The frame classes an editor is built from, in the order they are registered.
class TPlannerFrameClassList {
 public:
  // Raises EPlannerFrame "Frame class "%s" is not compatible." for a class that cannot tell
  // which items it edits.
  void Register(TPlannerFrameClass FrameClass);
  // A new list with one new frame of every registered class, in registration order.
  std::unique_ptr<TPlannerFrameList> CreateFrameList(const TPlannerFrameContext& Context) const;

  const std::vector<TPlannerFrameClass>& Classes() const { return FClasses; }

 private:
  std::vector<TPlannerFrameClass> FClasses;
};

template <typename TFrame>
TPlannerFrameClass TPlannerFrameClass::Of() {
  static_assert(std::is_base_of_v<TConfigFrame, TFrame>);
  return TPlannerFrameClass(
      std::string(TFrame::kClassName), std::is_base_of_v<IPlannerFrame, TFrame>,
      [](const TPlannerFrameContext& Context) -> std::unique_ptr<TConfigFrame> {
        return std::make_unique<TFrame>(Context);
      });
}
