#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/uIpHelper.h"

using TMibIfRows = std::vector<TMibIfRow>;
using TMibIpAddrRows = std::vector<TMibIpAddrRow>;

// The IP Helper library is loaded on first need and stays loaded until the program ends.
bool LoadIpHelper(TIpHelper& Helper);
bool IsIpHelperLoaded(const TIpHelper& Helper);

// The tables in the library's order; empty when the library fails to answer.
TMibIfRows GetIfTableRows(TIpHelper& Helper);
TMibIpAddrRows GetIpAddrTableRows(TIpHelper& Helper);
// The current row of one interface; false when the library cannot read it. Row is zero-filled
// apart from its index when the read fails.
bool GetIfEntryRow(TIpHelper& Helper, std::uint32_t Index, TMibIfRow& Row);

// "127.0.0.1" for the address whose lowest byte is 127.
std::string IpAddressToString(std::uint32_t Address);
// Two upper-case hexadecimal digits per byte joined by "-"; "00-00-00-00-00-00" for no bytes.
std::string MacAddressToString(std::span<const std::uint8_t> Bytes, std::uint32_t Length);
std::string GetInterfaceMac(const TMibIfRow& Row);
std::string GetInterfaceDescription(const TMibIfRow& Row);

// The index of the first interface whose MAC text equals Mac, ignoring the case of its letters.
bool FindInterfaceIndexByMac(TIpHelper& Helper, std::string_view Mac, std::uint32_t& Index);
// The first address of the interface; empty when it has none.
std::string GetInterfaceIpAddress(TIpHelper& Helper, std::uint32_t Index);
