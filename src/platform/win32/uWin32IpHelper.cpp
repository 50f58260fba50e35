#include "platform/win32/uWin32IpHelper.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/uWin32Text.h"

namespace {

template <typename TFunction>
TFunction Bind(HMODULE Library, const char* Name) {
  // Through void (*)() because GCC accepts that one cast between unrelated function types.
  return reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(GetProcAddress(Library, Name)));
}

// A table in a buffer aligned for its DWORD fields. The table may grow between asking for its
// size and reading it, so the read is tried again a few times.
template <typename TTable, typename TFunction>
std::optional<std::vector<DWORD>> ReadTable(TFunction Function) {
  if (!Function)
    return std::nullopt;
  ULONG Size = 0;
  if (Function(nullptr, &Size, TRUE) != ERROR_INSUFFICIENT_BUFFER)
    return std::nullopt;
  for (int Attempt = 0; Attempt < 3; ++Attempt) {
    std::vector<DWORD> Buffer(Size / sizeof(DWORD) + 1);
    ULONG Room = static_cast<ULONG>(Buffer.size() * sizeof(DWORD));
    const DWORD Result = Function(reinterpret_cast<TTable*>(Buffer.data()), &Room, TRUE);
    if (Result == NO_ERROR)
      return Buffer;
    if (Result != ERROR_INSUFFICIENT_BUFFER)
      return std::nullopt;
    Size = Room;
  }
  return std::nullopt;
}

std::string AnsiToUtf8(const BYTE* Text, std::size_t Room) {
  const std::size_t Length = std::find(Text, Text + Room, BYTE{0}) - Text;
  if (Length == 0)
    return {};
  const char* Chars = reinterpret_cast<const char*>(Text);
  const int Wide = MultiByteToWideChar(CP_ACP, 0, Chars, static_cast<int>(Length), nullptr, 0);
  std::wstring Converted(static_cast<std::size_t>(Wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Chars, static_cast<int>(Length), Converted.data(), Wide);
  return WideToUtf8(Converted);
}

TMibIfRow ToRow(const MIB_IFROW& Source) {
  TMibIfRow Row;
  Row.Index = Source.dwIndex;
  Row.PhysAddrLen = Source.dwPhysAddrLen;
  std::memcpy(Row.PhysAddr.data(), Source.bPhysAddr, Row.PhysAddr.size());
  Row.DescrLen = Source.dwDescrLen;
  Row.Descr = AnsiToUtf8(Source.bDescr, sizeof Source.bDescr);
  Row.InOctets = Source.dwInOctets;
  Row.OutOctets = Source.dwOutOctets;
  return Row;
}

}  // namespace

bool TWin32IpHelper::Load() {
  if (FLibrary)
    return true;
  FLibrary.reset(LoadLibraryW(L"iphlpapi.dll"));
  if (!FLibrary)
    return false;
  FGetIfTable = Bind<decltype(FGetIfTable)>(FLibrary.get(), "GetIfTable");
  FGetIfEntry = Bind<decltype(FGetIfEntry)>(FLibrary.get(), "GetIfEntry");
  FGetIpAddrTable = Bind<decltype(FGetIpAddrTable)>(FLibrary.get(), "GetIpAddrTable");
  return true;
}

std::optional<std::vector<TMibIfRow>> TWin32IpHelper::GetIfTable() {
  const auto Buffer = ReadTable<MIB_IFTABLE>(FGetIfTable);
  if (!Buffer)
    return std::nullopt;
  const auto* Table = reinterpret_cast<const MIB_IFTABLE*>(Buffer->data());
  const std::size_t Room =
      (Buffer->size() * sizeof(DWORD) - offsetof(MIB_IFTABLE, table)) / sizeof(MIB_IFROW);
  std::vector<TMibIfRow> Rows;
  for (DWORD I = 0; I < Table->dwNumEntries && I < Room; ++I)
    Rows.push_back(ToRow(Table->table[I]));
  return Rows;
}

std::optional<std::vector<TMibIpAddrRow>> TWin32IpHelper::GetIpAddrTable() {
  const auto Buffer = ReadTable<MIB_IPADDRTABLE>(FGetIpAddrTable);
  if (!Buffer)
    return std::nullopt;
  const auto* Table = reinterpret_cast<const MIB_IPADDRTABLE*>(Buffer->data());
  const std::size_t Room =
      (Buffer->size() * sizeof(DWORD) - offsetof(MIB_IPADDRTABLE, table)) / sizeof(MIB_IPADDRROW);
  std::vector<TMibIpAddrRow> Rows;
  for (DWORD I = 0; I < Table->dwNumEntries && I < Room; ++I)
    Rows.push_back({Table->table[I].dwAddr, Table->table[I].dwIndex});
  return Rows;
}

std::optional<TMibIfRow> TWin32IpHelper::GetIfEntry(std::uint32_t Index) {
  if (!FGetIfEntry)
    return std::nullopt;
  MIB_IFROW Row{};
  Row.dwIndex = Index;
  if (FGetIfEntry(&Row) != NO_ERROR)
    return std::nullopt;
  return ToRow(Row);
}
