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
  if (KeyIt == FKeys.end())
    return std::nullopt;
  auto Value = KeyIt->second.find(UpperCaseAscii(Name));
  if (Value == KeyIt->second.end() || Value->second.Type != kRegDWord ||
      Value->second.Data.size() != 4)
    return std::nullopt;
  const auto& D = Value->second.Data;
  return D[0] | (D[1] << 8) | (D[2] << 16) | (std::uint32_t{D[3]} << 24);
}

std::optional<TRegistryValue> TSimRegistry::ReadValue(TRegistryRoot Root, std::string_view Key,
                                                      std::string_view Name) {
  auto KeyIt = FKeys.find({Root, UpperCaseAscii(Key)});
  if (KeyIt == FKeys.end())
    return std::nullopt;
  auto Value = KeyIt->second.find(UpperCaseAscii(Name));
  if (Value == KeyIt->second.end())
    return std::nullopt;
  return Value->second;
}

TRegistryWrite TSimRegistry::WriteDWord(TRegistryRoot Root, std::string_view Key,
                                        std::string_view Name, std::uint32_t Value) {
  const std::string UpperKey = UpperCaseAscii(Key);
  if (!FKeys.contains({Root, UpperKey}) || ReadOnlyKeys.contains(UpperKey))
    return TRegistryWrite::rwKeyUnavailable;
  if (WritesFail)
    return TRegistryWrite::rwFailed;
  Writes.push_back(std::string(Key) + "\\" + std::string(Name) + "=" + std::to_string(Value));
  SetDWord(Root, std::string(Key), std::string(Name), Value);
  return TRegistryWrite::rwWritten;
}
