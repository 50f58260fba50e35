#pragma once

#include <chrono>
#include <cstdint>
#include <istream>
#include <list>
#include <memory>
#include <optional>
#include <string>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/http/parser.hpp>

#include "web/uByteQueue.h"
#include "web/uHttpExchange.h"
#include "web/uHttpLimits.h"

class THttpConnection;
class TTlsSession;

// What a connection needs from the listener that owns it.
class THttpConnectionHost {
 public:
  virtual const THttpLimits& Limits() const = 0;
  virtual const std::string& ServerSoftware() const = 0;
  virtual void HandleRequest(const THttpRequestHead& Request, THttpAnswer& Answer) = 0;
  virtual void ReportError(const std::string& Text) = 0;
  // The connection has closed its socket; the host drops its reference.
  virtual void ConnectionClosed(THttpConnection& Connection) = 0;

 protected:
  ~THttpConnectionHost() = default;
};

// A request body is read only to find where the next request starts.
struct TDiscardedBody {
  struct value_type {};
  class reader {
   public:
    template <bool IsRequest, class TFields>
    reader(boost::beast::http::header<IsRequest, TFields>&, value_type&) {}
    void init(const boost::optional<std::uint64_t>&, boost::beast::error_code& Error) {
      Error = {};
    }
    template <class TBuffers>
    std::size_t put(const TBuffers& Buffers, boost::beast::error_code& Error) {
      Error = {};
      return boost::asio::buffer_size(Buffers);
    }
    void finish(boost::beast::error_code& Error) { Error = {}; }
  };
};

// One client connection: reads requests one after another (kept alive as HTTP/1.1 says),
// answers each through the host, and watches its own deadlines. Everything runs on the
// thread that runs the listener's loop.
class THttpConnection : public std::enable_shared_from_this<THttpConnection> {
 public:
  using TClock = std::chrono::steady_clock;

  THttpConnection(THttpConnectionHost& Host, boost::asio::ip::tcp::socket Socket,
                  std::unique_ptr<TTlsSession> Tls);
  ~THttpConnection();
  THttpConnection(const THttpConnection&) = delete;
  THttpConnection& operator=(const THttpConnection&) = delete;

  void Start();
  // Closes the socket at once; pending operations end without effect.
  void Close();
  // Acts on an expired deadline: an unfinished request gets 408, anything else is closed.
  void CheckDeadline(TClock::time_point Now);
  // Waiting for a next request on a kept-alive connection: the first to go when room is
  // needed. Idle connections compare by how long they have waited.
  bool IsIdle() const { return FPhase == TPhase::Idle; }
  TClock::time_point Deadline() const { return FDeadline; }

  // The host's bookkeeping.
  std::list<std::shared_ptr<THttpConnection>>::iterator HostEntry;

 private:
  enum class TPhase {
    Idle,       // between requests
    Receiving,  // a request has begun
    Answering,  // the answer is being sent
    Lingering,  // the answer is out and the connection closes; late input is drained
  };
  using TParser = boost::beast::http::request_parser<TDiscardedBody>;

  void Read();
  void OnRead(const boost::system::error_code& Error, std::size_t Count);
  // Moves the connection on as far as it can: answers complete requests, queues body bytes,
  // starts reads and writes, and closes when it is done.
  void Pump();
  // True when a whole request was parsed and answered, or a bad one refused; false when more
  // input is needed.
  bool ParseAndAnswer();
  void Answer(const TParser::value_type& Request);
  void QueueAnswer(THttpAnswer& Answer, unsigned Version, bool KeepAlive, bool HeadOnly);
  void QueueRefusal(unsigned Status);
  void QueueBody();
  void QueueOutput(const char* Data, std::size_t Size);
  void Write();
  void OnWritten(const boost::system::error_code& Error);
  void BeginLingering();
  void SetPhase(TPhase Phase, std::chrono::milliseconds Limit);
  std::string PeerName() const;

  THttpConnectionHost& FHost;
  boost::asio::ip::tcp::socket FSocket;
  std::unique_ptr<TTlsSession> FTls;
  std::optional<TParser> FParser;

  TByteQueue FInput;  // plain text received, not yet parsed
  std::unique_ptr<char[]> FReadBuffer;
  std::string FPending;  // bytes to send after the write in flight
  std::string FWriting;  // the write in flight
  std::shared_ptr<std::istream> FBody;
  std::uint64_t FBodyLeft = 0;  // body bytes still to queue

  TPhase FPhase = TPhase::Receiving;
  TClock::time_point FDeadline;
  bool FReading = false;
  bool FWriteInFlight = false;
  bool FStopParsing = false;      // no further requests: close once the output is sent
  bool FAbortAfterWrite = false;  // the answer could not be completed: no lingering
  bool FCloseNotifyQueued = false;
  bool FContinueSent = false;
  bool FPeerDone = false;  // the peer sent its last byte
  bool FClosed = false;
};
