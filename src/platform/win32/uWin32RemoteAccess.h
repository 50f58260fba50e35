#pragma once

#include "platform/uRemoteAccess.h"
#include "platform/win32/uWin32Library.h"

// rasapi32.dll, bound by name once at start-up: systems without dial-up support lack it, and then
// every call fails instead of the program.
class TWin32RemoteAccess : public TRemoteAccess {
 public:
  TWin32RemoteAccess();
  std::optional<std::vector<std::uintptr_t>> EnumConnections() override;
  std::uint32_t HangUp(std::uintptr_t Connection) override;

 private:
  using TRasEnumConnectionsA = DWORD(WINAPI*)(struct tagRASCONNA* Connections, DWORD* Bytes,
                                              DWORD* Count);
  using TRasHangUpA = DWORD(WINAPI*)(HANDLE Connection);

  TDynamicLibrary FLibrary;
  TRasEnumConnectionsA FEnumConnections = nullptr;
  TRasHangUpA FHangUp = nullptr;
};
