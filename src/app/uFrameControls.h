#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/uDateTime.h"
#include "core/uResourceStrings.h"

class TConfigFrame;
class TUpDownControl;

// The controls of a configuration frame as its logic sees them: what each shows, whether it is
// enabled and visible, and what happens when the user acts on it. The frame's logic reads and
// changes only these objects; on Windows a view mirrors them into the real controls of the
// frame's dialog resource (matched by Id) and passes the user's actions back. Every change made
// here is reported to that view through the frame, so native tests drive frames exactly as the
// user does and read what the user would see.

enum class TControlKind : std::uint8_t {
  ckLabel,
  ckButton,
  ckCheck,
  ckRadio,
  ckEdit,
  ckUpDown,
  ckCombo,
  ckDate,
};

class TFrameControl {
 public:
  TFrameControl(TConfigFrame& Owner, int Id, TResString Caption);
  virtual ~TFrameControl() = default;
  TFrameControl(const TFrameControl&) = delete;
  TFrameControl& operator=(const TFrameControl&) = delete;

  virtual TControlKind Kind() const = 0;
  int Id() const { return FId; }
  // The text on the control in the current language; empty for controls without one.
  std::string Caption() const;
  bool HasCaption() const { return !FCaption.Id.empty(); }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

 protected:
  void Changed();
  TConfigFrame& Owner() const { return FOwner; }

 private:
  TConfigFrame& FOwner;
  int FId;
  TResString FCaption;
  bool FEnabled = true;
  bool FVisible = true;
};

class TLabelControl : public TFrameControl {
 public:
  using TFrameControl::TFrameControl;
  TControlKind Kind() const override { return TControlKind::ckLabel; }
  // Drawn in red: a warning the user should not miss.
  bool Highlighted() const { return FHighlighted; }
  void SetHighlighted(bool Value);

 private:
  bool FHighlighted = false;
};

class TButtonControl : public TFrameControl {
 public:
  using TFrameControl::TFrameControl;
  TControlKind Kind() const override { return TControlKind::ckButton; }
  // The user pressed it (nothing happens while it is disabled or hidden).
  void Click();
  std::function<void()> OnClick;
};

class TCheckControl : public TFrameControl {
 public:
  using TFrameControl::TFrameControl;
  TControlKind Kind() const override { return TControlKind::ckCheck; }
  bool Checked() const { return FChecked; }
  // Set by the frame's logic: no OnClick.
  void SetChecked(bool Value);
  // The user clicked it into the given state; OnClick follows.
  void UserSetChecked(bool Value);
  std::function<void()> OnClick;

 private:
  bool FChecked = false;
};

// A radio button; checking one unchecks the others of its group.
class TRadioControl : public TFrameControl {
 public:
  TRadioControl(TConfigFrame& Owner, int Id, TResString Caption, int Group);
  TControlKind Kind() const override { return TControlKind::ckRadio; }
  int Group() const { return FGroup; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  // The user chose it; OnClick follows.
  void UserCheck();
  std::function<void()> OnClick;

 private:
  friend class TConfigFrame;
  void Uncheck();
  int FGroup;
  bool FChecked = false;
};

// A single-line edit, or a multi-line one that takes no line breaks (the message text).
class TEditControl : public TFrameControl {
 public:
  struct TOptions {
    int MaxLength = 0;  // 0: no limit
    bool DigitsOnly = false;
    bool Multiline = false;
  };
  // Digits and Backspace only, at most MaxLength of them (0: no limit).
  static constexpr TOptions Digits(int MaxLength = 0) {
    TOptions Options;
    Options.MaxLength = MaxLength;
    Options.DigitsOnly = true;
    return Options;
  }
  static constexpr TOptions Memo() {
    TOptions Options;
    Options.Multiline = true;
    return Options;
  }

  TEditControl(TConfigFrame& Owner, int Id, TOptions Options);
  TControlKind Kind() const override { return TControlKind::ckEdit; }
  const TOptions& Options() const { return FOptions; }

  const std::string& Text() const { return FText; }
  void SetText(std::string Text);
  // Whether a typed character gets through: digits-only edits take 0-9 and Backspace, a
  // multi-line one no line break.
  bool AcceptsChar(char32_t Char) const;
  // The user typed or pasted: the control already shows Text.
  void UserSetText(std::string Text);
  // The focus left the edit: an up-down beside it takes its number first.
  void Exit();
  std::function<void()> OnChange;
  std::function<void()> OnExit;

 private:
  friend class TUpDownControl;
  TOptions FOptions;
  std::string FText;
  TUpDownControl* FUpDown = nullptr;
};

// The up and down arrows beside a numeric edit. The position is always within Min..Max and the
// edit shows it; leaving the edit takes its number as the position (0 when it is not one).
class TUpDownControl : public TFrameControl {
 public:
  struct TRange {
    int Min = 0;
    int Max = 100;
    bool Wrap = false;  // stepping past one end gives the other
  };
  TUpDownControl(TConfigFrame& Owner, int Id, TEditControl& Associate, TRange Range);
  TControlKind Kind() const override { return TControlKind::ckUpDown; }
  TEditControl& Associate() const { return FAssociate; }
  const TRange& Range() const { return FRange; }

  int Position() const { return FPosition; }
  // Brought into the range; the edit shows the result.
  void SetPosition(int Value);
  // An arrow was pressed: Delta is +1 or -1. Counts from the edit's number when the user typed
  // one without leaving the edit.
  void Step(int Delta);

 private:
  TEditControl& FAssociate;
  TRange FRange;
  int FPosition = 0;
};

// A combo box: free text with a drop-down list of suggestions, or a choose-only list.
class TComboControl : public TFrameControl {
 public:
  TComboControl(TConfigFrame& Owner, int Id, bool ChooseOnly);
  TControlKind Kind() const override { return TControlKind::ckCombo; }
  bool ChooseOnly() const { return FChooseOnly; }

  const std::vector<std::string>& Items() const { return FItems; }
  void SetItems(std::vector<std::string> Items);
  // -1 when no item is selected.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Index);
  // The text shown: the selected item, or what the user typed.
  const std::string& Text() const { return FText; }
  void SetText(std::string Text);

  // The user is opening the list: suggestions are refreshed here, the typed text kept.
  void DropDown();
  void UserSelect(int Index);
  void UserSetText(std::string Text);
  std::function<void()> OnDropDown;
  std::function<void()> OnChange;

 private:
  bool FChooseOnly;
  std::vector<std::string> FItems;
  int FItemIndex = -1;
  std::string FText;
};

// A date picker; only the date part is kept.
class TDateControl : public TFrameControl {
 public:
  TDateControl(TConfigFrame& Owner, int Id, TDateTime Date);
  TControlKind Kind() const override { return TControlKind::ckDate; }
  TDateTime Date() const { return FDate; }
  void SetDate(TDateTime Date);
  void UserSetDate(TDateTime Date);

 private:
  TDateTime FDate;
};

// The number in an edit's text: an optional sign and decimal digits, surrounded by blanks at
// most; Default otherwise. A number beyond the 32-bit range is taken as the nearest value that
// fits, so an over-long entry becomes the largest number rather than "not a number".
int EditTextToInt(std::string_view Text, int Default);
// The same for 64-bit values.
std::int64_t EditTextToInt64(std::string_view Text, std::int64_t Default);
