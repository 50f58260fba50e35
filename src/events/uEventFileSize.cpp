#include "events/uEventFileSize.h"

#include <charconv>
#include <limits>

#include "core/uFilePaths.h"
#include "core/uFormat.h"
#include "core/uKoException.h"
#include "core/uPlannerEventsStrings.h"
#include "events/uEventStrings.h"
#include "events/uFileMeasure.h"

namespace {

// A decimal number in the full 64-bit range, as the size edit takes it; 0 when the text is not
// one. Leading blanks and a sign are allowed, as for every other number in a configuration.
std::int64_t TextToSize(std::string_view Text) {
  while (!Text.empty() && (Text.front() == ' ' || Text.front() == '\t'))
    Text.remove_prefix(1);
  if (!Text.empty() && Text.front() == '+')
    Text.remove_prefix(1);
  std::int64_t Value = 0;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Error != std::errc() || End != Text.data() + Text.size())
    return 0;
  return Value;
}

}  // namespace

std::int64_t FileSizeUnitBytes(int SizeType) {
  switch (SizeType) {
    case TKoEventFileSize::fstBytes:
      return 1;
    case TKoEventFileSize::fstKB:
      return std::int64_t{1} << 10;
    case TKoEventFileSize::fstMB:
      return std::int64_t{1} << 20;
    case TKoEventFileSize::fstGB:
      return std::int64_t{1} << 30;
  }
  throw EKoException(ResStr(uplannerevents::sunknownfilesizetype) + std::to_string(SizeType));
}

std::string FileSizeText(std::int64_t Value, int SizeType) {
  const TResString* Unit = &uplannerevents::seventsizebytes;
  if (SizeType == TKoEventFileSize::fstKB)
    Unit = &uplannerevents::seventsizekb;
  else if (SizeType == TKoEventFileSize::fstMB)
    Unit = &uplannerevents::seventsizemb;
  else if (SizeType == TKoEventFileSize::fstGB)
    Unit = &uplannerevents::seventsizegb;
  return std::to_string(Value) + " " + ResStr(*Unit);
}

void TKoEventFileSize::InitIdentity() {
  FID = "FileSizeLimit";
  FName = ResStr(uplannerevents::name_event_filesizelimit);
}

void TKoEventFileSize::SetDefaults() {
  FConfig = {};
}

void TKoEventFileSize::SaveConfig(TQueryStr& Config) const {
  Config.WriteString("File", FConfig.File);
  Config.WriteInteger("When", FConfig.When);
  // Sizes within the 32-bit range are written as every other number; larger ones keep all
  // their digits rather than wrap around.
  Config.WriteString("Size", std::to_string(FConfig.Size));
  Config.WriteInteger("SizeType", FConfig.SizeType);
}

void TKoEventFileSize::LoadConfig(const TQueryStr& Config) {
  FConfig.File = Config.ReadString("File");
  FConfig.When = Config.ReadInteger("When");
  FConfig.Size = TextToSize(Config.ReadString("Size"));
  FConfig.SizeType = Config.ReadInteger("SizeType");
}

std::string TKoEventFileSize::GetDescription() const {
  switch (FConfig.When) {
    case fswReachesSize:
      return Format(ResStr(uplannerevents::seventfilereachessize),
                    {FConfig.File, FileSizeText(FConfig.Size, FConfig.SizeType)});
    case fswCreated:
      return Format(ResStr(uplannerevents::seventfilecreated), {FConfig.File});
    case fswNoLongerExists:
      return Format(ResStr(uplannerevents::seventfilenolongerexists), {FConfig.File});
  }
  return {};
}

std::string TKoEventFileSize::GetStatusText() const {
  if (!Timer().Enabled() || FCurrentSize == -2)
    return {};
  switch (FConfig.When) {
    case fswReachesSize:
      if (FCurrentSize < 0)
        return ResStr(uplannerevents::seventfilenotfound);
      return Format(ResStr(uplannerevents::seventfilesize),
                    {FileSizeText(FCurrentSize, FConfig.SizeType)});
    case fswCreated:
    case fswNoLongerExists:
      return ResStr(FCurrentSize < 0 ? uplannerevents::seventfilenotfound
                                     : uplannerevents::seventfilefound);
  }
  return {};
}

void TKoEventFileSize::DoStart() {
  // Every check converts sizes to the unit, so a unit it does not know could never be checked.
  FileSizeUnitBytes(FConfig.SizeType);
  FIsFolder = ExtractFileName(FConfig.File).empty();
  FCurrentSize = -2;
  Timer().SetInterval(1000);
  Timer().SetEnabled(true);
}

void TKoEventFileSize::TimerTick() {
  const std::int64_t Bytes = MeasurePath(FConfig.File, FIsFolder);
  const std::int64_t Unit = FileSizeUnitBytes(FConfig.SizeType);
  FCurrentSize = Bytes <= 0 ? Bytes : Bytes / Unit;
  switch (FConfig.When) {
    case fswReachesSize: {
      // The limit saturates rather than overflow; a limit of 0 or less is taken as it is.
      std::int64_t Limit = FConfig.Size;
      if (Limit > 0)
        Limit = Limit > std::numeric_limits<std::int64_t>::max() / Unit
                    ? std::numeric_limits<std::int64_t>::max()
                    : Limit * Unit;
      // A file that is not there has reached no size, whatever the limit.
      SetTriggered(Bytes >= 0 && Bytes >= Limit);
      break;
    }
    case fswCreated:
      SetTriggered(Bytes >= 0);
      break;
    case fswNoLongerExists:
      SetTriggered(Bytes == -1);
      break;
  }
}
