#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "platform/uRegistry.h"

// An in-memory registry; roots can be made read-only, as HKEY_LOCAL_MACHINE is for a user
// without administrative rights.
class TSimRegistry : public TRegistry {
 public:
  TRegistryStatus ReadString(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                             std::string& Data) override;
  TRegistryStatus WriteString(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                              const std::string& Data) override;
  TRegistryStatus DeleteValue(TRegistryRoot Root, const std::string& Key,
                              const std::string& Name) override;

  // Keys compare ignoring case, as in Windows; stored as written.
  std::map<std::tuple<TRegistryRoot, std::string, std::string>, std::string> Values;
  std::set<std::pair<TRegistryRoot, std::string>> Keys;
  std::set<TRegistryRoot> ReadOnlyRoots;
};
