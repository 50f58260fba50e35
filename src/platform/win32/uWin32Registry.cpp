#include "platform/win32/uWin32Registry.h"

#include <memory>
#include <type_traits>
#include <vector>

#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32Text.h"

namespace {

using TKeyHandle = std::unique_ptr<std::remove_pointer_t<HKEY>,
                                   TWin32HandleDeleter<HKEY, [](HKEY Key) { RegCloseKey(Key); }>>;

HKEY RootKey(TRegistryRoot Root) {
  return Root == rrLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

TKeyHandle OpenKey(TRegistryRoot Root, const std::string& Key, REGSAM Access) {
  HKEY Opened = nullptr;
  if (RegOpenKeyExW(RootKey(Root), Utf8ToWide(Key).c_str(), 0, Access, &Opened) != ERROR_SUCCESS)
    return nullptr;
  return TKeyHandle(Opened);
}

}  // namespace

TRegistryStatus TWin32Registry::ReadString(TRegistryRoot Root, const std::string& Key,
                                           const std::string& Name, std::string& Data) {
  TKeyHandle Opened = OpenKey(Root, Key, KEY_READ);
  if (!Opened)
    return rsCannotOpenKey;
  Data.clear();
  const std::wstring ValueName = Utf8ToWide(Name);
  DWORD Type = 0, Bytes = 0;
  if (RegQueryValueExW(Opened.get(), ValueName.c_str(), nullptr, &Type, nullptr, &Bytes) !=
          ERROR_SUCCESS ||
      (Type != REG_SZ && Type != REG_EXPAND_SZ))
    return rsOK;
  std::vector<wchar_t> Buffer(Bytes / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(Opened.get(), ValueName.c_str(), nullptr, &Type,
                       reinterpret_cast<BYTE*>(Buffer.data()), &Bytes) != ERROR_SUCCESS)
    return rsOK;
  Data = WideToUtf8(Buffer.data());
  return rsOK;
}

TRegistryStatus TWin32Registry::WriteString(TRegistryRoot Root, const std::string& Key,
                                            const std::string& Name, const std::string& Data) {
  HKEY Created = nullptr;
  if (RegCreateKeyExW(RootKey(Root), Utf8ToWide(Key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &Created, nullptr) != ERROR_SUCCESS)
    return OpenKey(Root, Key, KEY_READ) ? rsCannotOpenKey : rsCannotCreateKey;
  TKeyHandle Opened(Created);
  const std::wstring Value = Utf8ToWide(Data);
  const DWORD Bytes = static_cast<DWORD>((Value.size() + 1) * sizeof(wchar_t));
  if (RegSetValueExW(Opened.get(), Utf8ToWide(Name).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(Value.c_str()), Bytes) != ERROR_SUCCESS)
    return rsValueFailed;
  return rsOK;
}

TRegistryStatus TWin32Registry::DeleteValue(TRegistryRoot Root, const std::string& Key,
                                            const std::string& Name) {
  TKeyHandle Opened = OpenKey(Root, Key, KEY_ALL_ACCESS);
  if (!Opened)
    return rsCannotOpenKey;
  if (RegDeleteValueW(Opened.get(), Utf8ToWide(Name).c_str()) != ERROR_SUCCESS)
    return rsValueFailed;
  return rsOK;
}
