#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/uRegistry.h"

// Registry keys and values as a test sets them up. Key paths and value names ignore letter case
// as Windows does; DWORD writes are recorded. Text values are kept as UTF-8 bytes.
class TSimRegistry : public TRegistry {
 public:
  void AddKey(TRegistryRoot Root, const std::string& Key);
  void SetValue(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                TRegistryValue Value);
  void SetDWord(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                std::uint32_t Value);
  // The DWORD there, or none.
  std::optional<std::uint32_t> DWord(TRegistryRoot Root, const std::string& Key,
                                     const std::string& Name) const;

  std::set<std::string> ReadOnlyKeys;   // keys (upper case) that do not open for writing
  std::set<TRegistryRoot> ReadOnlyRoots;  // roots where nothing can be written, as HKLM for a user
  bool WritesFail = false;
  std::vector<std::string> Writes;  // "<key>\<name>=<value>"

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

 private:
  using TKeyId = std::pair<TRegistryRoot, std::string>;
  bool Writable(TRegistryRoot Root, const std::string& UpperKey) const;
  std::map<TKeyId, std::map<std::string, TRegistryValue>> FKeys;
};
