#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One network interface as the IP Helper library reports it (MIB_IFROW, the fields Kolvane uses).
struct TMibIfRow {
  std::uint32_t Index = 0;
  std::uint32_t PhysAddrLen = 0;  // as reported: may exceed the 8 bytes of PhysAddr
  std::array<std::uint8_t, 8> PhysAddr{};
  std::uint32_t DescrLen = 0;  // as reported; 0 means no description
  std::string Descr;           // the description up to its terminating zero, as UTF-8
  std::uint32_t InOctets = 0;  // byte counters that wrap at 2^32
  std::uint32_t OutOctets = 0;
};

// One IPv4 address of an interface (MIB_IPADDRROW): first octet in the lowest byte.
struct TMibIpAddrRow {
  std::uint32_t Addr = 0;
  std::uint32_t Index = 0;
};

// The IP Helper library ("iphlpapi.dll"), loaded on first need and kept until the program ends.
// Every query fails while it is not loaded, and a query whose entry point the library lacks fails
// too.
class TIpHelper {
 public:
  virtual ~TIpHelper() = default;
  // Loads the library unless it is loaded; false when it cannot be loaded.
  virtual bool Load() = 0;
  virtual bool IsLoaded() const = 0;
  // The interface table sorted by index (GetIfTable with bOrder TRUE); none when the call fails.
  virtual std::optional<std::vector<TMibIfRow>> GetIfTable() = 0;
  // The address table sorted by address; none when the call fails.
  virtual std::optional<std::vector<TMibIpAddrRow>> GetIpAddrTable() = 0;
  // The row of one interface (GetIfEntry); none when the call fails.
  virtual std::optional<TMibIfRow> GetIfEntry(std::uint32_t Index) = 0;
};
