#include "web/uHttpConnection.h"

#include <algorithm>

#include <boost/asio/write.hpp>
#include <boost/beast/core/buffers_range.hpp>
#include <boost/beast/core/string.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/serializer.hpp>

#include "core/uFormat.h"
#include "web/uHttpErrorPage.h"
#include "web/uTlsContext.h"
#include "web/uWebServerStrings.h"

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = boost::beast::http;
using tcp = boost::asio::ip::tcp;

namespace {

constexpr std::size_t ReadChunk = 16 * 1024;
// Output waiting beyond this stops the reading of further requests and of the body stream, so
// a client that does not read cannot make the server buffer without end.
constexpr std::size_t OutputHighWater = 64 * 1024;
constexpr std::size_t BodyChunk = 64 * 1024;
// After the last answer the sending side is shut and late input is drained for a moment:
// closing with unread input would reset the connection and could destroy the answer before
// the client read it.
constexpr std::chrono::milliseconds LingerTime{2000};

// Header values come from the application; line breaks in them would split the response.
std::string HeaderSafe(std::string_view Text) {
  std::string Result;
  Result.reserve(Text.size());
  for (const char C : Text) {
    if (C != '\r' && C != '\n' && C != '\0')
      Result += C;
  }
  return Result;
}

std::string SerializeHeader(http::response<http::empty_body>& Response) {
  std::string Result;
  http::response_serializer<http::empty_body> Serializer(Response);
  Serializer.split(true);
  beast::error_code Error;
  while (!Serializer.is_header_done()) {
    Serializer.next(Error, [&](beast::error_code&, const auto& Buffers) {
      for (const auto Buffer : beast::buffers_range_ref(Buffers)) {
        Result.append(static_cast<const char*>(Buffer.data()), Buffer.size());
      }
      Serializer.consume(beast::buffer_bytes(Buffers));
    });
    if (Error)
      break;
  }
  return Result;
}

unsigned RefusalStatus(const beast::error_code& Error) {
  if (Error == http::error::header_limit)
    return 431;
  if (Error == http::error::body_limit)
    return 413;
  return 400;
}

}  // namespace

THttpConnection::THttpConnection(THttpConnectionHost& Host, tcp::socket Socket,
                                 std::unique_ptr<TTlsSession> Tls)
    : FHost(Host),
      FSocket(std::move(Socket)),
      FTls(std::move(Tls)),
      FReadBuffer(new char[ReadChunk]) {}

THttpConnection::~THttpConnection() = default;

void THttpConnection::Start() {
  boost::system::error_code Ignored;
  FSocket.set_option(tcp::no_delay(true), Ignored);
  SetPhase(TPhase::Receiving, FHost.Limits().RequestTime);
  Read();
}

void THttpConnection::SetPhase(TPhase Phase, std::chrono::milliseconds Limit) {
  FPhase = Phase;
  FDeadline = TClock::now() + Limit;
}

std::string THttpConnection::PeerName() const {
  boost::system::error_code Error;
  const auto Peer = FSocket.remote_endpoint(Error);
  if (Error)
    return "?";
  return Peer.address().to_string() + ":" + std::to_string(Peer.port());
}

void THttpConnection::Read() {
  if (FReading || FClosed || FPeerDone)
    return;
  FReading = true;
  FSocket.async_read_some(
      asio::buffer(FReadBuffer.get(), ReadChunk),
      [Self = shared_from_this()](const boost::system::error_code& Error, std::size_t Count) {
        Self->OnRead(Error, Count);
      });
}

void THttpConnection::OnRead(const boost::system::error_code& Error, std::size_t Count) {
  FReading = false;
  if (FClosed)
    return;
  if (FPhase == TPhase::Lingering) {
    if (Error) {
      Close();
    } else {
      Read();
    }
    return;
  }
  if (Error) {
    // End of input, or a reset: whatever was received in full is still answered.
    FPeerDone = true;
    Pump();
    return;
  }
  if (FTls) {
    std::string Plain;
    const bool Healthy = FTls->Receive(FReadBuffer.get(), Count, Plain, FPending);
    FInput.Append(Plain.data(), Plain.size());
    if (!Healthy) {
      FHost.ReportError(
          Format(ResStr(uwebserver::stlshandshakefailed), {PeerName(), FTls->LastError()}));
      FPeerDone = true;
      FStopParsing = true;
      FAbortAfterWrite = true;
    } else if (FTls->PeerClosed()) {
      FPeerDone = true;
    }
  } else {
    FInput.Append(FReadBuffer.get(), Count);
  }
  if (FPhase == TPhase::Idle && !FInput.Empty()) {
    SetPhase(TPhase::Receiving, FHost.Limits().RequestTime);
  }
  Pump();
}

void THttpConnection::Pump() {
  if (FClosed)
    return;
  for (;;) {
    if (FBodyLeft > 0) {
      QueueBody();
      if (FBodyLeft > 0)
        break;
    }
    if (FStopParsing || FPending.size() >= OutputHighWater)
      break;
    if (!ParseAndAnswer()) {
      if (FPeerDone) {
        FStopParsing = true;
      } else {
        Read();
      }
      break;
    }
  }
  if (FStopParsing && FBodyLeft == 0 && FTls && !FCloseNotifyQueued && !FAbortAfterWrite) {
    FCloseNotifyQueued = true;
    FTls->Shutdown(FPending);
  }
  Write();
  if (FWriteInFlight || !FPending.empty() || FBodyLeft > 0)
    return;
  if (FStopParsing) {
    if (FAbortAfterWrite || FPeerDone) {
      Close();
    } else {
      BeginLingering();
    }
  } else if (FPhase == TPhase::Answering) {
    // Everything is sent: wait for the next request, or for the rest of one already begun.
    if (FInput.Empty() && !(FParser && FParser->got_some())) {
      SetPhase(TPhase::Idle, FHost.Limits().KeepAliveIdle);
    } else {
      SetPhase(TPhase::Receiving, FHost.Limits().RequestTime);
    }
  }
}

bool THttpConnection::ParseAndAnswer() {
  if (!FParser) {
    FParser.emplace();
    FParser->header_limit(static_cast<std::uint32_t>(FHost.Limits().MaxHeaderBytes));
    FParser->body_limit(FHost.Limits().MaxBodyBytes);
    FParser->eager(true);
    FContinueSent = false;
  }
  beast::error_code Error;
  while (!FInput.Empty() && !FParser->is_done()) {
    const std::size_t Used = FParser->put(asio::const_buffer(FInput.Data(), FInput.Size()), Error);
    FInput.Consume(Used);
    if (Error || Used == 0)
      break;
  }
  if (!FParser->is_done() && FParser->is_header_done() && !FContinueSent) {
    // A client that waits for leave to send its body would otherwise stall until it gives up.
    const auto Expect = FParser->get()[http::field::expect];
    if (beast::iequals(Expect, "100-continue")) {
      FContinueSent = true;
      constexpr std::string_view Continue = "HTTP/1.1 100 Continue\r\n\r\n";
      QueueOutput(Continue.data(), Continue.size());
    }
  }
  if (FParser->is_done()) {
    Answer(FParser->get());
    FParser.reset();
    return true;
  }
  if (!Error || Error == http::error::need_more)
    return false;
  QueueRefusal(RefusalStatus(Error));
  return true;
}

void THttpConnection::Answer(const TParser::value_type& Request) {
  const http::verb Method = Request.method();
  const bool KeepAlive = Request.keep_alive() && !FPeerDone;
  const unsigned Version = Request.version() >= 11 ? 11 : 10;
  THttpAnswer Reply;
  if (Method == http::verb::get || Method == http::verb::head || Method == http::verb::post) {
    const auto MethodText = Request.method_string();
    const auto Target = Request.target();
    const auto Authorization = Request[http::field::authorization];
    const THttpRequestHead Head{std::string_view(MethodText.data(), MethodText.size()),
                                std::string_view(Target.data(), Target.size()),
                                std::string_view(Authorization.data(), Authorization.size())};
    try {
      FHost.HandleRequest(Head, Reply);
    } catch (...) {
      Reply = THttpAnswer();
      Reply.Status = 500;
    }
  } else {
    Reply.Status = 405;
    Reply.ExtraHeaders.emplace_back("Allow", "GET, HEAD, POST");
  }
  if (!KeepAlive)
    FStopParsing = true;
  QueueAnswer(Reply, Version, KeepAlive, Method == http::verb::head);
}

void THttpConnection::QueueRefusal(unsigned Status) {
  THttpAnswer Reply;
  Reply.Status = Status;
  FStopParsing = true;
  FParser.reset();
  QueueAnswer(Reply, 11, false, false);
}

void THttpConnection::QueueAnswer(THttpAnswer& Reply, unsigned Version, bool KeepAlive,
                                  bool HeadOnly) {
  unsigned Status = Reply.Status;
  if (Status < 200 || Status > 599)
    Status = 500;
  std::string Page;
  std::uint64_t Length = 0;
  std::string ContentType = Reply.ContentType;
  if (Reply.Body) {
    std::istream& Body = *Reply.Body;
    const auto Position = Body.tellg();
    Body.seekg(0, std::ios::end);
    const auto End = Body.tellg();
    Body.seekg(Position);
    if (Position >= 0 && End >= Position && Body) {
      Length = static_cast<std::uint64_t>(End - Position);
    } else {
      // A stream that cannot tell its size is taken in whole to know its length.
      Body.clear();
      Page.assign(std::istreambuf_iterator<char>(Body), std::istreambuf_iterator<char>());
      Length = Page.size();
      Reply.Body.reset();
    }
  } else {
    if (Status == 200)
      Status = 404;
    Page = HttpErrorPage(Status);
    Length = Page.size();
    ContentType = "text/html; charset=utf-8";
  }
  http::response<http::empty_body> Response(static_cast<http::status>(Status), Version);
  if (!FHost.ServerSoftware().empty()) {
    Response.set(http::field::server, HeaderSafe(FHost.ServerSoftware()));
  }
  for (const auto& [Name, Value] : Reply.ExtraHeaders) {
    Response.insert(HeaderSafe(Name), HeaderSafe(Value));
  }
  if (!ContentType.empty())
    Response.set(http::field::content_type, HeaderSafe(ContentType));
  Response.content_length(Length);
  Response.keep_alive(KeepAlive);
  const std::string Header = SerializeHeader(Response);
  QueueOutput(Header.data(), Header.size());
  SetPhase(TPhase::Answering, FHost.Limits().SendStall);
  if (HeadOnly)
    return;
  if (Reply.Body) {
    FBody = std::move(Reply.Body);
    FBodyLeft = Length;
  } else {
    QueueOutput(Page.data(), Page.size());
  }
}

void THttpConnection::QueueBody() {
  std::string Chunk;
  while (FBodyLeft > 0 && FPending.size() < OutputHighWater) {
    const std::size_t Want =
        static_cast<std::size_t>(std::min<std::uint64_t>(FBodyLeft, BodyChunk));
    std::size_t Got = 0;
    try {
      Chunk.resize(Want);
      FBody->read(Chunk.data(), static_cast<std::streamsize>(Want));
      Got = static_cast<std::size_t>(FBody->gcount());
    } catch (...) {
      Got = 0;
    }
    if (Got == 0) {
      // The stream ended before the length announced: the client cannot be given a whole
      // answer, so the connection ends after what was sent.
      FBodyLeft = 0;
      FStopParsing = true;
      FAbortAfterWrite = true;
      break;
    }
    QueueOutput(Chunk.data(), Got);
    FBodyLeft -= Got;
  }
  if (FBodyLeft == 0)
    FBody.reset();
}

void THttpConnection::QueueOutput(const char* Data, std::size_t Size) {
  if (!FTls) {
    FPending.append(Data, Size);
  } else if (!FTls->Send(Data, Size, FPending)) {
    FStopParsing = true;
    FAbortAfterWrite = true;
  }
}

void THttpConnection::Write() {
  if (FWriteInFlight || FPending.empty() || FClosed)
    return;
  FWriting.swap(FPending);
  FPending.clear();
  FWriteInFlight = true;
  asio::async_write(FSocket, asio::buffer(FWriting),
                    [Self = shared_from_this()](const boost::system::error_code& Error,
                                                std::size_t) { Self->OnWritten(Error); });
}

void THttpConnection::OnWritten(const boost::system::error_code& Error) {
  FWriteInFlight = false;
  if (FClosed)
    return;
  if (Error) {
    Close();
    return;
  }
  FWriting.clear();
  if (FPhase == TPhase::Answering)
    SetPhase(TPhase::Answering, FHost.Limits().SendStall);
  Pump();
}

void THttpConnection::BeginLingering() {
  boost::system::error_code Ignored;
  FSocket.shutdown(tcp::socket::shutdown_send, Ignored);
  SetPhase(TPhase::Lingering, LingerTime);
  FInput = TByteQueue();
  Read();
}

void THttpConnection::CheckDeadline(TClock::time_point Now) {
  if (FClosed || Now < FDeadline)
    return;
  const bool RequestBegun = !FInput.Empty() || (FParser && FParser->got_some());
  if (FPhase == TPhase::Receiving && RequestBegun && !FStopParsing) {
    QueueRefusal(408);
    Pump();
    return;
  }
  Close();
}

void THttpConnection::Close() {
  if (FClosed)
    return;
  FClosed = true;
  boost::system::error_code Ignored;
  FSocket.close(Ignored);
  FBody.reset();
  auto KeepAlive = shared_from_this();
  FHost.ConnectionClosed(*this);
}
