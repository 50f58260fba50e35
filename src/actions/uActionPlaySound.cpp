#include "actions/uActionPlaySound.h"

#include <filesystem>

#include "actions/uActionPorts.h"
#include "actions/uActionStrings.h"
#include "actions/uFileNames.h"
#include "actions/uSound.h"
#include "core/uFilePaths.h"
#include "core/uPlannerActionsStrings.h"

namespace {

bool FileExists(const std::string& File) {
  std::error_code Error;
  const auto Status = std::filesystem::status(Utf8ToPath(File), Error);
  return !Error && std::filesystem::exists(Status) && !std::filesystem::is_directory(Status);
}

}  // namespace

void TKoActionPlaySound::InitIdentity() {
  FID = "PlaySound";
  FName = ResStr(uplanneractions::name_action_playsound);
}

void TKoActionPlaySound::SetDefaults() {
  FConfig = {};
}

void TKoActionPlaySound::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("File", FConfig.File);
  Config.WriteBool("Wait", FConfig.Wait);
}

void TKoActionPlaySound::LoadConfig(const TQueryStr& Config) {
  FConfig.File = Config.ReadString("File");
  FConfig.Wait = Config.ReadBool("Wait");
}

std::string TKoActionPlaySound::GetDescription() const {
  std::string Text = '"' + std::string(FileNamePart(FConfig.File)) + '"';
  if (FConfig.Wait)
    Text += " " + ResStr(uplanneractions::sactionoptionwait);
  return Text;
}

bool TKoActionPlaySound::Execute(TKoActionOutcome&) {
  // The system would take a name that is no file for the name of a system sound and might
  // play that instead.
  if (!FileExists(FConfig.File))
    return false;
  return PlaySoundFile(SoundPort(Services()), FConfig.File, FConfig.Wait);
}
