// Whatever bytes a client sends over a real connection on 127.0.0.1: the server answers or
// closes, never crashes, and the connection always comes to an end.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/write.hpp>

#include "web/uWebServer.h"

namespace {

namespace asio = boost::asio;
using tcp = boost::asio::ip::tcp;

TWebServer& Server() {
  static TWebServer* Instance = [] {
    auto* Created = new TWebServer();
    Created->SetOnRequest([](TWebRequest& Request, TWebResponse& Response) {
      std::string Value;
      Request.Parameters().TryGetValue("id", Value);
      if (Request.Path == "/fail")
        throw std::runtime_error("page failed");
      if (Request.Path == "/login") {
        Response.StatusCode = 401;
        return true;
      }
      Response.SetContent(Request.Path + Value + Request.UserName + Request.Password);
      return Request.Path != "/false";
    });
    Created->Start(0, "127.0.0.1");
    return Created;
  }();
  return *Instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TWebServer& Web = Server();
  asio::io_context Io;
  tcp::socket Client(Io);
  // The client resets its connection when it is done instead of closing it, so no port waits
  // in TIME_WAIT and thousands of runs a second never run out of ports.
  boost::system::error_code Failure;
  Client.open(tcp::v4(), Failure);
  Client.set_option(asio::socket_base::linger(true, 0), Failure);
  do {
    // libFuzzer's timer signal may interrupt the blocking connect.
    Client.connect(tcp::endpoint(asio::ip::make_address("127.0.0.1"), Web.Port()), Failure);
  } while (Failure == asio::error::interrupted);
  if (Failure) {
    std::fprintf(stderr, "connect: %s\n", Failure.message().c_str());
    std::abort();
  }
  Client.non_blocking(true, Failure);
  std::size_t Sent = 0;
  bool SendShut = false;
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  char Buffer[65536];
  for (;;) {
    boost::system::error_code Error;
    if (Sent < Size) {
      Sent += Client.write_some(asio::buffer(Data + Sent, Size - Sent), Error);
    } else if (!SendShut) {
      Client.shutdown(tcp::socket::shutdown_send, Error);
      SendShut = true;
    }
    Web.ProcessEvents(1);
    Client.read_some(asio::buffer(Buffer), Error);
    if (Error && Error != asio::error::would_block && Error != asio::error::try_again)
      break;
    if (std::chrono::steady_clock::now() > Deadline)
      std::abort();  // the connection hangs
  }
  return 0;
}
