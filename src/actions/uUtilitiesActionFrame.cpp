#include "actions/uUtilitiesActionFrame.h"

#include "actions/actionframes_res.h"
#include "actions/uActionFrameStrings.h"
#include "actions/uActionUtilities.h"

TForm_ActionUtilities::TForm_ActionUtilities(const TPlannerFrameContext&)
    : TConfigFrame(kClassName, IDD_ACTIONUTILITIES) {
  FActions[0] =
      &AddRadio(IDC_UTILITIES_RB_CLOSEAPPLICATION, tform_actionutilities::rb_closeapplication, 0);
  FActions[1] =
      &AddRadio(IDC_UTILITIES_RB_RESTARTEVENTS, tform_actionutilities::rb_restartevents, 0);
  FActions[2] = &AddRadio(IDC_UTILITIES_RB_PAUSE, tform_actionutilities::rb_pause, 0);
  FPauseSeconds = &AddUpDown(IDC_UTILITIES_UD_PAUSESECONDS,
                             AddEdit(IDC_UTILITIES_EDIT_PAUSESECONDS, TEditControl::Digits()),
                             {0, 9999, false});
  AddLabel(IDC_UTILITIES_LABEL_SECONDS, tform_actionutilities::label_seconds);
  FPauseSeconds->SetPosition(10);
}

std::type_index TForm_ActionUtilities::GetItemClass() const {
  return typeid(TKoActionUtilities);
}

void TForm_ActionUtilities::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  const int Action = Config.ReadInteger("Action");
  for (int I = 0; I < 3; ++I)
    FActions[I]->SetChecked(Action == I + 1);
  FPauseSeconds->SetPosition(Config.ReadInteger("PauseSeconds"));
}

void TForm_ActionUtilities::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  int Action = 0;
  for (int I = 0; I < 3; ++I)
    if (FActions[I]->Checked())
      Action = I + 1;
  Config.WriteInteger("Action", Action);
  Config.WriteInteger("PauseSeconds", FPauseSeconds->Position());
  Item.WriteConfig(Config);
}
