#include "platform/win32/uWin32Text.h"

#include "platform/win32/uWindows.h"

std::wstring Utf8ToWide(std::string_view Text) {
  if (Text.empty())
    return {};
  int Length =
      MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
  std::wstring Result(static_cast<std::size_t>(Length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Result.data(),
                      Length);
  return Result;
}

std::string WideToUtf8(std::wstring_view Text) {
  if (Text.empty())
    return {};
  int Length = WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string Result(static_cast<std::size_t>(Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Result.data(), Length,
                      nullptr, nullptr);
  return Result;
}
