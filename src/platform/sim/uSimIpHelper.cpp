#include "platform/sim/uSimIpHelper.h"

#include <algorithm>

TMibIfRow& TSimIpHelper::AddInterface(std::uint32_t Index, const std::vector<std::uint8_t>& Mac,
                                      const std::string& Description) {
  TMibIfRow Row;
  Row.Index = Index;
  Row.PhysAddrLen = static_cast<std::uint32_t>(Mac.size());
  std::copy_n(Mac.begin(), std::min<std::size_t>(Mac.size(), Row.PhysAddr.size()),
              Row.PhysAddr.begin());
  Row.Descr = Description;
  Row.DescrLen = static_cast<std::uint32_t>(Description.size() + 1);
  Interfaces.push_back(Row);
  return Interfaces.back();
}

void TSimIpHelper::AddAddress(std::uint32_t Index, std::uint32_t Address) {
  Addresses.push_back({Address, Index});
}

void TSimIpHelper::AddTraffic(std::uint32_t Index, std::uint64_t Received, std::uint64_t Sent) {
  TMibIfRow* Row = Find(Index);
  if (!Row)
    return;
  Row->InOctets = static_cast<std::uint32_t>(Row->InOctets + Received);
  Row->OutOctets = static_cast<std::uint32_t>(Row->OutOctets + Sent);
}

TMibIfRow* TSimIpHelper::Find(std::uint32_t Index) {
  for (TMibIfRow& Row : Interfaces)
    if (Row.Index == Index)
      return &Row;
  return nullptr;
}

bool TSimIpHelper::Load() {
  ++LoadAttempts;
  FLoaded = FLoaded || Loadable;
  return FLoaded;
}

std::optional<std::vector<TMibIfRow>> TSimIpHelper::GetIfTable() {
  if (!FLoaded || TableFails)
    return std::nullopt;
  return Interfaces;
}

std::optional<std::vector<TMibIpAddrRow>> TSimIpHelper::GetIpAddrTable() {
  if (!FLoaded || AddressTableFails)
    return std::nullopt;
  return Addresses;
}

std::optional<TMibIfRow> TSimIpHelper::GetIfEntry(std::uint32_t Index) {
  if (!FLoaded || EntryFails.contains(Index))
    return std::nullopt;
  TMibIfRow* Row = Find(Index);
  if (!Row)
    return std::nullopt;
  return *Row;
}
