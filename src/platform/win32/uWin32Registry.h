#pragma once

#include "platform/uRegistry.h"

// Wide-character registry calls: names and data keep every character, whatever the system's
// ANSI code page.
class TWin32Registry : public TRegistry {
 public:
  TRegistryStatus ReadString(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                             std::string& Data) override;
  TRegistryStatus WriteString(TRegistryRoot Root, const std::string& Key, const std::string& Name,
                              const std::string& Data) override;
  TRegistryStatus DeleteValue(TRegistryRoot Root, const std::string& Key,
                              const std::string& Name) override;
};
