#include <gtest/gtest.h>

#include <vector>

#include "core/uPlannerActions.h"
#include "core/uPlannerEvents.h"
#include "platform/sim/uSimEventLoop.h"
#include "support/uTestKinds.h"

namespace {

// Records the order in which the base class calls the kind.
std::vector<std::string>& Calls() {
  static std::vector<std::string> Log;
  return Log;
}

class TTracedEvent : public TKoEventObject {
 public:
  using TKoEventObject::TKoEventObject;
  void SaveConfig(TQueryStr& Config) const override { Config.WriteInteger("Level", Level); }
  void LoadConfig(const TQueryStr& Config) override { Level = Config.ReadInteger("Level", -1); }
  std::string GetStatusText() const override { return {}; }
  int Level = 0;
  using TKoEventObject::SetTriggered;

 protected:
  void InitIdentity() override {
    Calls().push_back("InitIdentity");
    FID = "Traced";
  }
  void SetDefaults() override {
    Calls().push_back("SetDefaults");
    Level = 5;
  }
  void DoStart() override { Calls().push_back(Timer().Enabled() ? "DoStart enabled" : "DoStart"); }
  void DoStop() override { Calls().push_back("DoStop"); }
};

class ObjectModelTest : public ::testing::Test {
 protected:
  void SetUp() override { Calls().clear(); }
  TSimEventLoop Loop;
  TKoServices Services{Loop};
};

TEST_F(ObjectModelTest, CreateRunsInitIdentityThenSetDefaults) {
  auto Event = TKoEventObject::Create<TTracedEvent>(Services);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"InitIdentity", "SetDefaults"}));
  EXPECT_EQ(Event->ID(), "Traced");
  EXPECT_EQ(Event->Level, 5);
  EXPECT_FALSE(Event->Active());
  EXPECT_FALSE(Event->Triggered());
  EXPECT_FALSE(Event->Timer().Enabled());
  EXPECT_EQ(Event->Timer().Interval(), 1000u);
}

TEST_F(ObjectModelTest, StartResetsTriggeredSilentlyAndStopKeepsIt) {
  auto Event = TKoEventObject::Create<TTracedEvent>(Services);
  int Notified = 0;
  Event->OnTriggeredChange = [&](TKoEventObject& Sender) {
    EXPECT_EQ(&Sender, Event.get());
    ++Notified;
  };
  Event->SetTriggered(true);
  Event->SetTriggered(true);
  EXPECT_EQ(Notified, 1) << "a repeated verdict is not a change";

  Event->Start();
  EXPECT_FALSE(Event->Triggered());
  EXPECT_TRUE(Event->Active());
  EXPECT_EQ(Notified, 1) << "the reset at start is not reported";

  Event->SetTriggered(true);
  Event->Timer().SetEnabled(true);
  Event->Stop();
  EXPECT_TRUE(Event->Triggered());
  EXPECT_FALSE(Event->Active());
  EXPECT_FALSE(Event->Timer().Enabled());
  EXPECT_EQ(Notified, 2);
}

TEST_F(ObjectModelTest, CloneCopiesSettingsOnlyWhenAsked) {
  auto Event = TKoEventObject::Create<TTracedEvent>(Services);
  Event->Level = 42;
  Event->OnTriggeredChange = [](TKoEventObject&) {};
  Event->Start();

  auto WithConfig = Event->Clone(true);
  EXPECT_EQ(WithConfig->GetConfigText(), Event->GetConfigText());
  EXPECT_FALSE(WithConfig->Active());
  EXPECT_FALSE(WithConfig->OnTriggeredChange);

  auto Defaults = Event->Clone(false);
  EXPECT_EQ(Defaults->GetConfigText(), "LEVEL=5;");
}

TEST_F(ObjectModelTest, MalformedConfigurationTextRaisesAndKeepsSettings) {
  auto Event = TKoEventObject::Create<TTracedEvent>(Services);
  EXPECT_THROW(Event->SetConfigText("LEVEL=%zz;"), EQueryStr);
  EXPECT_EQ(Event->Level, 5);
  Event->SetConfigText("LEVEL=7;");
  EXPECT_EQ(Event->Level, 7);
}

TEST_F(ObjectModelTest, RunTurnsResultsAndErrorsIntoStatuses) {
  struct Case {
    const char* Result;
    bool Returned;
    TKoActionStatus Status;
    const char* Text;
  };
  const Case Cases[] = {
      {"ok", true, kasFinished, "Finished"},
      {"fail", false, kasError, "Error"},
      {"raise", false, kasError, "Error: broken x"},
  };
  for (const auto& C : Cases) {
    auto Action = TKoActionObject::Create<TTestAction>(Services);
    Action->SetConfigText(std::string("LABEL=x;RESULT=") + C.Result + ";");
    EXPECT_EQ(Action->Status(), kasNone);
    EXPECT_EQ(Action->GetStatusText(), "");
    TKoActionOutcome Outcome = kaoContinue;
    EXPECT_EQ(Action->Run(Outcome), C.Returned) << C.Result;
    EXPECT_EQ(Action->Status(), C.Status) << C.Result;
    EXPECT_EQ(Action->GetStatusText(), C.Text) << C.Result;
    Action->ResetStatus();
    EXPECT_EQ(Action->Status(), kasNone);
    EXPECT_EQ(Action->StatusMessage(), "");
  }
}

TEST_F(ObjectModelTest, RunShowsStartedWhileExecuting) {
  auto Action = TKoActionObject::Create<TTestAction>(Services);
  std::string SeenDuring;
  TestActionLog().DuringExecute = [&](const std::string&) { SeenDuring = Action->GetStatusText(); };
  EXPECT_TRUE(Action->Run());
  TestActionLog() = {};
  EXPECT_EQ(SeenDuring, "Started");
}

}  // namespace
