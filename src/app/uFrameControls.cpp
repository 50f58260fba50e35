#include "app/uFrameControls.h"

#include <algorithm>
#include <limits>

#include "app/uConfigFrame.h"

namespace {

bool IsBlank(char C) {
  return C == ' ' || C == '\t';
}

template <typename TInt>
TInt ParseInteger(std::string_view Text, TInt Default) {
  while (!Text.empty() && IsBlank(Text.front()))
    Text.remove_prefix(1);
  while (!Text.empty() && IsBlank(Text.back()))
    Text.remove_suffix(1);
  bool Negative = false;
  if (!Text.empty() && (Text.front() == '-' || Text.front() == '+')) {
    Negative = Text.front() == '-';
    Text.remove_prefix(1);
  }
  if (Text.empty())
    return Default;
  // Accumulated as a negative number so that the lowest value fits too.
  constexpr TInt Lowest = std::numeric_limits<TInt>::min();
  TInt Value = 0;
  bool Saturated = false;
  for (char C : Text) {
    if (C < '0' || C > '9')
      return Default;
    const TInt Digit = C - '0';
    if (Saturated || Value < (Lowest + Digit) / 10) {
      Saturated = true;
      continue;
    }
    Value = Value * 10 - Digit;
  }
  if (Saturated)
    return Negative ? Lowest : std::numeric_limits<TInt>::max();
  if (!Negative)
    return Value == Lowest ? std::numeric_limits<TInt>::max() : -Value;
  return Value;
}

}  // namespace

int EditTextToInt(std::string_view Text, int Default) {
  return ParseInteger<int>(Text, Default);
}

std::int64_t EditTextToInt64(std::string_view Text, std::int64_t Default) {
  return ParseInteger<std::int64_t>(Text, Default);
}

// --- TFrameControl

TFrameControl::TFrameControl(TConfigFrame& Owner, int Id, TResString Caption)
    : FOwner(Owner), FId(Id), FCaption(Caption) {}

std::string TFrameControl::Caption() const {
  return HasCaption() ? ResStr(FCaption) : std::string();
}

void TFrameControl::SetEnabled(bool Value) {
  if (FEnabled == Value)
    return;
  FEnabled = Value;
  Changed();
}

void TFrameControl::SetVisible(bool Value) {
  if (FVisible == Value)
    return;
  FVisible = Value;
  Changed();
}

void TFrameControl::Changed() {
  FOwner.ControlChanged(*this);
}

void TLabelControl::SetHighlighted(bool Value) {
  if (FHighlighted == Value)
    return;
  FHighlighted = Value;
  Changed();
}

void TButtonControl::Click() {
  if (Enabled() && Visible() && OnClick)
    OnClick();
}

void TCheckControl::SetChecked(bool Value) {
  if (FChecked == Value)
    return;
  FChecked = Value;
  Changed();
}

void TCheckControl::UserSetChecked(bool Value) {
  SetChecked(Value);
  if (OnClick)
    OnClick();
}

// --- TRadioControl

TRadioControl::TRadioControl(TConfigFrame& Owner, int Id, TResString Caption, int Group)
    : TFrameControl(Owner, Id, Caption), FGroup(Group) {}

void TRadioControl::SetChecked(bool Value) {
  if (FChecked == Value)
    return;
  FChecked = Value;
  if (Value)
    Owner().RadioChecked(*this);
  Changed();
}

void TRadioControl::UserCheck() {
  SetChecked(true);
  if (OnClick)
    OnClick();
}

void TRadioControl::Uncheck() {
  if (!FChecked)
    return;
  FChecked = false;
  Changed();
}

// --- TEditControl

TEditControl::TEditControl(TConfigFrame& Owner, int Id, TOptions Options)
    : TFrameControl(Owner, Id, {}), FOptions(Options) {}

void TEditControl::SetText(std::string Text) {
  if (FText == Text)
    return;
  FText = std::move(Text);
  Changed();
}

bool TEditControl::AcceptsChar(char32_t Char) const {
  constexpr char32_t Backspace = 8;
  if (FOptions.DigitsOnly)
    return (Char >= U'0' && Char <= U'9') || Char == Backspace;
  if (FOptions.Multiline)
    return Char != U'\r' && Char != U'\n';
  return true;
}

void TEditControl::UserSetText(std::string Text) {
  SetText(std::move(Text));
  if (OnChange)
    OnChange();
}

void TEditControl::Exit() {
  if (FUpDown)
    FUpDown->SetPosition(EditTextToInt(FText, 0));
  if (OnExit)
    OnExit();
}

// --- TUpDownControl

TUpDownControl::TUpDownControl(TConfigFrame& Owner, int Id, TEditControl& Associate, TRange Range)
    : TFrameControl(Owner, Id, {}), FAssociate(Associate), FRange(Range) {
  FPosition = FRange.Min;
  FAssociate.SetText(std::to_string(FPosition));
  FAssociate.FUpDown = this;
}

void TUpDownControl::SetPosition(int Value) {
  Value = std::clamp(Value, FRange.Min, FRange.Max);
  FAssociate.SetText(std::to_string(Value));
  if (FPosition == Value)
    return;
  FPosition = Value;
  Changed();
}

void TUpDownControl::Step(int Delta) {
  const long long From =
      std::clamp<long long>(EditTextToInt(FAssociate.Text(), FPosition), FRange.Min, FRange.Max);
  long long To = From + Delta;
  if (To > FRange.Max)
    To = FRange.Wrap ? FRange.Min : FRange.Max;
  else if (To < FRange.Min)
    To = FRange.Wrap ? FRange.Max : FRange.Min;
  SetPosition(static_cast<int>(To));
}

// --- TComboControl

TComboControl::TComboControl(TConfigFrame& Owner, int Id, bool ChooseOnly)
    : TFrameControl(Owner, Id, {}), FChooseOnly(ChooseOnly) {}

void TComboControl::SetItems(std::vector<std::string> Items) {
  // A free-text combo keeps what was typed; a list keeps nothing it no longer holds.
  FItems = std::move(Items);
  FItemIndex = -1;
  if (FChooseOnly)
    FText.clear();
  Changed();
}

void TComboControl::SetItemIndex(int Index) {
  if (Index < 0 || Index >= static_cast<int>(FItems.size()))
    Index = -1;
  FItemIndex = Index;
  if (Index >= 0)
    FText = FItems[static_cast<std::size_t>(Index)];
  else if (FChooseOnly)
    FText.clear();
  Changed();
}

void TComboControl::SetText(std::string Text) {
  if (FChooseOnly) {
    auto Found = std::find(FItems.begin(), FItems.end(), Text);
    SetItemIndex(Found == FItems.end() ? -1 : static_cast<int>(Found - FItems.begin()));
    return;
  }
  FText = std::move(Text);
  FItemIndex = -1;
  Changed();
}

void TComboControl::DropDown() {
  if (OnDropDown)
    OnDropDown();
}

void TComboControl::UserSelect(int Index) {
  SetItemIndex(Index);
  if (OnChange)
    OnChange();
}

void TComboControl::UserSetText(std::string Text) {
  SetText(std::move(Text));
  if (OnChange)
    OnChange();
}

// --- TDateControl

TDateControl::TDateControl(TConfigFrame& Owner, int Id, TDateTime Date)
    : TFrameControl(Owner, Id, {}), FDate(DateOf(Date)) {}

void TDateControl::SetDate(TDateTime Date) {
  Date = DateOf(Date);
  if (FDate == Date)
    return;
  FDate = Date;
  Changed();
}

void TDateControl::UserSetDate(TDateTime Date) {
  SetDate(Date);
}
