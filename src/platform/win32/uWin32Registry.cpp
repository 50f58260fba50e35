#include "platform/win32/uWin32Registry.h"

#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32Text.h"

namespace {

HKEY RootKey(TRegistryRoot Root) {
  return Root == TRegistryRoot::rrLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

TRegistryKeyHandle OpenKey(TRegistryRoot Root, std::string_view Key, REGSAM Access) {
  HKEY Raw = nullptr;
  if (RegOpenKeyExW(RootKey(Root), Utf8ToWide(Key).c_str(), 0, Access, &Raw) != ERROR_SUCCESS)
    return nullptr;
  return TRegistryKeyHandle(Raw);
}

}  // namespace

std::optional<TRegistryValue> TWin32Registry::ReadValue(TRegistryRoot Root, std::string_view Key,
                                                        std::string_view Name) {
  TRegistryKeyHandle Opened = OpenKey(Root, Key, KEY_QUERY_VALUE);
  if (!Opened)
    return std::nullopt;
  const std::wstring WideName = Utf8ToWide(Name);
  TRegistryValue Value;
  DWORD Size = 0;
  // The value may grow between asking its size and reading it.
  for (int Attempt = 0; Attempt < 4; ++Attempt) {
    DWORD Type = 0;
    const LSTATUS Status =
        RegQueryValueExW(Opened.get(), WideName.c_str(), nullptr, &Type,
                         Value.Data.empty() ? nullptr : Value.Data.data(), &Size);
    if (Status == ERROR_SUCCESS && (Size <= Value.Data.size() || Size == 0)) {
      Value.Type = Type;
      Value.Data.resize(Size);
      return Value;
    }
    if (Status != ERROR_SUCCESS && Status != ERROR_MORE_DATA)
      return std::nullopt;
    Value.Data.resize(Size);
  }
  return std::nullopt;
}

TRegistryWrite TWin32Registry::WriteDWord(TRegistryRoot Root, std::string_view Key,
                                          std::string_view Name, std::uint32_t Value) {
  TRegistryKeyHandle Opened = OpenKey(Root, Key, KEY_SET_VALUE);
  if (!Opened)
    return TRegistryWrite::rwKeyUnavailable;
  const DWORD Data = Value;
  if (RegSetValueExW(Opened.get(), Utf8ToWide(Name).c_str(), 0, REG_DWORD,
                     reinterpret_cast<const BYTE*>(&Data), sizeof Data) != ERROR_SUCCESS)
    return TRegistryWrite::rwFailed;
  return TRegistryWrite::rwWritten;
}
