#include "events/uIPUtils.h"

#include <algorithm>

#include "core/uStringUtils.h"

bool LoadIpHelper(TIpHelper& Helper) {
  return Helper.IsLoaded() || Helper.Load();
}

bool IsIpHelperLoaded(const TIpHelper& Helper) {
  return Helper.IsLoaded();
}

TMibIfRows GetIfTableRows(TIpHelper& Helper) {
  return Helper.GetIfTable().value_or(TMibIfRows{});
}

TMibIpAddrRows GetIpAddrTableRows(TIpHelper& Helper) {
  return Helper.GetIpAddrTable().value_or(TMibIpAddrRows{});
}

bool GetIfEntryRow(TIpHelper& Helper, std::uint32_t Index, TMibIfRow& Row) {
  Row = TMibIfRow{};
  Row.Index = Index;
  auto Entry = Helper.GetIfEntry(Index);
  if (!Entry)
    return false;
  Row = std::move(*Entry);
  return true;
}

std::string IpAddressToString(std::uint32_t Address) {
  std::string Text;
  for (int Byte = 0; Byte < 4; ++Byte) {
    if (Byte > 0)
      Text += '.';
    Text += std::to_string((Address >> (8 * Byte)) & 0xFF);
  }
  return Text;
}

std::string MacAddressToString(std::span<const std::uint8_t> Bytes, std::uint32_t Length) {
  if (Length == 0)
    return "00-00-00-00-00-00";
  static constexpr char kDigits[] = "0123456789ABCDEF";
  // A length beyond the bytes there are is the library's mistake; the address ends with them.
  const std::size_t Count = std::min<std::size_t>(Length, Bytes.size());
  std::string Text;
  for (std::size_t I = 0; I < Count; ++I) {
    if (I > 0)
      Text += '-';
    Text += kDigits[Bytes[I] >> 4];
    Text += kDigits[Bytes[I] & 15];
  }
  return Text;
}

std::string GetInterfaceMac(const TMibIfRow& Row) {
  return MacAddressToString(Row.PhysAddr, Row.PhysAddrLen);
}

std::string GetInterfaceDescription(const TMibIfRow& Row) {
  return Row.DescrLen == 0 ? std::string() : Row.Descr;
}

bool FindInterfaceIndexByMac(TIpHelper& Helper, std::string_view Mac, std::uint32_t& Index) {
  for (const TMibIfRow& Row : GetIfTableRows(Helper)) {
    if (SameText(GetInterfaceMac(Row), Mac)) {
      Index = Row.Index;
      return true;
    }
  }
  return false;
}

std::string GetInterfaceIpAddress(TIpHelper& Helper, std::uint32_t Index) {
  for (const TMibIpAddrRow& Row : GetIpAddrTableRows(Helper))
    if (Row.Index == Index)
      return IpAddressToString(Row.Addr);
  return {};
}
