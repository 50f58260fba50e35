#include "events/uTimeEventFrames.h"

#include "core/uPlannerEventsStrings.h"
#include "events/eventframes_res.h"
#include "events/uEventCountdown.h"
#include "events/uEventFrameStrings.h"
#include "events/uEventOnTime.h"
#include "events/uEventWeekly.h"
#include "events/uTimeText.h"
#include "platform/uEventLoop.h"

// --- Countdown

TForm_EventCountdown::TForm_EventCountdown(const TPlannerFrameContext&)
    : TTimeFieldsFrame(kClassName, IDD_EVENTCOUNTDOWN,
                       {tform_eventcountdown::label_hours, tform_eventcountdown::label_mins,
                        tform_eventcountdown::label_secs},
                       10000, 10000) {}

std::type_index TForm_EventCountdown::GetItemClass() const {
  return typeid(TKoEventCountdown);
}

void TForm_EventCountdown::LoadFromItem(const TPlannerItem& Item) {
  SetFieldSeconds(TextToSeconds(Item.ReadConfig().ReadString("Time"), 0));
}

void TForm_EventCountdown::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("Time", SecondsToText(FieldSeconds()));
  Item.WriteConfig(Config);
}

// --- On Time

TForm_EventOnTime::TForm_EventOnTime(const TPlannerFrameContext& Context)
    : TTimeFieldsFrame(kClassName, IDD_EVENTONTIME,
                       {tform_eventontime::label_hours, tform_eventontime::label_mins,
                        tform_eventontime::label_secs},
                       23, 59),
      FLoop(Context.Services.EventLoop) {
  FUseDate = &AddCheck(IDC_ONTIME_CHECK_USEDATE, tform_eventontime::checkbox_usedate);
  FDate = &AddDate(IDC_ONTIME_DATE, FLoop.Now());
  FNow = &AddButton(IDC_ONTIME_BUTTON_NOW, tform_eventontime::button_now);
  FUseDate->OnClick = [this] { UpdateEnabled(); };
  FNow->OnClick = [this] { SetFieldTime(TimeOf(FLoop.Now())); };
  UpdateEnabled();
}

std::type_index TForm_EventOnTime::GetItemClass() const {
  return typeid(TKoEventOnTime);
}

void TForm_EventOnTime::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  SetFieldTime(TextToTime(Config.ReadString("Time"), std::chrono::milliseconds(0)));
  FDate->SetDate(TextToDate(Config.ReadString("Date"), DateOf(FLoop.Now())));
  FUseDate->SetChecked(Config.ReadBool("UseDate"));
  UpdateEnabled();
}

void TForm_EventOnTime::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("Time", TimeToText(FieldTime()));
  Config.WriteString("Date", DateToText(FDate->Date()));
  Config.WriteBool("UseDate", FUseDate->Checked());
  Item.WriteConfig(Config);
}

void TForm_EventOnTime::VisibilityChanging(bool Hiding) {
  if (!Hiding && !FUseDate->Checked())
    FDate->SetDate(FLoop.Now());
}

void TForm_EventOnTime::UpdateEnabled() {
  FDate->SetEnabled(FUseDate->Checked());
}

// --- Weekly

TForm_EventWeekly::TForm_EventWeekly(const TPlannerFrameContext& Context)
    : TTimeFieldsFrame(kClassName, IDD_EVENTWEEKLY,
                       {tform_eventweekly::label_hours, tform_eventweekly::label_mins,
                        tform_eventweekly::label_secs},
                       23, 59),
      FLoop(Context.Services.EventLoop) {
  static constexpr const TResString* kDayNames[] = {
      &uplannerevents::sweekdaylongmon, &uplannerevents::sweekdaylongtue,
      &uplannerevents::sweekdaylongwed, &uplannerevents::sweekdaylongthu,
      &uplannerevents::sweekdaylongfri, &uplannerevents::sweekdaylongsat,
      &uplannerevents::sweekdaylongsun};
  for (int Day = 0; Day < 7; ++Day)
    FDays[static_cast<std::size_t>(Day)] =
        &AddCheck(IDC_WEEKLY_CHECK_MONDAY + Day, *kDayNames[Day]);
  FNow = &AddButton(IDC_WEEKLY_BUTTON_NOW, tform_eventweekly::button_now);
  FNow->OnClick = [this] { SetFieldTime(TimeOf(FLoop.Now())); };
}

std::type_index TForm_EventWeekly::GetItemClass() const {
  return typeid(TKoEventWeekly);
}

void TForm_EventWeekly::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  SetFieldTime(TextToTime(Config.ReadString("Time"), std::chrono::milliseconds(0)));
  const TWeekDays Days = TextToWeekDays(Config.ReadString("WeekDays"));
  for (std::size_t Day = 0; Day < 7; ++Day)
    FDays[Day]->SetChecked(Days[Day]);
}

void TForm_EventWeekly::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("Time", TimeToText(FieldTime()));
  TWeekDays Days{};
  for (std::size_t Day = 0; Day < 7; ++Day)
    Days[Day] = FDays[Day]->Checked();
  Config.WriteString("WeekDays", WeekDaysToText(Days));
  Item.WriteConfig(Config);
}
