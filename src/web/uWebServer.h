#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/uKoException.h"
#include "web/uHtmlText.h"
#include "web/uHttpExchange.h"
#include "web/uHttpLimits.h"
#include "web/uWebParameters.h"

class THttpListener;

// Raised when the server cannot start; the message says why.
class EWebServerError : public EKoException {
 public:
  using EKoException::EKoException;
};

// One request as the pages see it. The path is exactly as sent (no percent-decoding) and
// always begins with "/"; the body of a POST is never read.
class TWebRequest {
 public:
  std::string Method;
  std::string Path;
  std::string UserName;  // from Basic credentials; empty when none were sent
  std::string Password;

  const std::string& QueryString() const { return FQueryString; }
  // A different query string discards parameters parsed from the old one.
  void SetQueryString(std::string_view Value);
  // Parsed from the query string on first use.
  TWebParameters& Parameters();

 private:
  std::string FQueryString;
  std::optional<TWebParameters> FParameters;
};

// What a page fills in; the defaults are those every page starts from.
struct TWebResponse {
  // The body, sent from the stream's current position to its end. The server keeps its own
  // reference until the last byte is out, so a page never frees a stream still being sent.
  std::shared_ptr<std::istream> Content;
  std::string ContentType = "text/html";
  std::string Charset = "utf-8";  // empty: the content type goes without a charset
  unsigned StatusCode = 200;
  bool NoCache = true;
  std::string Location;         // non-empty: a Location header
  std::string Realm = "Login";  // the authentication challenge's realm for a 401

  // The body from a text.
  void SetContent(std::string Body);
};

// True: the response is complete and is sent. False (or an exception): the client gets 500.
using TWebRequestHandler = std::function<bool(TWebRequest& Request, TWebResponse& Response)>;

// The embedded HTTP/HTTPS server. Created, configured, started and stopped on one thread and
// driven by ProcessEvents on another (never both at once); every request is answered on the
// thread that calls ProcessEvents, one at a time.
class TWebServer {
 public:
  TWebServer();
  ~TWebServer();
  TWebServer(const TWebServer&) = delete;
  TWebServer& operator=(const TWebServer&) = delete;

  // The Server header's text; empty (the default) sends no Server header.
  const std::string& ServerSoftware() const { return FServerSoftware; }
  void SetServerSoftware(std::string Text);
  void SetOnRequest(TWebRequestHandler Handler) { FOnRequest = std::move(Handler); }
  bool Active() const { return FActive; }
  const std::string& LastError() const { return FLastError; }
  int Timeout() const { return FTimeout; }

  // The files are read when the server starts with TLS enabled.
  void ConfigureTLS(const std::string& KeyFile, const std::string& CertificateFile, bool Enabled);
  bool SSLEnabled() const { return FSSLEnabled; }
  // Takes effect at the next Start.
  void SetSSLEnabled(bool Enabled) { FSSLEnabled = Enabled; }

  // Listens on Address:Port ("0.0.0.0" is every interface; port 0 picks a free one).
  // EWebServerError "Failed to start web server: " + the reason when it cannot.
  void Start(std::uint16_t Port, const std::string& Address);
  // Closes the listener and every connection. Forced or not, connections end at once: a
  // stopping program does not wait for slow clients.
  void Stop(bool Forced);
  // One step of the loop: waits up to Timeout milliseconds for activity and handles it.
  void ProcessEvents(int Timeout);

  // The port actually listened on (useful with port 0), 0 when not active.
  std::uint16_t Port() const;
  void SetLimits(const THttpLimits& Limits);

  // Turns one parsed request into the answer: credentials, the page callback, the extra
  // headers. Called by the connection layer on the serving thread.
  void HandleRequest(const THttpRequestHead& Head, THttpAnswer& Answer);

 private:
  std::unique_ptr<THttpListener> FListener;
  TWebRequestHandler FOnRequest;
  std::string FServerSoftware;
  std::string FLastError;
  std::string FKeyFile;
  std::string FCertificateFile;
  bool FSSLEnabled = false;
  bool FActive = false;
  int FTimeout = 0;
};
