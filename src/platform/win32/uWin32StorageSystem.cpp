#include "platform/win32/uWin32StorageSystem.h"

#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWindows.h"

#include <shlobj.h>
#include <versionhelpers.h>

namespace {

// Calls Get with growing buffers until the text fits; Get returns the length it wrote, or the
// size it needs when the buffer is too small, as the "get a text" functions of Windows do.
template <typename TGetText>
std::string ReadSystemText(TGetText Get) {
  std::wstring Buffer(MAX_PATH, L'\0');
  for (int Attempt = 0; Attempt < 8; ++Attempt) {
    const DWORD Length = Get(Buffer.data(), static_cast<DWORD>(Buffer.size()));
    if (Length == 0)
      return {};
    if (Length < Buffer.size())
      return WideToUtf8(std::wstring_view(Buffer.data(), Length));
    Buffer.resize(std::max<std::size_t>(Length + 1, Buffer.size() * 2));
  }
  return {};
}

}  // namespace

std::string TWin32StorageSystem::ApplicationFileName() {
  // GetModuleFileNameW truncates silently and returns the buffer size when it does not fit.
  return ReadSystemText([](wchar_t* Buffer, DWORD Size) -> DWORD {
    const DWORD Length = GetModuleFileNameW(nullptr, Buffer, Size);
    return Length >= Size ? Size : Length;
  });
}

std::string TWin32StorageSystem::SpecialFolder(TSpecialFolder Which) {
  int Csidl = CSIDL_PERSONAL;
  switch (Which) {
    case TSpecialFolder::sfCommonDocuments:
      Csidl = CSIDL_COMMON_DOCUMENTS;
      break;
    case TSpecialFolder::sfPersonal:
      Csidl = CSIDL_PERSONAL;
      break;
    case TSpecialFolder::sfProfile:
      Csidl = CSIDL_PROFILE;
      break;
    case TSpecialFolder::sfLocalAppData:
      Csidl = CSIDL_LOCAL_APPDATA;
      break;
  }
  wchar_t Path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, Path, Csidl, FALSE))
    return {};
  return WideToUtf8(Path);
}

std::string TWin32StorageSystem::CurrentDirectory() {
  return ReadSystemText(
      [](wchar_t* Buffer, DWORD Size) { return GetCurrentDirectoryW(Size, Buffer); });
}

std::optional<std::string> TWin32StorageSystem::EnvironmentVariable(const std::string& Name) {
  const std::wstring WideName = Utf8ToWide(Name);
  SetLastError(ERROR_SUCCESS);
  std::wstring Buffer(256, L'\0');
  for (int Attempt = 0; Attempt < 8; ++Attempt) {
    const DWORD Length =
        GetEnvironmentVariableW(WideName.c_str(), Buffer.data(), static_cast<DWORD>(Buffer.size()));
    if (Length == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND)
        return std::nullopt;
      return std::string();
    }
    if (Length < Buffer.size())
      return WideToUtf8(std::wstring_view(Buffer.data(), Length));
    Buffer.resize(Length + 1);
  }
  return std::nullopt;
}

bool TWin32StorageSystem::IsWindowsVistaOrLater() {
  return ::IsWindowsVistaOrGreater();
}

std::string TWin32StorageSystem::LocalDateTimeText() {
  SYSTEMTIME Now;
  GetLocalTime(&Now);
  wchar_t Date[128] = {};
  wchar_t Time[128] = {};
  if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &Now, nullptr, Date, 128))
    Date[0] = 0;
  if (!GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &Now, nullptr, Time, 128))
    Time[0] = 0;
  return WideToUtf8(std::wstring(Date) + L" " + Time);
}
