#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Roots the program uses; written "TRegistryRoot::rrLocalMachine" or just "rrLocalMachine".
enum TRegistryRoot : std::uint8_t { rrCurrentUser, rrLocalMachine };

// Registry value types, as Windows numbers them.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDWord = 4;

struct TRegistryValue {
  std::uint32_t Type = 0;
  std::vector<std::uint8_t> Data;
};

enum class TRegistryWrite : std::uint8_t {
  rwWritten,
  rwKeyUnavailable,  // the key is missing or does not open for writing
  rwFailed,          // the key opened but the value could not be written
};

enum TRegistryStatus : std::uint8_t {
  rsOK,
  rsCannotOpenKey,  // missing, or not allowed
  rsCannotCreateKey,
  rsValueFailed,  // the value could not be written or deleted
};

// Values of the system registry, by key path below a root (without a leading "\"), in the
// program's own (64-bit) view.
class TRegistry {
 public:
  virtual ~TRegistry() = default;

  // The value's type and raw bytes; none when the key is missing, does not open for reading or
  // has no such value.
  virtual std::optional<TRegistryValue> ReadValue(TRegistryRoot Root, std::string_view Key,
                                                  std::string_view Name) = 0;
  // Writes a REG_DWORD into a key that exists already; never creates the key.
  virtual TRegistryWrite WriteDWord(TRegistryRoot Root, std::string_view Key,
                                    std::string_view Name, std::uint32_t Value) = 0;

  // Text values. A missing value reads as empty (rsOK); a key that does not open does not.
  virtual TRegistryStatus ReadString(TRegistryRoot Root, const std::string& Key,
                                     const std::string& Name, std::string& Data) = 0;
  // Creates the key when it does not exist.
  virtual TRegistryStatus WriteString(TRegistryRoot Root, const std::string& Key,
                                      const std::string& Name, const std::string& Data) = 0;
  virtual TRegistryStatus DeleteValue(TRegistryRoot Root, const std::string& Key,
                                      const std::string& Name) = 0;
};
