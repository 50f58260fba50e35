#include "actions/uActionMessage.h"

#include "actions/uActionPorts.h"
#include "actions/uActionStrings.h"
#include "actions/uShellUtils.h"
#include "core/uFormat.h"
#include "core/uPlannerActionsStrings.h"
#include "core/uStringUtils.h"

namespace {

constexpr std::size_t kDescribedTextLength = 20;

std::string Shortened(const std::string& Text) {
  if (Utf8Length(Text) <= kDescribedTextLength)
    return Text;
  return Utf8Left(Text, kDescribedTextLength - 3) + "...";
}

}  // namespace

std::string DurationDescription(int Seconds) {
  if (Seconds < 60)
    return Format(ResStr(uplanneractions::sactionnumseconds), {std::to_string(Seconds)});
  std::string Text =
      Format(ResStr(uplanneractions::sactionnumminutes), {std::to_string(Seconds / 60)});
  if (Seconds % 60 > 0)
    Text +=
        " " + Format(ResStr(uplanneractions::sactionnumseconds), {std::to_string(Seconds % 60)});
  return Text;
}

void TKoActionMessage::InitIdentity() {
  FID = "Message";
  FName = ResStr(uplanneractions::name_action_message);
}

void TKoActionMessage::SetDefaults() {
  FConfig = {};
}

void TKoActionMessage::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("Text", FConfig.Text);
  Config.WriteInteger("Seconds", FConfig.Seconds);
  Config.WriteBool("MinimizeAllWindows", FConfig.MinimizeAllWindows);
  Config.WriteBool("DisableRestart", FConfig.DisableRestart);
  Config.WriteBool("DisableCancel", FConfig.DisableCancel);
  Config.WriteBool("DisableExit", FConfig.DisableExit);
  Config.WriteBool("StayOnTop", FConfig.StayOnTop);
}

void TKoActionMessage::LoadConfig(const TQueryStr& Config) {
  FConfig.Text = Config.ReadString("Text");
  FConfig.Seconds = Config.ReadInteger("Seconds");
  FConfig.MinimizeAllWindows = Config.ReadBool("MinimizeAllWindows");
  FConfig.DisableRestart = Config.ReadBool("DisableRestart");
  FConfig.DisableCancel = Config.ReadBool("DisableCancel");
  FConfig.DisableExit = Config.ReadBool("DisableExit");
  FConfig.StayOnTop = Config.ReadBool("StayOnTop");
}

std::string TKoActionMessage::GetDescription() const {
  std::string Text = Format(ResStr(uplanneractions::sactionmessageforperiodoftime),
                            {Shortened(FConfig.Text), DurationDescription(FConfig.Seconds)});
  const std::pair<bool, const TResString*> Options[] = {
      {FConfig.MinimizeAllWindows, &uplanneractions::sactionoptionminimizeall},
      {FConfig.StayOnTop, &uplanneractions::sactionoptionontop},
      {FConfig.DisableCancel, &uplanneractions::sactionoptionnocancel},
      {FConfig.DisableRestart, &uplanneractions::sactionoptionnorestart},
      {FConfig.DisableExit, &uplanneractions::sactionoptionnoexit},
  };
  for (const auto& [Set, Suffix] : Options)
    if (Set)
      Text += " " + ResStr(*Suffix);
  return Text;
}

bool TKoActionMessage::Execute(TKoActionOutcome& Outcome) {
  if (FConfig.MinimizeAllWindows)
    ShellMinimizeAll(ShellPort(Services()));
  TMessageWindowOptions Options;
  Options.Text = FConfig.Text;
  Options.Seconds = FConfig.Seconds;
  Options.StayOnTop = FConfig.StayOnTop;
  Options.DisableCancel = FConfig.DisableCancel;
  Options.DisableRestart = FConfig.DisableRestart;
  Options.DisableExit = FConfig.DisableExit;
  switch (ModalWindowsPort(Services()).ShowMessageWindow(Options)) {
    case mwrCancel:
      Outcome = kaoStop;
      break;
    case mwrRestart:
      Outcome = kaoRestartEvents;
      break;
    case mwrExit:
      Outcome = kaoCloseApplication;
      break;
    case mwrTimedOut:
    case mwrContinue:
      break;
  }
  return true;
}
