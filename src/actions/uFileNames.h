#pragma once

#include <string_view>

// The file-name part of a path: what follows the last path delimiter ("\" or "/") or drive
// colon; the whole text when there is none.
inline std::string_view ExtractFileName(std::string_view Path) {
  const auto Last = Path.find_last_of("\\/:");
  return Last == std::string_view::npos ? Path : Path.substr(Last + 1);
}
