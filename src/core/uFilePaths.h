#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Paths are kept as UTF-8 text, in the form the user sees and the files store them; these
// helpers convert at the edge to std::filesystem::path, whose narrow constructor would read the
// text in the system's ANSI code page on Windows.

// The platform's own delimiter: a backslash on Windows.
inline constexpr char PathDelim = static_cast<char>(std::filesystem::path::preferred_separator);

// Windows accepts the slash as a delimiter too; elsewhere only the slash is one.
inline constexpr bool IsPathDelimiter(char Letter) {
  return Letter == '/' || Letter == PathDelim;
}

std::filesystem::path Utf8ToPath(std::string_view Text);
std::string PathToUtf8(const std::filesystem::path& Path);

std::string IncludeTrailingPathDelimiter(std::string Folder);
// The folder part including its trailing delimiter; empty when the name has no folder.
std::string ExtractFilePath(std::string_view FileName);
// The part after the last delimiter.
std::string ExtractFileName(std::string_view FileName);
// Replaces the extension of the last part (from its last dot) or appends one when it has none.
std::string ChangeFileExt(std::string_view FileName, std::string_view Extension);
