#include "platform/win32/uWin32Registry.h"

#include <algorithm>

#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32Text.h"

namespace {

HKEY RootKey(TRegistryRoot Root) {
  return Root == rrLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
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
  if (!Opened) return std::nullopt;
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
    if (Status != ERROR_SUCCESS && Status != ERROR_MORE_DATA) return std::nullopt;
    Value.Data.resize(Size);
  }
  return std::nullopt;
}

TRegistryWrite TWin32Registry::WriteDWord(TRegistryRoot Root, std::string_view Key,
                                          std::string_view Name, std::uint32_t Value) {
  TRegistryKeyHandle Opened = OpenKey(Root, Key, KEY_SET_VALUE);
  if (!Opened) return TRegistryWrite::rwKeyUnavailable;
  const DWORD Data = Value;
  if (RegSetValueExW(Opened.get(), Utf8ToWide(Name).c_str(), 0, REG_DWORD,
                     reinterpret_cast<const BYTE*>(&Data), sizeof Data) != ERROR_SUCCESS)
    return TRegistryWrite::rwFailed;
  return TRegistryWrite::rwWritten;
}

TRegistryStatus TWin32Registry::ReadString(TRegistryRoot Root, const std::string& Key,
                                           const std::string& Name, std::string& Data) {
  Data.clear();
  if (!OpenKey(Root, Key, KEY_READ)) return rsCannotOpenKey;
  const auto Value = ReadValue(Root, Key, Name);
  if (!Value || (Value->Type != REG_SZ && Value->Type != REG_EXPAND_SZ)) return rsOK;
  std::wstring Text(Value->Data.size() / sizeof(wchar_t), L'\0');
  std::copy(Value->Data.begin(), Value->Data.begin() + Text.size() * sizeof(wchar_t),
            reinterpret_cast<std::uint8_t*>(Text.data()));
  // Stored strings usually end with their terminator; some writers leave it out.
  if (const auto End = Text.find(L'\0'); End != std::wstring::npos) Text.resize(End);
  Data = WideToUtf8(Text);
  return rsOK;
}

TRegistryStatus TWin32Registry::WriteString(TRegistryRoot Root, const std::string& Key,
                                            const std::string& Name, const std::string& Data) {
  HKEY Created = nullptr;
  if (RegCreateKeyExW(RootKey(Root), Utf8ToWide(Key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &Created, nullptr) != ERROR_SUCCESS)
    return OpenKey(Root, Key, KEY_READ) ? rsCannotOpenKey : rsCannotCreateKey;
  TRegistryKeyHandle Opened(Created);
  const std::wstring Value = Utf8ToWide(Data);
  const DWORD Bytes = static_cast<DWORD>((Value.size() + 1) * sizeof(wchar_t));
  if (RegSetValueExW(Opened.get(), Utf8ToWide(Name).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(Value.c_str()), Bytes) != ERROR_SUCCESS)
    return rsValueFailed;
  return rsOK;
}

TRegistryStatus TWin32Registry::DeleteValue(TRegistryRoot Root, const std::string& Key,
                                            const std::string& Name) {
  TRegistryKeyHandle Opened = OpenKey(Root, Key, KEY_ALL_ACCESS);
  if (!Opened) return rsCannotOpenKey;
  if (RegDeleteValueW(Opened.get(), Utf8ToWide(Name).c_str()) != ERROR_SUCCESS) return rsValueFailed;
  return rsOK;
}
