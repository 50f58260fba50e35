#pragma once

#include "platform/uRegistry.h"

// The registry of this machine, in the program's own (64-bit) view. Wide-character calls: names
// and data keep every character, whatever the system's ANSI code page.
class TWin32Registry : public TRegistry {
 public:
  std::optional<TRegistryValue> ReadValue(TRegistryRoot Root, std::string_view Key,
                                          std::string_view Name) override;
  TRegistryWrite WriteDWord(TRegistryRoot Root, std::string_view Key, std::string_view Name,
                            std::uint32_t Value) override;
  TRegistryStatus ReadString(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                             std::string& Data) override;
  TRegistryStatus WriteString(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                              const std::string& Data) override;
  TRegistryStatus DeleteValue(TRegistryRoot Root, const std::string& Key,
                              const std::string& Name) override;
};
