#include "events/uUsageEventFrames.h"

#include <string>

#include "actions/uWindowsVersion.h"
#include "core/uFormat.h"
#include "core/uStringUtils.h"
#include "events/eventframes_res.h"
#include "events/uEventCPUUsage.h"
#include "events/uEventFrameStrings.h"
#include "events/uEventHardDiskUsage.h"
#include "events/uEventNetworkUsage.h"
#include "events/uEventStrings.h"
#include "events/uIPUtils.h"
#include "events/uPerfCounters.h"
#include "platform/uUserInterface.h"

namespace {

const std::string kDiskCounterServices[] = {"PerfDisk"};

// The radio button of a stored choice; any other value counts as the first.
void CheckChoice(TRadioControl* const (&Radios)[3], int Value) {
  Radios[Value >= 0 && Value < 3 ? Value : 0]->SetChecked(true);
}

int CheckedChoice(TRadioControl* const (&Radios)[3]) {
  for (int I = 0; I < 3; ++I)
    if (Radios[I]->Checked())
      return I;
  return 0;
}

}  // namespace

// --- CPU Usage

TForm_EventCPUUsage::TForm_EventCPUUsage(const TPlannerFrameContext&)
    : TConfigFrame(kClassName, IDD_EVENTCPUUSAGE) {
  AddLabel(IDC_CPU_LABEL_TRIGGER, tform_eventcpuusage::label_trigger);
  FBelow = &AddRadio(IDC_CPU_RB_BELOW, tform_eventcpuusage::rb_below, 0);
  FAbove = &AddRadio(IDC_CPU_RB_ABOVE, tform_eventcpuusage::rb_above, 0);
  AddLabel(IDC_CPU_LABEL_TARGET, tform_eventcpuusage::label_target);
  FUsage = &AddUpDown(IDC_CPU_UD_USAGE, AddEdit(IDC_CPU_EDIT_USAGE, TEditControl::Digits(2)),
                      {1, 99, false});
  AddLabel(IDC_CPU_LABEL_PERCENT, tform_eventcpuusage::label_percent);
  AddLabel(IDC_CPU_LABEL_DURATION, tform_eventcpuusage::label_duration);
  FSeconds = &AddUpDown(IDC_CPU_UD_SECONDS, AddEdit(IDC_CPU_EDIT_SECONDS, TEditControl::Digits(6)),
                        {1, 32767, false});
  AddLabel(IDC_CPU_LABEL_SECONDS, tform_eventcpuusage::label_seconds);
  FAverage = &AddCheck(IDC_CPU_CHECK_AVERAGE, tform_eventcpuusage::checkbox_average);
  FBelow->SetChecked(true);
  FUsage->SetPosition(5);
  FSeconds->SetPosition(10);
}

std::type_index TForm_EventCPUUsage::GetItemClass() const {
  return typeid(TKoEventCPUUsage);
}

void TForm_EventCPUUsage::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  (Config.ReadBool("Direction") ? FAbove : FBelow)->SetChecked(true);
  FUsage->SetPosition(Config.ReadInteger("Usage"));
  FSeconds->SetPosition(Config.ReadInteger("Seconds"));
  FAverage->SetChecked(Config.ReadBool("UseAverage"));
}

void TForm_EventCPUUsage::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteBool("Direction", FAbove->Checked());
  Config.WriteInteger("Usage", EditTextToInt(FUsage->Associate().Text(), 1));
  Config.WriteInteger("Seconds", EditTextToInt(FSeconds->Associate().Text(), 1));
  Config.WriteBool("UseAverage", FAverage->Checked());
  Item.WriteConfig(Config);
}

// --- Network Usage

TForm_EventNetworkUsage::TForm_EventNetworkUsage(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_EVENTNETWORKUSAGE), FServices(Context.Services) {
  AddLabel(IDC_NET_LABEL_INTERFACE, tform_eventnetworkusage::label_interface);
  FInterface = &AddCombo(IDC_NET_COMBO_INTERFACE, true);
  AddLabel(IDC_NET_LABEL_USAGE, tform_eventnetworkusage::label_usage);
  FUsage = &AddUpDown(IDC_NET_UD_USAGE, AddEdit(IDC_NET_EDIT_USAGE, TEditControl::Digits(4)),
                      {1, 9999, false});
  AddLabel(IDC_NET_LABEL_KBPS, tform_eventnetworkusage::label_kbps);
  AddLabel(IDC_NET_LABEL_DURATION, tform_eventnetworkusage::label_duration);
  FSeconds = &AddUpDown(IDC_NET_UD_SECONDS, AddEdit(IDC_NET_EDIT_SECONDS, TEditControl::Digits(4)),
                        {1, 9999, false});
  AddLabel(IDC_NET_LABEL_SECONDS, tform_eventnetworkusage::label_seconds);
  AddLabel(IDC_NET_LABEL_TRAFFIC, tform_eventnetworkusage::label_traffic);
  FTraffic[0] = &AddRadio(IDC_NET_RB_TOTAL, tform_eventnetworkusage::rb_total, 0);
  FTraffic[1] = &AddRadio(IDC_NET_RB_DOWNLOAD, tform_eventnetworkusage::rb_download, 0);
  FTraffic[2] = &AddRadio(IDC_NET_RB_UPLOAD, tform_eventnetworkusage::rb_upload, 0);
  FAverage = &AddCheck(IDC_NET_CHECK_AVERAGE, tform_eventnetworkusage::checkbox_average);
  FUsage->SetPosition(5);
  FSeconds->SetPosition(10);
  FTraffic[0]->SetChecked(true);
}

std::type_index TForm_EventNetworkUsage::GetItemClass() const {
  return typeid(TKoEventNetworkUsage);
}

void TForm_EventNetworkUsage::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FillInterfaces(Config.ReadString("Interface"));
  FUsage->SetPosition(Config.ReadInteger("Usage"));
  FSeconds->SetPosition(Config.ReadInteger("Seconds"));
  CheckChoice(FTraffic, Config.ReadInteger("Traffic"));
  FAverage->SetChecked(Config.ReadBool("UseAverage"));
}

void TForm_EventNetworkUsage::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteString("Interface", SelectedMac());
  Config.WriteInteger("Usage", EditTextToInt(FUsage->Associate().Text(), 1));
  Config.WriteInteger("Seconds", EditTextToInt(FSeconds->Associate().Text(), 1));
  Config.WriteInteger("Traffic", CheckedChoice(FTraffic));
  Config.WriteBool("UseAverage", FAverage->Checked());
  Item.WriteConfig(Config);
}

void TForm_EventNetworkUsage::VisibilityChanging(bool Hiding) {
  if (!Hiding)
    FillInterfaces(SelectedMac());
}

void TForm_EventNetworkUsage::FillInterfaces(const std::string& Key) {
  TIpHelper* Helper = FServices.IpHelper;
  if (!Helper || (!IsIpHelperLoaded(*Helper) && !LoadIpHelper(*Helper))) {
    if (FServices.UserInterface)
      FServices.UserInterface->MessageDialog({}, ResStr(uplannerevents::snotabletoloadiphelper),
                                             dkWarning, dbOK);
    return;
  }
  FRows = GetIfTableRows(*Helper);
  std::vector<std::string> Items;
  int Selected = -1;
  for (const TMibIfRow& Row : FRows) {
    Items.push_back(
        Format(ResStr(tform_eventnetworkusage::sinterfaceitem),
               {GetInterfaceIpAddress(*Helper, Row.Index), GetInterfaceDescription(Row)}));
    if (Selected < 0 && SameText(GetInterfaceMac(Row), Key))
      Selected = static_cast<int>(Items.size()) - 1;
  }
  if (Selected < 0 && !Items.empty())
    Selected = 0;
  FInterface->SetItems(std::move(Items));
  FInterface->SetItemIndex(Selected);
}

std::string TForm_EventNetworkUsage::SelectedMac() const {
  const int Index = FInterface->ItemIndex();
  if (Index < 0 || Index >= static_cast<int>(FRows.size()))
    return {};
  return GetInterfaceMac(FRows[static_cast<std::size_t>(Index)]);
}

// --- Hard Disk Usage

TForm_EventHardDiskUsage::TForm_EventHardDiskUsage(const TPlannerFrameContext& Context)
    : TConfigFrame(kClassName, IDD_EVENTHARDDISKUSAGE), FServices(Context.Services) {
  AddLabel(IDC_DISK_LABEL_USAGE, tform_eventharddiskusage::label_usage);
  FUsage = &AddEdit(IDC_DISK_EDIT_USAGE, TEditControl::Digits(6));
  AddLabel(IDC_DISK_LABEL_KBPS, tform_eventharddiskusage::label_kbps);
  AddLabel(IDC_DISK_LABEL_DURATION, tform_eventharddiskusage::label_duration);
  FSeconds = &AddUpDown(IDC_DISK_UD_SECONDS,
                        AddEdit(IDC_DISK_EDIT_SECONDS, TEditControl::Digits(4)), {1, 9999, false});
  AddLabel(IDC_DISK_LABEL_SECONDS, tform_eventharddiskusage::label_seconds);
  AddLabel(IDC_DISK_LABEL_TRANSFER, tform_eventharddiskusage::label_transfer);
  FTransfer[0] = &AddRadio(IDC_DISK_RB_TOTAL, tform_eventharddiskusage::rb_total, 0);
  FTransfer[1] = &AddRadio(IDC_DISK_RB_READ, tform_eventharddiskusage::rb_read, 0);
  FTransfer[2] = &AddRadio(IDC_DISK_RB_WRITE, tform_eventharddiskusage::rb_write, 0);
  FAverage = &AddCheck(IDC_DISK_CHECK_AVERAGE, tform_eventharddiskusage::checkbox_average);
  FNote = &AddLabel(IDC_DISK_LABEL_NOTE, tform_eventharddiskusage::label_note);
  FWarning =
      &AddButton(IDC_DISK_BB_PERFCOUNTERSWARNING, tform_eventharddiskusage::bb_perfcounterswarning);
  FUsage->SetText("1024");
  FSeconds->SetPosition(10);
  FTransfer[0]->SetChecked(true);
  FWarning->SetVisible(false);
  FWarning->OnClick = [this] { EnableCountersClick(); };
  FNote->SetHighlighted(FServices.SystemVersion &&
                        WindowsVersion(*FServices.SystemVersion) < TWindowsVersion::wvXP);
}

std::type_index TForm_EventHardDiskUsage::GetItemClass() const {
  return typeid(TKoEventHardDiskUsage);
}

void TForm_EventHardDiskUsage::LoadFromItem(const TPlannerItem& Item) {
  const TQueryStr Config = Item.ReadConfig();
  FUsage->SetText(std::to_string(Config.ReadInteger("Usage")));
  FSeconds->SetPosition(Config.ReadInteger("Seconds"));
  CheckChoice(FTransfer, Config.ReadInteger("Direction"));
  FAverage->SetChecked(Config.ReadBool("UseAverage"));
}

void TForm_EventHardDiskUsage::SaveToItem(TPlannerItem& Item) {
  TQueryStr Config = Item.ReadConfig();
  Config.WriteInteger("Usage", EditTextToInt(FUsage->Text(), 1));
  Config.WriteInteger("Seconds", EditTextToInt(FSeconds->Associate().Text(), 1));
  Config.WriteInteger("Direction", CheckedChoice(FTransfer));
  Config.WriteBool("UseAverage", FAverage->Checked());
  Item.WriteConfig(Config);
}

void TForm_EventHardDiskUsage::VisibilityChanging(bool Hiding) {
  if (Hiding || !FServices.SystemRegistry)
    return;
  try {
    FWarning->SetVisible(
        ArePerformanceCountersDisabled(*FServices.SystemRegistry, kDiskCounterServices));
  } catch (const std::exception& Error) {
    FWarning->SetVisible(true);
    if (FServices.UserInterface)
      FServices.UserInterface->MessageDialog({}, Error.what(), dkError, dbOK);
  }
}

void TForm_EventHardDiskUsage::EnableCountersClick() {
  if (!FServices.UserInterface || !FServices.SystemRegistry)
    return;
  TUserInterface& UserInterface = *FServices.UserInterface;
  if (UserInterface.MessageDialog({},
                                  ResStr(eventharddiskusageform::sconfirmenableperformancecounters),
                                  dkWarning, dbYesNoCancel) != drYes)
    return;
  try {
    EnablePerformanceCounters(*FServices.SystemRegistry, kDiskCounterServices);
  } catch (const std::exception& Error) {
    UserInterface.MessageDialog({}, Error.what(), dkError, dbOK);
  }
}
