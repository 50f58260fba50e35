#include "web/uWebServer.h"

#include <sstream>

#include "web/uBasicCredentials.h"
#include "web/uHttpListener.h"
#include "web/uTlsContext.h"
#include "web/uWebServerStrings.h"

void TWebRequest::SetQueryString(std::string_view Value) {
  if (Value == FQueryString)
    return;
  FQueryString.assign(Value);
  FParameters.reset();
}

TWebParameters& TWebRequest::Parameters() {
  if (!FParameters) {
    FParameters.emplace();
    ParseQueryString(FQueryString, *FParameters);
  }
  return *FParameters;
}

void TWebResponse::SetContent(std::string Body) {
  Content = std::make_shared<std::istringstream>(std::move(Body));
}

TWebServer::TWebServer()
    : FListener(std::make_unique<THttpListener>(
          [this](const THttpRequestHead& Head, THttpAnswer& Answer) {
            HandleRequest(Head, Answer);
          },
          [this](const std::string& Text) { FLastError = Text; })) {}

TWebServer::~TWebServer() {
  Stop(true);
}

void TWebServer::SetServerSoftware(std::string Text) {
  FServerSoftware = std::move(Text);
  FListener->SetServerSoftware(FServerSoftware);
}

void TWebServer::ConfigureTLS(const std::string& KeyFile, const std::string& CertificateFile,
                              bool Enabled) {
  FKeyFile = KeyFile;
  FCertificateFile = CertificateFile;
  SetSSLEnabled(Enabled);
}

void TWebServer::Start(std::uint16_t Port, const std::string& Address) {
  FLastError.clear();
  try {
    std::shared_ptr<TTlsContext> Tls;
    if (FSSLEnabled)
      Tls = std::make_shared<TTlsContext>(FCertificateFile, FKeyFile);
    FListener->Listen(Address, Port, std::move(Tls));
  } catch (const std::exception& Error) {
    FLastError = Error.what();
    FActive = false;
    throw EWebServerError(ResStr(uwebserver::sfailedtostart) + FLastError);
  }
  FActive = true;
}

void TWebServer::Stop(bool /*Forced*/) {
  if (!FActive)
    return;
  FListener->Close();
  FActive = false;
}

void TWebServer::ProcessEvents(int Timeout) {
  if (Timeout != FTimeout)
    FTimeout = Timeout;
  FListener->ProcessEvents(FTimeout);
}

std::uint16_t TWebServer::Port() const {
  return FActive ? FListener->Port() : 0;
}

void TWebServer::SetLimits(const THttpLimits& Limits) {
  FListener->SetLimits(Limits);
}

namespace {

// The realm goes inside a quoted string: plain ASCII, with quotes and backslashes escaped so a
// realm text cannot end the string early.
std::string QuotedRealm(std::string_view Realm) {
  std::string Result;
  for (const char C : ToPrintableASCII(Realm)) {
    if (C == '"' || C == '\\')
      Result += '\\';
    Result += C;
  }
  return Result;
}

}  // namespace

void TWebServer::HandleRequest(const THttpRequestHead& Head, THttpAnswer& Answer) {
  TWebRequest Request;
  const std::size_t Question = Head.Target.find('?');
  const std::string_view Path = Head.Target.substr(0, Question);
  if (Path.empty() || Path.front() != '/')
    Request.Path = "/";
  Request.Path.append(Path);
  if (Question != std::string_view::npos)
    Request.SetQueryString(Head.Target.substr(Question + 1));
  Request.Method.assign(Head.Method);
  if (!Head.Authorization.empty()) {
    TBasicCredentials Credentials = ParseBasicCredentials(Head.Authorization);
    Request.UserName = std::move(Credentials.UserName);
    Request.Password = std::move(Credentials.Password);
  }

  TWebResponse Response;
  bool Completed = false;
  if (FOnRequest) {
    try {
      Completed = FOnRequest(Request, Response);
    } catch (...) {
      Completed = false;
    }
  }
  if (!Completed) {
    Answer = THttpAnswer();
    Answer.Status = 500;
    return;
  }

  Answer.Status = Response.StatusCode;
  if (Response.StatusCode == 401) {
    Answer.ExtraHeaders.emplace_back(
        "WWW-Authenticate",
        "Basic realm=\"" + QuotedRealm(Response.Realm) + "\", charset=\"UTF-8\"");
  }
  if (Response.NoCache) {
    Answer.ExtraHeaders.emplace_back("Cache-Control", "no-cache, no-store, must-revalidate");
    Answer.ExtraHeaders.emplace_back("Pragma", "no-cache");
  }
  if (!Response.Location.empty())
    Answer.ExtraHeaders.emplace_back("Location", Response.Location);
  if (Response.Content) {
    Answer.ContentType = Response.Charset.empty()
                             ? Response.ContentType
                             : Response.ContentType + "; charset=" + Response.Charset;
    Answer.Body = std::move(Response.Content);
  }
}
