#pragma once

// A plain Winsock client for the web tests: what a Windows program sees of the server.
#include "platform/win32/uWindows.h"

#include <ws2tcpip.h>

#include <memory>
#include <string>

class TWinsock {
 public:
  TWinsock() {
    WSADATA Data;
    FReady = WSAStartup(MAKEWORD(2, 2), &Data) == 0;
  }
  ~TWinsock() {
    if (FReady)
      WSACleanup();
  }
  TWinsock(const TWinsock&) = delete;
  TWinsock& operator=(const TWinsock&) = delete;
  bool Ready() const { return FReady; }

 private:
  bool FReady = false;
};

struct TSocketCloser {
  void operator()(SOCKET* Socket) const {
    closesocket(*Socket);
    delete Socket;
  }
};
using TSocketHandle = std::unique_ptr<SOCKET, TSocketCloser>;

// Connects to 127.0.0.1:Port, sends Request and reads until the server closes.
inline std::string WinsockExchange(unsigned short Port, const std::string& Request) {
  SOCKET Raw = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (Raw == INVALID_SOCKET)
    return "socket failed";
  TSocketHandle Socket(new SOCKET(Raw));
  DWORD TimeoutMs = 10000;
  setsockopt(Raw, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&TimeoutMs),
             sizeof TimeoutMs);
  sockaddr_in Address{};
  Address.sin_family = AF_INET;
  Address.sin_port = htons(Port);
  inet_pton(AF_INET, "127.0.0.1", &Address.sin_addr);
  if (connect(Raw, reinterpret_cast<const sockaddr*>(&Address), sizeof Address) != 0) {
    return "connect failed: " + std::to_string(WSAGetLastError());
  }
  if (send(Raw, Request.data(), static_cast<int>(Request.size()), 0) !=
      static_cast<int>(Request.size())) {
    return "send failed";
  }
  std::string Response;
  char Buffer[4096];
  for (;;) {
    const int Count = recv(Raw, Buffer, sizeof Buffer, 0);
    if (Count <= 0)
      break;
    Response.append(Buffer, static_cast<std::size_t>(Count));
  }
  return Response;
}
