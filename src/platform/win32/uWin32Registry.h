#pragma once

#include "platform/uRegistry.h"

// The registry of this machine, in the program's own (64-bit) view.
class TWin32Registry : public TRegistry {
 public:
  std::optional<TRegistryValue> ReadValue(TRegistryRoot Root, std::string_view Key,
                                          std::string_view Name) override;
  TRegistryWrite WriteDWord(TRegistryRoot Root, std::string_view Key, std::string_view Name,
                            std::uint32_t Value) override;
};
