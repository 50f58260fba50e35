#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

enum class TRegistryRoot : std::uint8_t { rrCurrentUser, rrLocalMachine };

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

// Values of the system registry, read and written by key path below a root.
class TRegistry {
 public:
  virtual ~TRegistry() = default;
  // The value's type and bytes; none when the key is missing, does not open for reading or has
  // no such value.
  virtual std::optional<TRegistryValue> ReadValue(TRegistryRoot Root, std::string_view Key,
                                                  std::string_view Name) = 0;
  // Writes a REG_DWORD into a key that exists already; never creates the key.
  virtual TRegistryWrite WriteDWord(TRegistryRoot Root, std::string_view Key, std::string_view Name,
                                    std::uint32_t Value) = 0;
};
