#include "core/uFilePaths.h"

namespace {

std::size_t LastDelimiter(std::string_view FileName) {
  for (std::size_t I = FileName.size(); I > 0; --I)
    if (IsPathDelimiter(FileName[I - 1]))
      return I - 1;
  return std::string_view::npos;
}

}  // namespace

std::filesystem::path Utf8ToPath(std::string_view Text) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(Text.data()), Text.size()));
}

std::string PathToUtf8(const std::filesystem::path& Path) {
  const std::u8string Text = Path.u8string();
  return std::string(reinterpret_cast<const char*>(Text.data()), Text.size());
}

std::string IncludeTrailingPathDelimiter(std::string Folder) {
  if (Folder.empty() || !IsPathDelimiter(Folder.back()))
    Folder += PathDelim;
  return Folder;
}

std::string ExtractFilePath(std::string_view FileName) {
  const std::size_t Delimiter = LastDelimiter(FileName);
  return Delimiter == std::string_view::npos ? std::string()
                                             : std::string(FileName.substr(0, Delimiter + 1));
}

std::string ExtractFileName(std::string_view FileName) {
  const std::size_t Delimiter = LastDelimiter(FileName);
  return std::string(Delimiter == std::string_view::npos ? FileName
                                                         : FileName.substr(Delimiter + 1));
}

std::string ChangeFileExt(std::string_view FileName, std::string_view Extension) {
  const std::size_t Delimiter = LastDelimiter(FileName);
  const std::size_t NameStart = Delimiter == std::string_view::npos ? 0 : Delimiter + 1;
  const std::size_t Dot = FileName.rfind('.');
  const std::size_t Stem =
      Dot != std::string_view::npos && Dot >= NameStart ? Dot : FileName.size();
  return std::string(FileName.substr(0, Stem)) + std::string(Extension);
}
