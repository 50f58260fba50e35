#pragma once

#include <cstdint>
#include <string>

enum TRegistryRoot : std::uint8_t { rrCurrentUser, rrLocalMachine };

enum TRegistryStatus : std::uint8_t {
  rsOK,
  rsCannotOpenKey,  // missing, or not allowed
  rsCannotCreateKey,
  rsValueFailed,  // the value could not be written or deleted
};

// String values of the Windows registry. Keys are paths below the root without a leading "\".
class TRegistry {
 public:
  virtual ~TRegistry() = default;
  // A missing value reads as empty (rsOK).
  virtual TRegistryStatus ReadString(TRegistryRoot Root, const std::string& Key,
                                     const std::string& Name, std::string& Data) = 0;
  // Creates the key when it does not exist.
  virtual TRegistryStatus WriteString(TRegistryRoot Root, const std::string& Key,
                                      const std::string& Name, const std::string& Data) = 0;
  virtual TRegistryStatus DeleteValue(TRegistryRoot Root, const std::string& Key,
                                      const std::string& Name) = 0;
};
