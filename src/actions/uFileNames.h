#pragma once

#include <string_view>

// The file-name part of a Windows path, on any platform (process and file names come from
// Windows even in tests on the simulated machine): what follows the last "\", "/" or drive
// colon; the whole text when there is none.
inline std::string_view FileNamePart(std::string_view Path) {
  const auto Last = Path.find_last_of("\\/:");
  return Last == std::string_view::npos ? Path : Path.substr(Last + 1);
}
