#include "platform/win32/uWin32RemoteAccess.h"

#include <ras.h>

namespace {

// The program asks for at most this many connections; more make the listing fail.
constexpr DWORD kEntries = 8;
constexpr DWORD kNotAvailable = static_cast<DWORD>(-1);

// The library is loaded without the system's "cannot find" boxes.
TDynamicLibrary LoadQuietly(const wchar_t* Name) {
  const UINT Previous = SetErrorMode(SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS);
  TDynamicLibrary Library(Name);
  SetErrorMode(Previous);
  return Library;
}

}  // namespace

TWin32RemoteAccess::TWin32RemoteAccess() : FLibrary(LoadQuietly(L"rasapi32.dll")) {
  FEnumConnections = FLibrary.Function<TRasEnumConnectionsA>("RasEnumConnectionsA");
  FHangUp = FLibrary.Function<TRasHangUpA>("RasHangUpA");
}

std::optional<std::vector<std::uintptr_t>> TWin32RemoteAccess::EnumConnections() {
  if (!FEnumConnections)
    return std::nullopt;
  // The structure's size tells the system which layout the caller expects; a 64-bit program
  // must pass its own (the 412-byte entries of 32-bit Windows 95 are refused).
  RASCONNA Entries[kEntries] = {};
  for (auto& Entry : Entries)
    Entry.dwSize = sizeof(RASCONNA);
  DWORD Bytes = sizeof Entries;
  DWORD Count = 0;
  if (FEnumConnections(Entries, &Bytes, &Count) != 0 || Count > kEntries)
    return std::nullopt;
  std::vector<std::uintptr_t> Connections;
  for (DWORD I = 0; I < Count; ++I)
    Connections.push_back(reinterpret_cast<std::uintptr_t>(Entries[I].hrasconn));
  return Connections;
}

std::uint32_t TWin32RemoteAccess::HangUp(std::uintptr_t Connection) {
  if (!FHangUp)
    return kNotAvailable;
  return FHangUp(reinterpret_cast<HANDLE>(Connection));
}
