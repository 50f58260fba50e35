#include "events/uUserInactiveFrame.h"

#include "events/eventframes_res.h"
#include "events/uEventFrameStrings.h"
#include "events/uEventUserInactive.h"
#include "events/uTimeText.h"
#include "events/uTimerInactivity.h"

TForm_EventUserInactive::TForm_EventUserInactive(const TPlannerFrameContext&)
    : TTimeFieldsFrame(kClassName, IDD_EVENTUSERINACTIVE,
                       {tform_eventuserinactive::label_hours, tform_eventuserinactive::label_mins,
                        tform_eventuserinactive::label_secs},
                       10000, 10000) {
  AddLabel(IDC_INACTIVE_LABEL_METHOD, tform_eventuserinactive::label_method);
  FMethod = &AddCombo(IDC_INACTIVE_COMBO_METHOD, true);
  AddLabel(IDC_INACTIVE_LABEL_HINT, tform_eventuserinactive::label_hint);
  FMethod->SetItems({GetUserActivityEngineName(uaeLastInputInfo),
                     GetUserActivityEngineName(uaeLowLevelHook),
                     GetUserActivityEngineName(uaeInjectionHook)});
  FMethod->SetItemIndex(0);
}

std::type_index TForm_EventUserInactive::GetItemClass() const {
  return typeid(TKoEventUserInactive);
}

void TForm_EventUserInactive::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  SetFieldSeconds(TextToSeconds(Config.ReadString("Time"), 0));
  FMethod->SetItemIndex(Config.ReadInteger("Method"));
}

void TForm_EventUserInactive::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("Time", SecondsToText(FieldSeconds()));
  Config.WriteInteger("Method", FMethod->ItemIndex() < 0 ? 0 : FMethod->ItemIndex());
  Item.WriteConfig(Config);
}
