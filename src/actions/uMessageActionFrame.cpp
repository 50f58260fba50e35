#include "actions/uMessageActionFrame.h"

#include "actions/actionframes_res.h"
#include "actions/uActionFrameStrings.h"
#include "actions/uActionMessage.h"

TForm_ActionMessage::TForm_ActionMessage(const TPlannerFrameContext&)
    : TConfigFrame(kClassName, IDD_ACTIONMESSAGE) {
  AddLabel(IDC_MESSAGE_LABEL_MESSAGE, tform_actionmessage::label_message);
  FMessage = &AddEdit(IDC_MESSAGE_MEMO, TEditControl::Memo());
  FMinutes =
      &AddUpDown(IDC_MESSAGE_UD_MINUTES, AddEdit(IDC_MESSAGE_EDIT_MINUTES, TEditControl::Digits(4)),
                 {0, 9999, false});
  AddLabel(IDC_MESSAGE_LABEL_MINS, tform_actionmessage::label_mins);
  FSeconds =
      &AddUpDown(IDC_MESSAGE_UD_SECONDS, AddEdit(IDC_MESSAGE_EDIT_SECONDS, TEditControl::Digits(3)),
                 {0, 999, false});
  AddLabel(IDC_MESSAGE_LABEL_SECS, tform_actionmessage::label_secs);
  FDisableCancel = &AddCheck(IDC_MESSAGE_CB_DISABLECANCEL, tform_actionmessage::cb_disablecancel);
  FDisableRestart =
      &AddCheck(IDC_MESSAGE_CB_DISABLERESTART, tform_actionmessage::cb_disablerestart);
  FDisableExit = &AddCheck(IDC_MESSAGE_CB_DISABLEEXIT, tform_actionmessage::cb_disableexit);
  FMinimizeAllWindows =
      &AddCheck(IDC_MESSAGE_CB_MINIMIZEALL, tform_actionmessage::cb_minimizeallwindows);
  FStayOnTop = &AddCheck(IDC_MESSAGE_CB_STAYONTOP, tform_actionmessage::cb_stayontop);
}

std::type_index TForm_ActionMessage::GetItemClass() const {
  return typeid(TKoActionMessage);
}

void TForm_ActionMessage::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FMessage->SetText(Config.ReadString("Text"));
  const int Seconds = Config.ReadInteger("Seconds");
  FMinutes->SetPosition(Seconds / 60);
  FSeconds->SetPosition(Seconds % 60);
  FMinimizeAllWindows->SetChecked(Config.ReadBool("MinimizeAllWindows"));
  FDisableRestart->SetChecked(Config.ReadBool("DisableRestart"));
  FDisableCancel->SetChecked(Config.ReadBool("DisableCancel"));
  FDisableExit->SetChecked(Config.ReadBool("DisableExit"));
  FStayOnTop->SetChecked(Config.ReadBool("StayOnTop"));
}

void TForm_ActionMessage::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("Text", FMessage->Text());
  Config.WriteInteger("Seconds", FMinutes->Position() * 60 + FSeconds->Position());
  Config.WriteBool("MinimizeAllWindows", FMinimizeAllWindows->Checked());
  Config.WriteBool("DisableRestart", FDisableRestart->Checked());
  Config.WriteBool("DisableCancel", FDisableCancel->Checked());
  Config.WriteBool("DisableExit", FDisableExit->Checked());
  Config.WriteBool("StayOnTop", FStayOnTop->Checked());
  Item.WriteConfig(Config);
}
