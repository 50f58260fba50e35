// The frame registry and the frames of one editor: which classes register and in which order,
// which frame is shown, the change brackets and the frames' optional abilities.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/uPlannerFrameList.h"
#include "app/uPlannerFrames.h"
#include "events/uEventCountdown.h"
#include "events/uEventFileSize.h"
#include "events/uEventOnTime.h"
#include "events/uEventWeekly.h"
#include "uFramesHost.h"

namespace {

// Frames of any behaviour a test needs, logging what the list asks of them.
std::vector<std::string> Log;

class TPlainFrame : public TConfigFrame {
 public:
  static constexpr std::string_view kClassName = "TPlainFrame";
  explicit TPlainFrame(const TPlannerFrameContext&) : TConfigFrame(kClassName, 1) {}
};

template <typename TItem>
class TItemFrame : public TConfigFrame, public IPlannerFrame, public IPlannerFrameConfig {
 public:
  TItemFrame(std::string_view Name) : TConfigFrame(Name, 1) {}
  std::type_index GetItemClass() const override { return typeid(TItem); }
  void LoadFromItem(const TPlannerItem& Item) override { Log.push_back("load " + Item.ID()); }
  void SaveToItem(TPlannerItem& Item) override { Log.push_back("save " + Item.ID()); }
};

class TCountdownFrame : public TItemFrame<TKoEventCountdown>, public IPlannerFrameVisibility {
 public:
  static constexpr std::string_view kClassName = "TCountdownFrame";
  explicit TCountdownFrame(const TPlannerFrameContext&) : TItemFrame(kClassName) {}
  void VisibilityChanging(bool Hiding) override {
    Log.push_back(std::string(Hiding ? "hiding " : "showing ") + ClassName());
  }
};

class TSecondCountdownFrame : public TItemFrame<TKoEventCountdown> {
 public:
  static constexpr std::string_view kClassName = "TSecondCountdownFrame";
  explicit TSecondCountdownFrame(const TPlannerFrameContext&) : TItemFrame(kClassName) {}
};

class TFileFrame : public TItemFrame<TKoEventFileSize>, public IPlannerFrameDropFiles {
 public:
  static constexpr std::string_view kClassName = "TFileFrame";
  explicit TFileFrame(const TPlannerFrameContext&) : TItemFrame(kClassName) {}
  void DropFiles(const std::vector<std::string>& Names) override {
    Log.push_back("drop " + std::to_string(Names.size()));
  }
};

// Records what is placed in it.
class TTestContainer final : public TFrameContainer {
 public:
  void InsertFrame(TConfigFrame& Frame) override { Log.push_back("insert " + Frame.ClassName()); }
  void RemoveFrame(TConfigFrame& Frame) override { Log.push_back("remove " + Frame.ClassName()); }
};

class PlannerFrameListTest : public ::testing::Test {
 protected:
  PlannerFrameListTest() {
    Log.clear();
    TPlannerFrameClassList Classes;
    Classes.Register(TPlannerFrameClass::Of<TCountdownFrame>());
    Classes.Register(TPlannerFrameClass::Of<TSecondCountdownFrame>());
    Classes.Register(TPlannerFrameClass::Of<TFileFrame>());
    List = Classes.CreateFrameList(Host.Context);
    List->OnChange = [this](TPlannerFrameList&) { Log.push_back("change"); };
  }
  ~PlannerFrameListTest() override { Log.clear(); }

  TConfigFrame& Frame(std::size_t Index) { return *List->Frames()[Index]; }

  TFramesHost Host;
  std::unique_ptr<TPlannerFrameList> List;
  TTestContainer Box;
  std::unique_ptr<TKoEventObject> Countdown = Host.Registry.CreateEvent("Countdown");
  std::unique_ptr<TKoEventObject> FileSize = Host.Registry.CreateEvent("FileSizeLimit");
  std::unique_ptr<TKoEventObject> Weekly = Host.Registry.CreateEvent("Weekly");
};

TEST(PlannerFrameClassListTest, RefusesAClassThatCannotTellWhichItemsItEdits) {
  TPlannerFrameClassList Classes;
  try {
    Classes.Register(TPlannerFrameClass::Of<TPlainFrame>());
    FAIL() << "registered";
  } catch (const EPlannerFrame& Error) {
    EXPECT_STREQ(Error.what(), "Frame class \"TPlainFrame\" is not compatible.");
  }
  EXPECT_TRUE(Classes.Classes().empty());
}

TEST(PlannerFrameClassListTest, TheProgramRegistersActionFramesThenEventFramesInTheirOrder) {
  TPlannerFrameClassList Classes;
  RegisterPlannerFrames(Classes);
  std::vector<std::string> Names;
  for (const auto& FrameClass : Classes.Classes())
    Names.push_back(FrameClass.ClassName());
  const std::vector<std::string> Expected = {
      "TForm_ActionCloseWindow",  "TForm_ActionHibernate",  "TForm_ActionKillProcess",
      "TForm_ActionLogoff",       "TForm_ActionMessage",    "TForm_ActionMonitor",
      "TForm_ActionOpenFile",     "TForm_ActionPlaySound",  "TForm_ActionReboot",
      "TForm_ActionRunPreset",    "TForm_ActionRunProgram", "TForm_ActionScreenSaver",
      "TForm_ActionScreenshot",   "TForm_ActionShutdown",   "TForm_ActionSleep",
      "TForm_ActionUtilities",    "TForm_ActionVolume",     "TForm_EventBattery",
      "TForm_EventCountdown",     "TForm_EventCPUUsage",    "TForm_EventFileSize",
      "TForm_EventHardDiskUsage", "TForm_EventLid",         "TForm_EventNetworkUsage",
      "TForm_EventOnTime",        "TForm_EventPingStops",   "TForm_EventProcess",
      "TForm_EventUserInactive",  "TForm_EventWeekly",      "TForm_EventWinampStops",
      "TForm_EventWindow",
  };
  EXPECT_EQ(Names, Expected);

  // One frame per kind, each for its own kind, and none for the kinds without settings.
  TFramesHost Host;
  auto List = Classes.CreateFrameList(Host.Context);
  ASSERT_EQ(List->Frames().size(), Expected.size());
  for (std::size_t I = 0; I < Expected.size(); ++I)
    EXPECT_EQ(List->Frames()[I]->ClassName(), Expected[I]);
  int Framed = 0;
  for (const auto& Kind : Host.Registry.EventKinds())
    Framed += List->FindFrameFor(typeid(*Kind)) != nullptr;
  for (const auto& Kind : Host.Registry.ActionKinds()) {
    const bool HasFrame = List->FindFrameFor(typeid(*Kind)) != nullptr;
    const bool WithoutSettings =
        Kind->ID() == "Lock" || Kind->ID() == "HangUp" || Kind->ID() == "Alarm";
    EXPECT_NE(HasFrame, WithoutSettings) << Kind->ID();
    Framed += HasFrame;
  }
  EXPECT_EQ(Framed, static_cast<int>(Expected.size()));
}

TEST_F(PlannerFrameListTest, FindsTheFirstFrameForExactlyTheItemsClass) {
  EXPECT_EQ(List->FindFrameFor(typeid(TKoEventCountdown)), &Frame(0));
  EXPECT_EQ(List->FindFrameFor(typeid(TKoEventFileSize)), &Frame(2));
  EXPECT_EQ(List->FindFrameFor(typeid(TKoEventWeekly)), nullptr);
  EXPECT_EQ(List->FindFrameFor(typeid(TKoEventObject)), nullptr) << "a base class is not a match";
}

TEST_F(PlannerFrameListTest, ShowingReplacesTheCurrentFrameInsideOneChangeBracket) {
  EXPECT_TRUE(List->ShowFrameFor(TPlannerItem(*Countdown), Box));
  EXPECT_EQ(List->Current(), &Frame(0));
  EXPECT_EQ(Log, (std::vector<std::string>{"showing TCountdownFrame", "insert TCountdownFrame",
                                           "change"}));
  Log.clear();
  EXPECT_TRUE(List->ShowFrameFor(TPlannerItem(*FileSize), Box));
  EXPECT_EQ(Log, (std::vector<std::string>{"hiding TCountdownFrame", "remove TCountdownFrame",
                                           "insert TFileFrame", "change"}));
  EXPECT_EQ(Frame(0).Parent(), nullptr);
  EXPECT_EQ(Frame(2).Parent(), &Box);
  EXPECT_EQ(List->UpdateCount(), 0);
}

TEST_F(PlannerFrameListTest, ShowingTheCurrentFrameAgainHidesAndShowsItSoItRefreshes) {
  List->ShowFrameFor(TPlannerItem(*Countdown), Box);
  Log.clear();
  List->ShowFrameFor(TPlannerItem(*Countdown), Box);
  EXPECT_EQ(Log, (std::vector<std::string>{"hiding TCountdownFrame", "remove TCountdownFrame",
                                           "showing TCountdownFrame", "insert TCountdownFrame",
                                           "change"}));
}

TEST_F(PlannerFrameListTest, AnItemWithoutFrameHidesTheCurrentOne) {
  List->ShowFrameFor(TPlannerItem(*Countdown), Box);
  Log.clear();
  EXPECT_FALSE(List->ShowFrameFor(TPlannerItem(*Weekly), Box));
  EXPECT_FALSE(List->HasCurrentFrame());
  EXPECT_EQ(Log, (std::vector<std::string>{"hiding TCountdownFrame", "remove TCountdownFrame",
                                           "change"}));
  Log.clear();
  EXPECT_FALSE(List->ShowFrameFor(TPlannerItem(*Weekly), Box));
  EXPECT_TRUE(Log.empty()) << "nothing to hide, nothing changes";
}

TEST_F(PlannerFrameListTest, ChangeBracketsNestAndReportOnceAtTheEnd) {
  List->BeginUpdate();
  List->BeginUpdate();
  List->ShowFrameFor(TPlannerItem(*Countdown), Box);
  List->HideCurrent();
  List->EndUpdate();
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "change"), 0);
  List->EndUpdate();
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "change"), 1);
}

TEST_F(PlannerFrameListTest, LoadAndSaveReachTheItemsFrameWhetherShownOrNot) {
  List->LoadFrame(TPlannerItem(*FileSize));
  TPlannerItem Item(*Countdown);
  List->SaveFrame(Item);
  TPlannerItem Unframed(*Weekly);
  List->SaveFrame(Unframed);
  EXPECT_EQ(Log, (std::vector<std::string>{"load FileSizeLimit", "save Countdown"}));
}

TEST_F(PlannerFrameListTest, DroppedFilesReachOnlyAShownFrameThatTakesThem) {
  EXPECT_FALSE(List->CurrentAcceptsFiles());
  List->DropFiles({"a"});
  List->ShowFrameFor(TPlannerItem(*Countdown), Box);
  EXPECT_FALSE(List->CurrentAcceptsFiles());
  List->DropFiles({"a"});
  List->ShowFrameFor(TPlannerItem(*FileSize), Box);
  EXPECT_TRUE(List->CurrentAcceptsFiles());
  Log.clear();
  List->DropFiles({"a", "b"});
  EXPECT_EQ(Log, (std::vector<std::string>{"drop 2"}));
}

TEST_F(PlannerFrameListTest, ClearingHidesTheCurrentFrameAndFreesAll) {
  List->ShowFrameFor(TPlannerItem(*Countdown), Box);
  Log.clear();
  List->Clear();
  EXPECT_TRUE(List->Frames().empty());
  EXPECT_EQ(List->Current(), nullptr);
  EXPECT_EQ(Log, (std::vector<std::string>{"hiding TCountdownFrame", "remove TCountdownFrame",
                                           "change"}));
}

}  // namespace
