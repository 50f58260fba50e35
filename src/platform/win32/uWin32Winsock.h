#pragma once

#include "platform/win32/uWindows.h"

// One Windows Sockets session for as long as the object lives.
class TWinsockSession {
 public:
  TWinsockSession() {
    WSADATA Data;
    FStarted = WSAStartup(MAKEWORD(2, 2), &Data) == 0;
  }
  ~TWinsockSession() {
    if (FStarted)
      WSACleanup();
  }
  TWinsockSession(const TWinsockSession&) = delete;
  TWinsockSession& operator=(const TWinsockSession&) = delete;
  bool Started() const { return FStarted; }

 private:
  bool FStarted = false;
};

// A socket, closed exactly once. SOCKET is a number, not a pointer, so unique_ptr does not fit.
class TSocketHandle {
 public:
  explicit TSocketHandle(SOCKET Socket = INVALID_SOCKET) : FSocket(Socket) {}
  ~TSocketHandle() {
    if (FSocket != INVALID_SOCKET)
      closesocket(FSocket);
  }
  TSocketHandle(const TSocketHandle&) = delete;
  TSocketHandle& operator=(const TSocketHandle&) = delete;
  SOCKET get() const { return FSocket; }
  bool Valid() const { return FSocket != INVALID_SOCKET; }

 private:
  SOCKET FSocket;
};
