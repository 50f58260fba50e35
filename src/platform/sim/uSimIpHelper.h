#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/uIpHelper.h"

// Network interfaces as a test scripts them: rows in table order, addresses, traffic that moves
// the 32-bit octet counters (wrapping as the system's do) and calls that fail.
class TSimIpHelper : public TIpHelper {
 public:
  bool Loadable = true;
  bool TableFails = false;
  bool AddressTableFails = false;
  std::set<std::uint32_t> EntryFails;  // interfaces whose GetIfEntry fails
  std::vector<TMibIfRow> Interfaces;
  std::vector<TMibIpAddrRow> Addresses;
  int LoadAttempts = 0;

  // Adds an interface with a MAC address such as {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}.
  TMibIfRow& AddInterface(std::uint32_t Index, const std::vector<std::uint8_t>& Mac,
                          const std::string& Description);
  void AddAddress(std::uint32_t Index, std::uint32_t Address);
  void AddTraffic(std::uint32_t Index, std::uint64_t Received, std::uint64_t Sent);
  TMibIfRow* Find(std::uint32_t Index);

  bool Load() override;
  bool IsLoaded() const override { return FLoaded; }
  std::optional<std::vector<TMibIfRow>> GetIfTable() override;
  std::optional<std::vector<TMibIpAddrRow>> GetIpAddrTable() override;
  std::optional<TMibIfRow> GetIfEntry(std::uint32_t Index) override;

 private:
  bool FLoaded = false;
};
