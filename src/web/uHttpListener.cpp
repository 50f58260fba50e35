#include "web/uHttpListener.h"

#include <list>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>

#include "core/uFormat.h"
#include "core/uKoException.h"
#include "web/uHttpConnection.h"
#include "web/uTlsContext.h"
#include "web/uWebServerStrings.h"

namespace asio = boost::asio;
using tcp = boost::asio::ip::tcp;

namespace {

// Bursts of connection attempts wait in the system's queue instead of being refused.
constexpr int ListenBacklog = 1000;
// How often deadlines are checked: the precision of every time limit.
constexpr std::chrono::milliseconds SweepInterval{100};
// Handlers run per call without waiting, when ProcessEvents is asked not to wait at all.
constexpr int MaxHandlersWithoutWait = 1000;

}  // namespace

class THttpListener::TImpl final : public THttpConnectionHost {
 public:
  TImpl(TRequestHandler OnRequest, TErrorHandler OnError)
      : FOnRequest(std::move(OnRequest)),
        FOnError(std::move(OnError)),
        FWork(asio::make_work_guard(FIo)) {}

  ~TImpl() { Close(); }

  const THttpLimits& Limits() const override { return FLimits; }
  const std::string& ServerSoftware() const override { return FServerSoftware; }
  void HandleRequest(const THttpRequestHead& Request, THttpAnswer& Answer) override {
    FOnRequest(Request, Answer);
  }
  void ReportError(const std::string& Text) override {
    if (FOnError)
      FOnError(Text);
  }
  void ConnectionClosed(THttpConnection& Connection) override {
    FConnections.erase(Connection.HostEntry);
    if (FAcceptPaused && FAcceptor.is_open())
      Accept();
  }

  void Listen(const std::string& Address, std::uint16_t Port, std::shared_ptr<TTlsContext> Tls) {
    Close();
    boost::system::error_code Error;
    const auto IpAddress = asio::ip::make_address(Address, Error);
    if (Error)
      throw EKoException(Format(ResStr(uwebserver::sinvalidaddress), {Address}));
    const tcp::endpoint Endpoint(IpAddress, Port);
    auto Fail = [&](const boost::system::error_code& Reason) {
      boost::system::error_code Ignored;
      FAcceptor.close(Ignored);
      throw EKoException(
          Format(ResStr(uwebserver::scannotlisten), {Address, int{Port}, Reason.message()}));
    };
    if (FAcceptor.open(Endpoint.protocol(), Error))
      Fail(Error);
#if !defined(_WIN32)
    // Lets a restarted server take its port back while old connections linger in TIME_WAIT.
    // On Windows the same option would let two servers share a port, so it stays off there.
    FAcceptor.set_option(tcp::acceptor::reuse_address(true), Error);
#endif
    if (FAcceptor.bind(Endpoint, Error))
      Fail(Error);
    if (FAcceptor.listen(ListenBacklog, Error))
      Fail(Error);
    FTls = std::move(Tls);
    Accept();
    Sweep();
  }

  void Close() {
    boost::system::error_code Ignored;
    FAcceptor.close(Ignored);
    FSweepTimer.cancel();
    while (!FConnections.empty())
      FConnections.front()->Close();
    // Let the cancelled operations finish so that nothing refers to a closed connection.
    if (FIo.stopped())
      FIo.restart();
    while (FIo.poll() > 0) {
    }
    FTls.reset();
    FAcceptPaused = false;
  }

  void ProcessEvents(int TimeoutMs) {
    if (FIo.stopped())
      FIo.restart();
    if (TimeoutMs <= 0) {
      for (int I = 0; I < MaxHandlersWithoutWait && FIo.poll_one() > 0; ++I) {
      }
      return;
    }
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
    if (FIo.run_one_until(Deadline) == 0)
      return;
    while (std::chrono::steady_clock::now() < Deadline && FIo.poll_one() > 0) {
    }
  }

  void Accept() {
    if (FConnections.size() >= FLimits.MaxConnections) {
      FAcceptPaused = true;
      return;
    }
    FAcceptPaused = false;
    FAcceptor.async_accept([this](const boost::system::error_code& Error, tcp::socket Socket) {
      if (!FAcceptor.is_open())
        return;
      if (Error) {
        if (Error != asio::error::operation_aborted)
          ReportError(Error.message());
        // Out of descriptors and the like: try again at the next sweep rather than spin.
        FAcceptPaused = true;
        return;
      }
      Admit(std::move(Socket));
      Accept();
    });
  }

  void Admit(tcp::socket Socket) {
    std::unique_ptr<TTlsSession> Session;
    if (FTls) {
      try {
        Session = FTls->NewSession();
      } catch (const std::exception& Error) {
        ReportError(Error.what());
        return;
      }
    }
    auto Connection =
        std::make_shared<THttpConnection>(*this, std::move(Socket), std::move(Session));
    FConnections.push_front(Connection);
    Connection->HostEntry = FConnections.begin();
    Connection->Start();
  }

  void Sweep() {
    FSweepTimer.expires_after(SweepInterval);
    FSweepTimer.async_wait([this](const boost::system::error_code& Error) {
      if (Error || !FAcceptor.is_open())
        return;
      const auto Now = THttpConnection::TClock::now();
      for (auto It = FConnections.begin(); It != FConnections.end();) {
        auto Connection = *It++;
        Connection->CheckDeadline(Now);
      }
      if (FAcceptPaused) {
        // Full: the kept-alive connection idle the longest makes room for a new client.
        if (FConnections.size() >= FLimits.MaxConnections)
          CloseLongestIdle();
        if (FAcceptPaused)
          Accept();
      }
      Sweep();
    });
  }

  void CloseLongestIdle() {
    std::shared_ptr<THttpConnection> Oldest;
    for (const auto& Connection : FConnections) {
      if (Connection->IsIdle() && (!Oldest || Connection->Deadline() < Oldest->Deadline())) {
        Oldest = Connection;
      }
    }
    if (Oldest)
      Oldest->Close();
  }

  TRequestHandler FOnRequest;
  TErrorHandler FOnError;
  THttpLimits FLimits;
  std::string FServerSoftware;
  // The connections refer to the loop and the loop's pending handlers to the connections:
  // the list outlives the loop, which is destroyed first.
  std::list<std::shared_ptr<THttpConnection>> FConnections;
  asio::io_context FIo{1};
  asio::executor_work_guard<asio::io_context::executor_type> FWork;
  tcp::acceptor FAcceptor{FIo};
  asio::steady_timer FSweepTimer{FIo};
  std::shared_ptr<TTlsContext> FTls;
  bool FAcceptPaused = false;
};

THttpListener::THttpListener(TRequestHandler OnRequest, TErrorHandler OnError)
    : FImpl(std::make_unique<TImpl>(std::move(OnRequest), std::move(OnError))) {}

THttpListener::~THttpListener() = default;

void THttpListener::SetLimits(const THttpLimits& Limits) {
  FImpl->FLimits = Limits;
}
const THttpLimits& THttpListener::Limits() const {
  return FImpl->FLimits;
}
void THttpListener::SetServerSoftware(std::string Text) {
  FImpl->FServerSoftware = std::move(Text);
}

void THttpListener::Listen(const std::string& Address, std::uint16_t Port,
                           std::shared_ptr<TTlsContext> Tls) {
  FImpl->Listen(Address, Port, std::move(Tls));
}

void THttpListener::Close() {
  FImpl->Close();
}
bool THttpListener::Listening() const {
  return FImpl->FAcceptor.is_open();
}

std::uint16_t THttpListener::Port() const {
  boost::system::error_code Error;
  const auto Endpoint = FImpl->FAcceptor.local_endpoint(Error);
  return Error ? 0 : Endpoint.port();
}

std::size_t THttpListener::ConnectionCount() const {
  return FImpl->FConnections.size();
}

void THttpListener::ProcessEvents(int TimeoutMs) {
  FImpl->ProcessEvents(TimeoutMs);
}
