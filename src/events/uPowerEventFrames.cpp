#include "events/uPowerEventFrames.h"

#include "events/eventframes_res.h"
#include "events/uEventBattery.h"
#include "events/uEventFrameStrings.h"
#include "events/uEventLid.h"
#include "events/uPowerNotify.h"

// --- Battery

TForm_EventBattery::TForm_EventBattery(const TPlannerFrameContext&)
    : TConfigFrame(kClassName, IDD_EVENTBATTERY) {
  AddLabel(IDC_BATTERY_LABEL_TRIGGER, tform_eventbattery::label_trigger);
  FCheckLevel = &AddCheck(IDC_BATTERY_CHECK_LEVEL, tform_eventbattery::checkbox_batterylevel);
  FLevel = &AddUpDown(IDC_BATTERY_UD_LEVEL,
                      AddEdit(IDC_BATTERY_EDIT_LEVEL, TEditControl::Digits(3)), {1, 100, false});
  AddLabel(IDC_BATTERY_LABEL_PERCENT, tform_eventbattery::label_percent);
  FAbove = &AddRadio(IDC_BATTERY_RB_ABOVE, tform_eventbattery::rb_above, 0);
  FBelow = &AddRadio(IDC_BATTERY_RB_BELOW, tform_eventbattery::rb_below, 0);
  FCheckPower = &AddCheck(IDC_BATTERY_CHECK_POWER, tform_eventbattery::checkbox_powersupplystate);
  FOnline = &AddRadio(IDC_BATTERY_RB_ONLINE, tform_eventbattery::rb_online, 1);
  FOffline = &AddRadio(IDC_BATTERY_RB_OFFLINE, tform_eventbattery::rb_offline, 1);
  FLevel->SetPosition(5);
  FCheckLevel->OnClick = [this] { UpdateEnabled(); };
  FCheckPower->OnClick = [this] { UpdateEnabled(); };
  UpdateEnabled();
}

std::type_index TForm_EventBattery::GetItemClass() const {
  return typeid(TKoEventBattery);
}

void TForm_EventBattery::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FCheckLevel->SetChecked(Config.ReadBool("CheckBatteryLevel"));
  (Config.ReadBool("BatteryLevelBelow") ? FBelow : FAbove)->SetChecked(true);
  FLevel->SetPosition(Config.ReadInteger("BatteryLevelPercentage"));
  FCheckPower->SetChecked(Config.ReadBool("CheckPowerSupplyState"));
  (Config.ReadBool("PowerSupplyStateOnline") ? FOnline : FOffline)->SetChecked(true);
  UpdateEnabled();
}

void TForm_EventBattery::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteBool("CheckBatteryLevel", FCheckLevel->Checked());
  Config.WriteBool("BatteryLevelBelow", FBelow->Checked());
  Config.WriteInteger("BatteryLevelPercentage", EditTextToInt(FLevel->Associate().Text(), 1));
  Config.WriteBool("CheckPowerSupplyState", FCheckPower->Checked());
  Config.WriteBool("PowerSupplyStateOnline", FOnline->Checked());
  Item.WriteConfig(Config);
}

void TForm_EventBattery::UpdateEnabled() {
  FAbove->SetEnabled(FCheckLevel->Checked());
  FBelow->SetEnabled(FCheckLevel->Checked());
  FOnline->SetEnabled(FCheckPower->Checked());
  FOffline->SetEnabled(FCheckPower->Checked());
}

// --- Lid

TForm_EventLid::TForm_EventLid(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_EVENTLID) {
  AddLabel(IDC_LID_LABEL_TRIGGER, tform_eventlid::label_trigger);
  FOpens = &AddRadio(IDC_LID_RB_OPENS, tform_eventlid::rb_opens, 0);
  FCloses = &AddRadio(IDC_LID_RB_CLOSES, tform_eventlid::rb_closes, 0);
  TLabelControl& Note = AddLabel(IDC_LID_LABEL_NOTE, tform_eventlid::label_note);
  FCloses->SetChecked(true);
  const TSystemVersion* System = Context.Services.SystemVersion;
  Note.SetHighlighted(System && (TPowerEventMonitor::SupportedFlags(System->OsVersion()) & 2) == 0);
}

std::type_index TForm_EventLid::GetItemClass() const {
  return typeid(TKoEventLid);
}

void TForm_EventLid::LoadFromItem(const TPlannerItem& Item) {
  (Item.ReadConfig().ReadBool("Closes") ? FCloses : FOpens)->SetChecked(true);
}

void TForm_EventLid::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteBool("Closes", FCloses->Checked());
  Item.WriteConfig(Config);
}
