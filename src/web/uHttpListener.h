#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "web/uHttpExchange.h"
#include "web/uHttpLimits.h"

class TTlsContext;

// The network side of the web server: one listening socket and its connections on one event
// loop, driven in bounded steps by whichever thread calls ProcessEvents (one at a time).
class THttpListener {
 public:
  using TRequestHandler = std::function<void(const THttpRequestHead&, THttpAnswer&)>;
  using TErrorHandler = std::function<void(const std::string&)>;

  THttpListener(TRequestHandler OnRequest, TErrorHandler OnError);
  ~THttpListener();
  THttpListener(const THttpListener&) = delete;
  THttpListener& operator=(const THttpListener&) = delete;

  void SetLimits(const THttpLimits& Limits);
  const THttpLimits& Limits() const;
  // Empty: no Server header.
  void SetServerSoftware(std::string Text);

  // Listens on Address ("0.0.0.0" for every interface) and Port (0 picks a free one), with TLS
  // when Tls is set. EKoException with the reason when it cannot.
  void Listen(const std::string& Address, std::uint16_t Port, std::shared_ptr<TTlsContext> Tls);
  // Closes the listening socket and every connection.
  void Close();
  bool Listening() const;
  std::uint16_t Port() const;
  std::size_t ConnectionCount() const;

  // Waits up to TimeoutMs for activity and handles what arrived, returning as soon as nothing
  // is left to do and never much later than TimeoutMs.
  void ProcessEvents(int TimeoutMs);

 private:
  class TImpl;
  std::unique_ptr<TImpl> FImpl;
};
