#include "core/uAtomicFile.h"

#include <cstdint>
#include <cstdio>
#include <random>
#include <stdexcept>

#include "core/uFilePaths.h"
#include "core/uFileStrings.h"
#include "core/uFormat.h"
#include "platform/uDurableFiles.h"

namespace {

// Beside the target, so that the final rename never crosses volumes; the random part keeps two
// saves of the same file (two program instances) from meeting in one temporary file.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& Target) {
  static thread_local std::mt19937_64 Generator{std::random_device{}()};
  const std::uint64_t Unique = Generator();
  char Suffix[24];
  std::snprintf(Suffix, sizeof Suffix, ".%016llx.tmp", static_cast<unsigned long long>(Unique));
  std::filesystem::path Temporary = Target;
  Temporary += Suffix;
  return Temporary;
}

}  // namespace

void SaveFileAtomically(const std::filesystem::path& Target, std::string_view Bytes,
                        const TFileReplacer& Replace) {
  const std::filesystem::path Temporary = TemporaryNameFor(Target);
  bool TemporaryWritten = false;
  try {
    if (Target.has_parent_path())
      std::filesystem::create_directories(Target.parent_path());
    WriteNewFileThrough(Temporary, Bytes);
    TemporaryWritten = true;
    if (Replace)
      Replace(Temporary, Target);
    else
      ReplaceFileAtomically(Temporary, Target);
  } catch (const std::exception& Error) {
    if (TemporaryWritten) {
      std::error_code Ignored;
      std::filesystem::remove(Temporary, Ignored);
    }
    throw EFileSave(
        Format(ResStr(uatomicfile::scannotsavefile), {PathToUtf8(Target), Error.what()}));
  }
}
