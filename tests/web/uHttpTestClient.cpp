#include "uHttpTestClient.h"

#include <cctype>

#include <boost/asio/connect.hpp>
#include <boost/asio/write.hpp>

namespace asio = boost::asio;
using tcp = boost::asio::ip::tcp;

THttpTestClient::THttpTestClient(std::uint16_t Port) {
  boost::system::error_code Error;
  FSocket.connect(tcp::endpoint(asio::ip::make_address("127.0.0.1"), Port), Error);
  FConnected = !Error;
}

void THttpTestClient::Send(std::string_view Bytes) {
  boost::system::error_code Error;
  asio::write(FSocket, asio::buffer(Bytes.data(), Bytes.size()), Error);
}

bool THttpTestClient::ReadMore(std::chrono::steady_clock::time_point Deadline) {
  if (FEnded)
    return false;
  char Chunk[16384];
  bool Done = false;
  boost::system::error_code Result;
  std::size_t Count = 0;
  FSocket.async_read_some(asio::buffer(Chunk),
                          [&](const boost::system::error_code& Error, std::size_t Got) {
                            Done = true;
                            Result = Error;
                            Count = Got;
                          });
  FIo.restart();
  FIo.run_until(Deadline);
  if (!Done) {
    FSocket.cancel();
    FIo.restart();
    FIo.run();
    return false;
  }
  FBuffer.append(Chunk, Count);
  if (Result)
    FEnded = true;
  return !Result || Count > 0;
}

THttpTestClient::TResponse THttpTestClient::ReadResponse(bool HeadOnly,
                                                         std::chrono::milliseconds Timeout) {
  const auto Deadline = std::chrono::steady_clock::now() + Timeout;
  TResponse Response;
  std::size_t HeadEnd;
  while ((HeadEnd = FBuffer.find("\r\n\r\n")) == std::string::npos) {
    if (!ReadMore(Deadline))
      return Response;
  }
  const std::string Head = FBuffer.substr(0, HeadEnd + 4);
  std::size_t LineEnd = Head.find("\r\n");
  const std::string StatusLine = Head.substr(0, LineEnd);
  for (std::size_t Start = LineEnd + 2; Start < HeadEnd;) {
    LineEnd = Head.find("\r\n", Start);
    const std::string Line = Head.substr(Start, LineEnd - Start);
    const std::size_t Colon = Line.find(':');
    std::string Name = Line.substr(0, Colon);
    for (char& C : Name)
      C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    std::string Value = Colon == std::string::npos ? "" : Line.substr(Colon + 1);
    while (!Value.empty() && Value.front() == ' ')
      Value.erase(0, 1);
    Response.Headers[Name] = Value;
    Start = LineEnd + 2;
  }
  std::size_t Length = 0;
  if (!HeadOnly && Response.Has("content-length")) {
    Length = std::stoul(Response.Header("content-length"));
  }
  while (FBuffer.size() < HeadEnd + 4 + Length) {
    if (!ReadMore(Deadline))
      return Response;
  }
  Response.Head = Head;
  Response.Body = FBuffer.substr(HeadEnd + 4, Length);
  FBuffer.erase(0, HeadEnd + 4 + Length);
  if (StatusLine.size() >= 12)
    Response.Status = std::stoi(StatusLine.substr(9, 3));
  return Response;
}

bool THttpTestClient::WaitClosed(std::chrono::milliseconds Timeout) {
  const auto Deadline = std::chrono::steady_clock::now() + Timeout;
  while (!FEnded) {
    if (!ReadMore(Deadline) && !FEnded)
      return false;
  }
  return true;
}

THttpTestClient::TResponse THttpTestClient::Get(std::uint16_t Port, const std::string& Target,
                                                const std::string& ExtraHeaders) {
  THttpTestClient Client(Port);
  Client.Send("GET " + Target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + ExtraHeaders + "\r\n");
  return Client.ReadResponse();
}
