#include "platform/sim/uSimRegistry.h"

#include "core/uStringUtils.h"

void TSimRegistry::AddKey(TRegistryRoot Root, const std::string& Key) {
  FKeys[{Root, UpperCaseAscii(Key)}];
}

void TSimRegistry::SetValue(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                            TRegistryValue Value) {
  FKeys[{Root, UpperCaseAscii(Key)}][UpperCaseAscii(Name)] = std::move(Value);
}

void TSimRegistry::SetDWord(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                            std::uint32_t Value) {
  SetValue(Root, Key, Name,
           {kRegDWord,
            {static_cast<std::uint8_t>(Value), static_cast<std::uint8_t>(Value >> 8),
             static_cast<std::uint8_t>(Value >> 16), static_cast<std::uint8_t>(Value >> 24)}});
}

std::optional<std::uint32_t> TSimRegistry::DWord(TRegistryRoot Root, const std::string& Key,
                                                 const std::string& Name) const {
  auto KeyIt = FKeys.find({Root, UpperCaseAscii(Key)});
  if (KeyIt == FKeys.end()) return std::nullopt;
  auto Value = KeyIt->second.find(UpperCaseAscii(Name));
  if (Value == KeyIt->second.end() || Value->second.Type != kRegDWord ||
      Value->second.Data.size() != 4)
    return std::nullopt;
  const auto& D = Value->second.Data;
  return D[0] | (D[1] << 8) | (D[2] << 16) | (std::uint32_t{D[3]} << 24);
}

bool TSimRegistry::Writable(TRegistryRoot Root, const std::string& UpperKey) const {
  return !ReadOnlyRoots.contains(Root) && !ReadOnlyKeys.contains(UpperKey);
}

std::optional<TRegistryValue> TSimRegistry::ReadValue(TRegistryRoot Root, std::string_view Key,
                                                      std::string_view Name) {
  auto KeyIt = FKeys.find({Root, UpperCaseAscii(Key)});
  if (KeyIt == FKeys.end()) return std::nullopt;
  auto Value = KeyIt->second.find(UpperCaseAscii(Name));
  if (Value == KeyIt->second.end()) return std::nullopt;
  return Value->second;
}

TRegistryWrite TSimRegistry::WriteDWord(TRegistryRoot Root, std::string_view Key,
                                        std::string_view Name, std::uint32_t Value) {
  const std::string UpperKey = UpperCaseAscii(Key);
  if (!FKeys.contains({Root, UpperKey}) || !Writable(Root, UpperKey))
    return TRegistryWrite::rwKeyUnavailable;
  if (WritesFail) return TRegistryWrite::rwFailed;
  Writes.push_back(std::string(Key) + "\\" + std::string(Name) + "=" + std::to_string(Value));
  SetDWord(Root, std::string(Key), std::string(Name), Value);
  return TRegistryWrite::rwWritten;
}

TRegistryStatus TSimRegistry::ReadString(TRegistryRoot Root, const std::string& Key,
                                         const std::string& Name, std::string& Data) {
  Data.clear();
  if (!FKeys.contains({Root, UpperCaseAscii(Key)})) return rsCannotOpenKey;
  if (auto Value = ReadValue(Root, Key, Name); Value && Value->Type == kRegSz)
    Data.assign(Value->Data.begin(), Value->Data.end());
  return rsOK;
}

TRegistryStatus TSimRegistry::WriteString(TRegistryRoot Root, const std::string& Key,
                                          const std::string& Name, const std::string& Data) {
  const std::string UpperKey = UpperCaseAscii(Key);
  const bool Exists = FKeys.contains({Root, UpperKey});
  if (!Writable(Root, UpperKey)) return Exists ? rsCannotOpenKey : rsCannotCreateKey;
  if (WritesFail) return rsValueFailed;
  SetValue(Root, Key, Name, {kRegSz, std::vector<std::uint8_t>(Data.begin(), Data.end())});
  return rsOK;
}

TRegistryStatus TSimRegistry::DeleteValue(TRegistryRoot Root, const std::string& Key,
                                          const std::string& Name) {
  const std::string UpperKey = UpperCaseAscii(Key);
  auto KeyIt = FKeys.find({Root, UpperKey});
  if (KeyIt == FKeys.end() || !Writable(Root, UpperKey)) return rsCannotOpenKey;
  return KeyIt->second.erase(UpperCaseAscii(Name)) ? rsOK : rsValueFailed;
}
