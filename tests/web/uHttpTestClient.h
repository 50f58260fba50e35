#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

// A raw HTTP client for tests: sends exactly the bytes given and reads answers with time
// limits, so tests can send what no well-behaved client would.
class THttpTestClient {
 public:
  struct TResponse {
    int Status = 0;  // 0: no complete answer arrived
    std::string Head;
    std::map<std::string, std::string> Headers;  // names in lower case
    std::string Body;
    bool Has(const std::string& Name) const { return Headers.count(Name) > 0; }
    std::string Header(const std::string& Name) const {
      auto It = Headers.find(Name);
      return It == Headers.end() ? std::string() : It->second;
    }
  };

  explicit THttpTestClient(std::uint16_t Port);
  bool Connected() const { return FConnected; }
  void Send(std::string_view Bytes);
  // Reads one answer; HeadOnly for an answer to HEAD, which has no body.
  TResponse ReadResponse(bool HeadOnly = false,
                         std::chrono::milliseconds Timeout = std::chrono::seconds(10));
  // True when the server closed the connection (all unread input is dropped) within Timeout.
  bool WaitClosed(std::chrono::milliseconds Timeout = std::chrono::seconds(10));
  // GET Target on a new connection, with extra header lines (each ending in CR LF).
  static TResponse Get(std::uint16_t Port, const std::string& Target,
                       const std::string& ExtraHeaders = {});

 private:
  // Reads more bytes into FBuffer; false on end of stream, error or timeout.
  bool ReadMore(std::chrono::steady_clock::time_point Deadline);

  boost::asio::io_context FIo;
  boost::asio::ip::tcp::socket FSocket{FIo};
  std::string FBuffer;
  bool FConnected = false;
  bool FEnded = false;
};
