#include "web/uTlsContext.h"

#include <climits>

#include "core/uFormat.h"
#include "core/uKoException.h"
#include "web/uWebServerStrings.h"

TTlsContext::TTlsContext(const std::string& CertificateFile, const std::string& KeyFile,
                         std::shared_ptr<const TOpenSSLLibrary> Library)
    : FLibrary(Library ? std::move(Library) : TOpenSSLLibrary::Load()) {
  const auto& L = *FLibrary;
  L.ERR_clear_error();
  FContext = L.SSL_CTX_new(L.TLS_server_method());
  if (!FContext) {
    throw EKoException(
        Format(ResStr(uwebserver::stlscontextfailed), {L.TakeErrorText("SSL_CTX_new")}));
  }
  // From here on the destructor does not run on an exception, so the context is freed here.
  try {
    if (L.SSL_CTX_ctrl(FContext, TOpenSSLLibrary::SSL_CTRL_SET_MIN_PROTO_VERSION,
                       TOpenSSLLibrary::TLS1_2_VERSION, nullptr) != 1) {
      throw EKoException(Format(ResStr(uwebserver::stlscontextfailed),
                                {L.TakeErrorText("SSL_CTX_set_min_proto_version")}));
    }
    // Idle kept-alive connections then hold no TLS buffers.
    L.SSL_CTX_ctrl(FContext, TOpenSSLLibrary::SSL_CTRL_MODE,
                   TOpenSSLLibrary::SSL_MODE_RELEASE_BUFFERS, nullptr);
    if (L.SSL_CTX_use_certificate_chain_file(FContext, CertificateFile.c_str()) != 1) {
      throw EKoException(
          Format(ResStr(uwebserver::scertificatefailed), {CertificateFile, L.TakeErrorText("?")}));
    }
    if (L.SSL_CTX_use_PrivateKey_file(FContext, KeyFile.c_str(),
                                      TOpenSSLLibrary::SSL_FILETYPE_PEM) != 1 ||
        L.SSL_CTX_check_private_key(FContext) != 1) {
      throw EKoException(
          Format(ResStr(uwebserver::sprivatekeyfailed), {KeyFile, L.TakeErrorText("?")}));
    }
  } catch (...) {
    L.SSL_CTX_free(FContext);
    throw;
  }
}

TTlsContext::~TTlsContext() {
  FLibrary->SSL_CTX_free(FContext);
}

std::unique_ptr<TTlsSession> TTlsContext::NewSession() const {
  return std::make_unique<TTlsSession>(FLibrary, FContext);
}

TTlsSession::TTlsSession(std::shared_ptr<const TOpenSSLLibrary> Library, ssl_ctx_st* Context)
    : FLibrary(std::move(Library)) {
  const auto& L = *FLibrary;
  FSsl = L.SSL_new(Context);
  if (!FSsl) {
    throw EKoException(Format(ResStr(uwebserver::stlscontextfailed), {L.TakeErrorText("SSL_new")}));
  }
  FIncoming = L.BIO_new(L.BIO_s_mem());
  FOutgoing = L.BIO_new(L.BIO_s_mem());
  if (!FIncoming || !FOutgoing) {
    if (FIncoming)
      L.BIO_free(FIncoming);
    if (FOutgoing)
      L.BIO_free(FOutgoing);
    L.SSL_free(FSsl);
    throw EKoException(Format(ResStr(uwebserver::stlscontextfailed), {L.TakeErrorText("BIO_new")}));
  }
  L.SSL_set_bio(FSsl, FIncoming, FOutgoing);
  L.SSL_set_accept_state(FSsl);
}

TTlsSession::~TTlsSession() {
  FLibrary->SSL_free(FSsl);
}

void TTlsSession::Drain(std::string& Outgoing) {
  char Buffer[16 * 1024];
  for (;;) {
    const int Count = FLibrary->BIO_read(FOutgoing, Buffer, sizeof Buffer);
    if (Count <= 0)
      break;
    Outgoing.append(Buffer, static_cast<std::size_t>(Count));
  }
}

bool TTlsSession::Receive(const char* Data, std::size_t Size, std::string& Plain,
                          std::string& Outgoing) {
  if (FFailed)
    return false;
  const auto& L = *FLibrary;
  L.ERR_clear_error();
  while (Size > 0) {
    const int Chunk = static_cast<int>(Size > INT_MAX ? INT_MAX : Size);
    const int Written = L.BIO_write(FIncoming, Data, Chunk);
    if (Written <= 0)
      break;
    Data += Written;
    Size -= static_cast<std::size_t>(Written);
  }
  char Buffer[16 * 1024];
  for (;;) {
    const int Count = L.SSL_read(FSsl, Buffer, sizeof Buffer);
    if (Count > 0) {
      Plain.append(Buffer, static_cast<std::size_t>(Count));
      continue;
    }
    const int Error = L.SSL_get_error(FSsl, Count);
    if (Error == TOpenSSLLibrary::SSL_ERROR_WANT_READ ||
        Error == TOpenSSLLibrary::SSL_ERROR_WANT_WRITE) {
      break;
    }
    if (Error == TOpenSSLLibrary::SSL_ERROR_ZERO_RETURN) {
      FPeerClosed = true;
      break;
    }
    FFailed = true;
    FLastError = L.TakeErrorText("SSL_read " + std::to_string(Error));
    break;
  }
  // Handshake messages, and the alert that tells a failing peer why.
  Drain(Outgoing);
  return !FFailed;
}

bool TTlsSession::Send(const char* Data, std::size_t Size, std::string& Outgoing) {
  if (FFailed)
    return false;
  const auto& L = *FLibrary;
  L.ERR_clear_error();
  while (Size > 0) {
    const int Chunk = static_cast<int>(Size > 16384 ? 16384 : Size);
    const int Written = L.SSL_write(FSsl, Data, Chunk);
    if (Written <= 0) {
      FFailed = true;
      FLastError = L.TakeErrorText("SSL_write " + std::to_string(L.SSL_get_error(FSsl, Written)));
      break;
    }
    Data += Written;
    Size -= static_cast<std::size_t>(Written);
  }
  Drain(Outgoing);
  return !FFailed;
}

void TTlsSession::Shutdown(std::string& Outgoing) {
  if (FFailed)
    return;
  FLibrary->ERR_clear_error();
  FLibrary->SSL_shutdown(FSsl);
  FLibrary->ERR_clear_error();
  Drain(Outgoing);
}
