#include "events/uFileMeasure.h"

#include <filesystem>
#include <system_error>

#include "actions/uTextCompare.h"
#include "core/uFilePaths.h"

namespace fs = std::filesystem;

namespace {

std::int64_t EntrySize(const fs::path& Path) {
  std::error_code Error;
  const fs::file_status Status = fs::status(Path, Error);
  if (Error || !fs::exists(Status))
    return -1;
  if (!fs::is_regular_file(Status))
    return 0;
  const std::uintmax_t Size = fs::file_size(Path, Error);
  return Error ? -1 : static_cast<std::int64_t>(Size);
}

bool MatchesFrom(const std::u32string& Name, const std::u32string& Pattern) {
  // Greedy matching that returns to the last "*" on a mismatch: linear for the usual patterns,
  // never recursive.
  std::size_t N = 0, P = 0;
  std::size_t StarP = std::u32string::npos, StarN = 0;
  while (N < Name.size()) {
    if (P < Pattern.size() && Pattern[P] == U'*') {
      StarP = P++;
      StarN = N;
    } else if (P < Pattern.size() &&
               (Pattern[P] == U'?' || FoldCase(Pattern[P]) == FoldCase(Name[N]))) {
      ++P;
      ++N;
    } else if (StarP != std::u32string::npos) {
      P = StarP + 1;
      N = ++StarN;
    } else {
      return false;
    }
  }
  while (P < Pattern.size() && Pattern[P] == U'*')
    ++P;
  return P == Pattern.size();
}

}  // namespace

bool MatchesFileNamePattern(std::string_view Name, std::string_view Pattern) {
  const std::u32string Text = DecodeUtf8(Name);
  const std::u32string Mask = DecodeUtf8(Pattern);
  if (MatchesFrom(Text, Mask))
    return true;
  return Mask.size() >= 2 && Mask.ends_with(U".*") &&
         MatchesFrom(Text, Mask.substr(0, Mask.size() - 2));
}

std::int64_t MeasurePath(const std::string& Path, bool IsFolder) {
  std::error_code Error;
  if (IsFolder)
    return fs::is_directory(Utf8ToPath(Path), Error) ? 0 : -1;
  const std::string Pattern = ExtractFileName(Path);
  if (Pattern.find_first_of("*?") == std::string::npos)
    return EntrySize(Utf8ToPath(Path));
  fs::path Folder = Utf8ToPath(ExtractFilePath(Path));
  if (Folder.empty())
    Folder = ".";
  for (fs::directory_iterator It(Folder, Error), End; !Error && It != End; It.increment(Error)) {
    if (MatchesFileNamePattern(PathToUtf8(It->path().filename()), Pattern))
      return EntrySize(It->path());
  }
  return -1;
}
