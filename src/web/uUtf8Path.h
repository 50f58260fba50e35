#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Paths travel as UTF-8 text. A path built from a plain std::string would read it in the
// system's ANSI code page on Windows, so the conversion goes through char8_t explicitly.
inline std::filesystem::path PathFromUtf8(std::string_view Text) {
  return std::filesystem::path(std::u8string(Text.begin(), Text.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& Path) {
  const std::u8string Text = Path.u8string();
  return std::string(Text.begin(), Text.end());
}
