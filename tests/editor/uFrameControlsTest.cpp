// The controls frames are built from: numbers typed into edits, up-downs that clamp or wrap,
// digits-only and line-break-free edits, radio groups, and lists.

#include <gtest/gtest.h>

#include <climits>

#include "app/uConfigFrame.h"

namespace {

// A frame made of whatever a test adds to it; counts the changes the view would be told of.
class TTestFrame : public TConfigFrame {
 public:
  TTestFrame() : TConfigFrame("TTestFrame", 1) {
    OnControlChanged = [this](TFrameControl&) { ++Changes; };
  }
  using TConfigFrame::AddCheck;
  using TConfigFrame::AddCombo;
  using TConfigFrame::AddEdit;
  using TConfigFrame::AddRadio;
  using TConfigFrame::AddUpDown;
  int Changes = 0;
};

TEST(EditTextToIntTest, ReadsNumbersAndFallsBackOnAnythingElse) {
  struct TCase {
    const char* Text;
    int Expected;
  };
  const TCase Cases[] = {
      {"42", 42},
      {"  7 ", 7},
      {"-3", -3},
      {"+5", 5},
      {"", -1},
      {"12a", -1},
      {"1 2", -1},
      {"-", -1},
      {"0x10", -1},
      {"2147483647", INT_MAX},
      {"99999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-99999999999", INT_MIN},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(EditTextToInt(Case.Text, -1), Case.Expected) << '"' << Case.Text << '"';
  EXPECT_EQ(EditTextToInt64("5368709120", 0), 5368709120LL);
  EXPECT_EQ(EditTextToInt64("99999999999999999999", 0), INT64_MAX);
}

TEST(EditControlTest, DigitsOnlyAndMultilineEditsFilterTypedCharacters) {
  TTestFrame Frame;
  auto& Digits = Frame.AddEdit(10, TEditControl::Digits());
  auto& Memo = Frame.AddEdit(11, TEditControl::Memo());
  auto& Plain = Frame.AddEdit(12);
  for (char32_t C : {U'0', U'5', U'9', char32_t{8}})
    EXPECT_TRUE(Digits.AcceptsChar(C)) << static_cast<int>(C);
  for (char32_t C : {U'a', U'-', U' ', U'\r', char32_t{22}, U'٣'})
    EXPECT_FALSE(Digits.AcceptsChar(C)) << static_cast<int>(C);
  EXPECT_FALSE(Memo.AcceptsChar(U'\r'));
  EXPECT_FALSE(Memo.AcceptsChar(U'\n'));
  EXPECT_TRUE(Memo.AcceptsChar(U'x'));
  EXPECT_TRUE(Plain.AcceptsChar(U'\r'));
}

TEST(UpDownControlTest, PositionStaysInRangeAndTheEditShowsIt) {
  TTestFrame Frame;
  auto& Edit = Frame.AddEdit(10, TEditControl::Digits());
  auto& UpDown = Frame.AddUpDown(11, Edit, {1, 99, false});
  EXPECT_EQ(UpDown.Position(), 1);
  EXPECT_EQ(Edit.Text(), "1");
  UpDown.SetPosition(150);
  EXPECT_EQ(UpDown.Position(), 99);
  EXPECT_EQ(Edit.Text(), "99");
  UpDown.SetPosition(-4);
  EXPECT_EQ(Edit.Text(), "1");
}

TEST(UpDownControlTest, LeavingTheEditTakesItsNumberAndNonNumbersCountAsZero) {
  struct TCase {
    const char* Typed;
    int Min, Max;
    const char* Shown;
  };
  const TCase Cases[] = {
      {"42", 0, 100, "42"}, {"", 0, 100, "0"},      {"abc", 0, 100, "0"},
      {"", 1, 100, "1"},    {"250", 1, 100, "100"}, {"99999999999", 0, 10000, "10000"},
  };
  for (const auto& Case : Cases) {
    TTestFrame Frame;
    auto& Edit = Frame.AddEdit(10);
    auto& UpDown = Frame.AddUpDown(11, Edit, {Case.Min, Case.Max, false});
    Edit.UserSetText(Case.Typed);
    EXPECT_EQ(Edit.Text(), Case.Typed) << "nothing changes before the edit is left";
    Edit.Exit();
    EXPECT_EQ(Edit.Text(), Case.Shown) << Case.Typed;
    EXPECT_EQ(UpDown.Position(), std::stoi(Case.Shown));
  }
}

TEST(UpDownControlTest, StepsWrapAroundOnlyWhenAskedTo) {
  struct TCase {
    bool Wrap;
    int From, Delta, Expected;
  };
  const TCase Cases[] = {
      {true, 59, +1, 0},   {true, 0, -1, 59}, {true, 30, +1, 31},
      {false, 59, +1, 59}, {false, 0, -1, 0},
  };
  for (const auto& Case : Cases) {
    TTestFrame Frame;
    auto& Edit = Frame.AddEdit(10);
    auto& UpDown = Frame.AddUpDown(11, Edit, {0, 59, Case.Wrap});
    UpDown.SetPosition(Case.From);
    UpDown.Step(Case.Delta);
    EXPECT_EQ(UpDown.Position(), Case.Expected) << Case.Wrap << ' ' << Case.From;
  }
}

TEST(UpDownControlTest, StepCountsFromWhatWasTypedWithoutLeavingTheEdit) {
  TTestFrame Frame;
  auto& Edit = Frame.AddEdit(10);
  auto& UpDown = Frame.AddUpDown(11, Edit, {0, 23, true});
  Edit.UserSetText("7");
  UpDown.Step(+1);
  EXPECT_EQ(UpDown.Position(), 8);
  Edit.UserSetText("junk");
  UpDown.Step(-1);
  EXPECT_EQ(UpDown.Position(), 7) << "a non-number steps from the last position";
}

TEST(RadioControlTest, CheckingOneUnchecksTheOthersOfItsGroupOnly) {
  TTestFrame Frame;
  auto& A = Frame.AddRadio(10, {}, 0);
  auto& B = Frame.AddRadio(11, {}, 0);
  auto& Other = Frame.AddRadio(12, {}, 1);
  int Clicks = 0;
  B.OnClick = [&] { ++Clicks; };
  A.SetChecked(true);
  Other.SetChecked(true);
  B.UserCheck();
  EXPECT_FALSE(A.Checked());
  EXPECT_TRUE(B.Checked());
  EXPECT_TRUE(Other.Checked());
  EXPECT_EQ(Clicks, 1);
  A.SetChecked(true);
  EXPECT_EQ(Clicks, 1) << "the logic's own changes raise no click";
}

TEST(ComboControlTest, ChooseOnlyListsSelectItemsAndFreeTextKeepsWhatWasTyped) {
  TTestFrame Frame;
  auto& List = Frame.AddCombo(10, true);
  List.SetItems({"one", "two"});
  List.SetItemIndex(1);
  EXPECT_EQ(List.Text(), "two");
  List.SetText("three");
  EXPECT_EQ(List.ItemIndex(), -1);
  EXPECT_EQ(List.Text(), "");
  List.SetItemIndex(7);
  EXPECT_EQ(List.ItemIndex(), -1);

  auto& Free = Frame.AddCombo(11, false);
  Free.UserSetText("typed");
  Free.SetItems({"a", "b"});
  EXPECT_EQ(Free.Text(), "typed") << "refilling the suggestions keeps the text";
  Free.UserSelect(0);
  EXPECT_EQ(Free.Text(), "a");
}

TEST(ConfigFrameTest, ChangesReachTheViewOnlyWhenSomethingChanged) {
  TTestFrame Frame;
  auto& Check = Frame.AddCheck(10, {});
  const int Before = Frame.Changes;
  Check.SetChecked(false);
  Check.SetEnabled(true);
  EXPECT_EQ(Frame.Changes, Before);
  Check.SetChecked(true);
  Check.SetVisible(false);
  EXPECT_EQ(Frame.Changes, Before + 2);
  EXPECT_THROW(Frame.Control<TEditControl>(10), std::out_of_range);
}

}  // namespace
