#include "app/uPlannerRows.h"

#include <gtest/gtest.h>

#include "support/uPlannerHost.h"

namespace {

class PlannerRowsTest : public ::testing::Test {
 protected:
  TPlannerHost Host;
  TPlannerRows& Rows = Host.Rows;
};

TEST_F(PlannerRowsTest, LogicStartsOnAllAndRefusesUnknownValues) {
  EXPECT_EQ(Rows.GetSelectedLogic(), kolALL);
  Rows.SetSelectedLogic(kol1BY1);
  for (int Bad : {7, 4, -1, 255}) {
    try {
      Rows.SetSelectedLogic(Bad);
      ADD_FAILURE() << Bad;
    } catch (const EKoException& Error) {
      EXPECT_EQ(std::string(Error.what()), "Unknown logic selected: " + std::to_string(Bad));
    }
  }
  EXPECT_EQ(Rows.GetSelectedLogic(), kol1BY1);
}

TEST_F(PlannerRowsTest, RowsShowNameAndDescriptionAndKeepIdentifierAndSettings) {
  auto Countdown = Host.Registry.CreateEvent("Countdown");
  Countdown->SetConfigText("TIME=0:05:00;");
  TKoEvents Events;
  Events.push_back(std::move(Countdown));
  Rows.SetEventRows(Events);
  ASSERT_EQ(Rows.EventRows().size(), 1u);
  const TItemRow& Row = Rows.EventRows()[0];
  EXPECT_EQ(Row.Caption, "Countdown");
  EXPECT_EQ(Row.Details, "Wait 0:05:00");
  EXPECT_EQ(Row.ID, "Countdown");
  EXPECT_EQ(Row.Config, "TIME=0:05:00;");
}

TEST_F(PlannerRowsTest, ObjectsAreIndependentCopiesAndUnknownKindsAreSkipped) {
  Host.AddCountdown(30);
  Rows.EventRows().push_back({{}, {}, {}, "X=1;", "NoSuchKind"});
  Host.AddCountdown(60);
  TKoEvents First = Rows.GetEventObjects();
  TKoEvents Second = Rows.GetEventObjects();
  ASSERT_EQ(First.size(), 2u);
  EXPECT_EQ(First[0]->GetConfigText(), "TIME=0:00:30;");
  EXPECT_EQ(First[1]->GetConfigText(), "TIME=0:01:00;");
  EXPECT_NE(First[0].get(), Second[0].get());
  EXPECT_NE(First[0].get(), Host.Registry.GetEventKind("Countdown")) << "never the prototype";
}

}  // namespace
