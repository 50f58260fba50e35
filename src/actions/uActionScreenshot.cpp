#include "actions/uActionScreenshot.h"

#include <cstdio>
#include <filesystem>

#include "actions/uActionPorts.h"
#include "actions/uDisplayActionsStrings.h"
#include "actions/uScreenshot.h"
#include "core/uFilePaths.h"
#include "core/uFormat.h"
#include "core/uPlannerActionsStrings.h"
#include "core/uStringUtils.h"
#include "platform/uEventLoop.h"

namespace {

constexpr char kExtension[] = ".jpg";
constexpr char kDefaultName[] = "screenshot";
constexpr char kCounterSeparator[] = "_";
constexpr std::uint64_t kMaxCandidates = 1000000;
constexpr std::uint8_t kQuality = 80;

bool IsExistingFolder(const std::string& Path) {
  std::error_code Error;
  return !Path.empty() && std::filesystem::is_directory(Utf8ToPath(Path), Error);
}

bool NameTaken(const std::string& FileName) {
  std::error_code Error;
  return std::filesystem::exists(Utf8ToPath(FileName), Error);
}

// The extension of the name's last part, from its last dot; empty when it has none.
std::string_view ExtensionOf(std::string_view FileName) {
  std::size_t NameStart = 0;
  for (std::size_t I = FileName.size(); I > 0; --I)
    if (IsPathDelimiter(FileName[I - 1])) {
      NameStart = I;
      break;
    }
  const std::size_t Dot = FileName.rfind('.');
  if (Dot == std::string_view::npos || Dot < NameStart)
    return {};
  return FileName.substr(Dot);
}

}  // namespace

std::string ScreenshotTimeStamp(TDateTime Now) {
  const auto Days = std::chrono::floor<std::chrono::days>(Now);
  const std::chrono::year_month_day Day{Days};
  const std::chrono::hh_mm_ss Time{std::chrono::floor<std::chrono::seconds>(Now - Days)};
  char Buffer[32];
  std::snprintf(Buffer, sizeof Buffer, "%04d%02u%02u_%02d%02d%02d", static_cast<int>(Day.year()),
                static_cast<unsigned>(Day.month()), static_cast<unsigned>(Day.day()),
                static_cast<int>(Time.hours().count()), static_cast<int>(Time.minutes().count()),
                static_cast<int>(Time.seconds().count()));
  return Buffer;
}

std::string ScreenshotFileName(const TKoActionScreenshot::TConfig& Config, TDateTime Now) {
  std::string Base = Config.Path;
  if (IsExistingFolder(Base))
    Base = IncludeTrailingPathDelimiter(Base);

  switch (Config.NamingSchema) {
    case TKoActionScreenshot::nsNumeric: {
      std::uint64_t Counter = 1;
      return FindFreeNumberedName(Base, kExtension, kMaxCandidates, Counter);
    }
    case TKoActionScreenshot::nsDateTime: {
      const std::string Stamped = Base + ScreenshotTimeStamp(Now);
      if (!NameTaken(Stamped + kExtension))
        return Stamped + kExtension;
      // The second picture of the same second is _2, as the first one is the unnumbered one.
      std::uint64_t Counter = 2;
      return FindFreeNumberedName(Stamped + kCounterSeparator, kExtension, kMaxCandidates, Counter);
    }
  }
  std::string Name = Base;
  if (ExtractFileName(Name).empty())
    Name += kDefaultName;
  if (!SameText(ExtensionOf(Name), kExtension))
    Name += kExtension;
  return Name;
}

void TKoActionScreenshot::InitIdentity() {
  FID = "Screenshot";
  FName = ResStr(uplanneractions::name_action_screenshot);
}

void TKoActionScreenshot::SetDefaults() {
  FConfig = {};
}

void TKoActionScreenshot::SaveConfig(TQueryStr& Config) const {
  Config.WriteInteger("NamingSchema", FConfig.NamingSchema);
  Config.WriteString("Path", FConfig.Path);
}

void TKoActionScreenshot::LoadConfig(const TQueryStr& Config) {
  FConfig.NamingSchema = static_cast<std::uint8_t>(Config.ReadInteger("NamingSchema"));
  FConfig.Path = Config.ReadString("Path");
}

std::string TKoActionScreenshot::GetDescription() const {
  const TResString* Pattern = nullptr;
  switch (FConfig.NamingSchema) {
    case nsSpecified:
      Pattern = &uplanneractions::sactionsaveinpath;
      break;
    case nsNumeric:
      Pattern = &uplanneractions::sactionsequentiallynumberedinpath;
      break;
    case nsDateTime:
      Pattern = &uplanneractions::sactiondatetimestampedinpath;
      break;
    default:
      return {};
  }
  return Format(ResStr(*Pattern), {FConfig.Path});
}

bool TKoActionScreenshot::Execute(TKoActionOutcome&) {
  const std::string FileName = ScreenshotFileName(FConfig, Services().EventLoop.Now());
  if (FileName.empty())
    return false;
  return TrySaveScreenshotJpeg(ScreenshotPortsOf(Services()), FileName, kQuality);
}
