#include "actions/uPowerActionFrames.h"

#include "actions/actionframes_res.h"
#include "actions/uActionFrameStrings.h"
#include "actions/uActionHibernate.h"
#include "actions/uActionLogoff.h"
#include "actions/uActionReboot.h"
#include "actions/uActionShutdown.h"
#include "actions/uActionSleep.h"

TForceActionFrame::TForceActionFrame(std::string_view ClassName, int TemplateId,
                                     std::type_index ItemClass, TResString ForceCaption,
                                     TResString Note)
    : TConfigFrame(ClassName, TemplateId), FItemClass(ItemClass) {
  FForce = &AddCheck(TemplateId + IDC_FORCE_CHECK, ForceCaption);
  AddLabel(TemplateId + IDC_FORCE_LABEL_NOTE, Note);
}

void TForceActionFrame::LoadFromItem(const TPlannerItem& Item) {
  FForce->SetChecked(Item.ReadConfig().ReadBool("Force"));
}

void TForceActionFrame::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteBool("Force", FForce->Checked());
  Item.WriteConfig(Config);
}

TForm_ActionShutdown::TForm_ActionShutdown(const TPlannerFrameContext&)
    : TForceActionFrame(kClassName, IDD_ACTIONSHUTDOWN, typeid(TKoActionShutdown),
                        tform_actionshutdown::checkbox_force, tform_actionshutdown::label_note) {}

TForm_ActionReboot::TForm_ActionReboot(const TPlannerFrameContext&)
    : TForceActionFrame(kClassName, IDD_ACTIONREBOOT, typeid(TKoActionReboot),
                        tform_actionreboot::checkbox_force, tform_actionreboot::label_note) {}

TForm_ActionLogoff::TForm_ActionLogoff(const TPlannerFrameContext&)
    : TForceActionFrame(kClassName, IDD_ACTIONLOGOFF, typeid(TKoActionLogoff),
                        tform_actionlogoff::checkbox_force, tform_actionlogoff::label_note) {}

TSuspendActionFrame::TSuspendActionFrame(std::string_view ClassName, int TemplateId,
                                         std::type_index ItemClass, TCaptions Captions)
    : TConfigFrame(ClassName, TemplateId), FItemClass(ItemClass) {
  FDisableWakeEvent =
      &AddCheck(TemplateId + IDC_SUSPEND_CB_DISABLEWAKEEVENT, Captions.DisableWakeEvent);
  FForce = &AddCheck(TemplateId + IDC_SUSPEND_CB_FORCE, Captions.Force);
  AddLabel(TemplateId + IDC_SUSPEND_LABEL_HINT, Captions.Hint);
}

void TSuspendActionFrame::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FForce->SetChecked(Config.ReadBool("Force"));
  FDisableWakeEvent->SetChecked(Config.ReadBool("DisableWakeEvent"));
}

void TSuspendActionFrame::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteBool("Force", FForce->Checked());
  Config.WriteBool("DisableWakeEvent", FDisableWakeEvent->Checked());
  Item.WriteConfig(Config);
}

TForm_ActionSleep::TForm_ActionSleep(const TPlannerFrameContext&)
    : TSuspendActionFrame(kClassName, IDD_ACTIONSLEEP, typeid(TKoActionSleep),
                          {tform_actionsleep::cb_disablewakeevent, tform_actionsleep::cb_force,
                           tform_actionsleep::label_hint}) {}

TForm_ActionHibernate::TForm_ActionHibernate(const TPlannerFrameContext&)
    : TSuspendActionFrame(kClassName, IDD_ACTIONHIBERNATE, typeid(TKoActionHibernate),
                          {tform_actionhibernate::cb_disablewakeevent,
                           tform_actionhibernate::cb_force, tform_actionhibernate::label_hint}) {}
