// kolvane.exe's web interface, asked by a browser on this machine.

#include <gtest/gtest.h>

#include "platform/win32/uWin32Winsock.h"
#include "uKolvaneProcess.h"

#include <string>

namespace {

sockaddr_in Loopback(u_short Port) {
  sockaddr_in Address{};
  Address.sin_family = AF_INET;
  Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  Address.sin_port = htons(Port);
  return Address;
}

// A port nobody listens on right now.
u_short FreeLoopbackPort() {
  const TSocketHandle Probe(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  sockaddr_in Address = Loopback(0);
  int Length = sizeof Address;
  bind(Probe.get(), reinterpret_cast<sockaddr*>(&Address), Length);
  getsockname(Probe.get(), reinterpret_cast<sockaddr*>(&Address), &Length);
  return ntohs(Address.sin_port);
}

// The whole answer to a GET on 127.0.0.1, or empty when nobody answered.
std::string Get(u_short Port, const std::string& Path) {
  const TSocketHandle Socket(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  const SOCKET Connection = Socket.get();
  const DWORD TimeoutMs = 10000;
  setsockopt(Connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&TimeoutMs),
             sizeof TimeoutMs);
  sockaddr_in Address = Loopback(Port);
  std::string Answer;
  if (connect(Connection, reinterpret_cast<sockaddr*>(&Address), sizeof Address) == 0) {
    const std::string Request =
        "GET " + Path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    send(Connection, Request.data(), static_cast<int>(Request.size()), 0);
    char Buffer[4096];
    int Received = 0;
    while ((Received = recv(Connection, Buffer, sizeof Buffer, 0)) > 0)
      Answer.append(Buffer, static_cast<std::size_t>(Received));
  }
  return Answer;
}

// Asks until the program listens, as it starts the interface after its window.
std::string GetWhenListening(u_short Port, const std::string& Path) {
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    std::string Answer = Get(Port, Path);
    if (!Answer.empty())
      return Answer;
    Sleep(200);
  }
  return {};
}

TEST(WebInterfaceTest, ABrowserSeesTheHomePageAndClosesTheProgram) {
  const TWinsockSession Winsock;
  ASSERT_TRUE(Winsock.Started());
  const u_short Port = FreeLoopbackPort();
  TKolvaneCopy Copy;
  Copy.WriteFile("Settings.ini", "[WebInterface]\r\nEnabled=1\r\nIP=127.0.0.1\r\nPort=" +
                                     std::to_string(Port) + "\r\n");
  TKolvaneProcess Kolvane(Copy);
  ASSERT_NE(Kolvane.WaitForMainWindow(20000), nullptr);

  const std::string Home = GetWhenListening(Port, "/");
  EXPECT_EQ(Home.rfind("HTTP/1.1 200", 0), 0u) << Home.substr(0, 200);
  EXPECT_NE(Home.find("/close"), std::string::npos) << "the home page offers to close";

  const std::string Closing = Get(Port, "/close");
  EXPECT_EQ(Closing.rfind("HTTP/1.1 200", 0), 0u) << Closing.substr(0, 200);
  EXPECT_EQ(Kolvane.WaitForExit(20000), 0u) << "/close ends the program like its close box";
}

}  // namespace
