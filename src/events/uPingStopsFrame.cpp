#include "events/uPingStopsFrame.h"

#include "events/eventframes_res.h"
#include "events/uEventFrameStrings.h"
#include "events/uEventPingStops.h"

TForm_EventPingStops::TForm_EventPingStops(const TPlannerFrameContext&)
    : TConfigFrame(kClassName, IDD_EVENTPINGSTOPS) {
  const TEditControl::TOptions Number = TEditControl::Digits(4);
  AddLabel(IDC_PING_LABEL_HOST, tform_eventpingstops::label_host);
  FHost = &AddEdit(IDC_PING_EDIT_HOST);
  AddLabel(IDC_PING_LABEL_TRIGGER, tform_eventpingstops::label_triggerperiod);
  FTriggerPeriod =
      &AddUpDown(IDC_PING_UD_TRIGGER, AddEdit(IDC_PING_EDIT_TRIGGER, Number), {1, 9999, false});
  AddLabel(IDC_PING_LABEL_TRIGGER_UNIT, tform_eventpingstops::label_triggerunit);
  AddLabel(IDC_PING_LABEL_INTERVAL, tform_eventpingstops::label_pinginterval);
  FPingInterval =
      &AddUpDown(IDC_PING_UD_INTERVAL, AddEdit(IDC_PING_EDIT_INTERVAL, Number), {1, 9999, false});
  AddLabel(IDC_PING_LABEL_INTERVAL_UNIT, tform_eventpingstops::label_intervalunit);
  FTriggerPeriod->SetPosition(10);
  FPingInterval->SetPosition(2);
}

std::type_index TForm_EventPingStops::GetItemClass() const {
  return typeid(TKoEventPingStops);
}

void TForm_EventPingStops::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FHost->SetText(Config.ReadString("Address"));
  FTriggerPeriod->SetPosition(Config.ReadInteger("TriggerPeriod"));
  FPingInterval->SetPosition(Config.ReadInteger("PingInterval"));
}

void TForm_EventPingStops::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("Address", FHost->Text());
  Config.WriteInteger("TriggerPeriod", EditTextToInt(FTriggerPeriod->Associate().Text(), 1));
  Config.WriteInteger("PingInterval", EditTextToInt(FPingInterval->Associate().Text(), 1));
  Item.WriteConfig(Config);
}
