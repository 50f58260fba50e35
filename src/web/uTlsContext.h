#pragma once

#include <memory>
#include <string>

#include "web/uOpenSSLLibrary.h"

class TTlsSession;

// The server side of TLS: OpenSSL loaded, TLS 1.2 as the oldest protocol offered (1.0 and 1.1
// are broken), a PEM certificate chain and a PEM private key. Everything is read when the
// context is made, that is when the listener starts.
class TTlsContext {
 public:
  // EKoException with a clear reason when OpenSSL is missing or a file cannot be used.
  TTlsContext(const std::string& CertificateFile, const std::string& KeyFile,
              std::shared_ptr<const TOpenSSLLibrary> Library = nullptr);
  ~TTlsContext();
  TTlsContext(const TTlsContext&) = delete;
  TTlsContext& operator=(const TTlsContext&) = delete;

  // A session for one accepted connection.
  std::unique_ptr<TTlsSession> NewSession() const;

 private:
  std::shared_ptr<const TOpenSSLLibrary> FLibrary;
  ssl_ctx_st* FContext = nullptr;
};

// One connection's TLS engine over memory buffers: the connection moves the encrypted bytes
// between the socket and the session and sees only plain text, so the socket code is the same
// with and without TLS.
class TTlsSession {
 public:
  TTlsSession(std::shared_ptr<const TOpenSSLLibrary> Library, ssl_ctx_st* Context);
  ~TTlsSession();
  TTlsSession(const TTlsSession&) = delete;
  TTlsSession& operator=(const TTlsSession&) = delete;

  // Bytes from the socket: decrypted text is appended to Plain, and what must go back to the
  // peer (handshake, alerts) to Outgoing. False when the session failed; LastError says why.
  bool Receive(const char* Data, std::size_t Size, std::string& Plain, std::string& Outgoing);
  // Encrypts Plain onto Outgoing; false when the session failed.
  bool Send(const char* Data, std::size_t Size, std::string& Outgoing);
  // Appends the closing alert to Outgoing.
  void Shutdown(std::string& Outgoing);

  // The peer ended the session with its closing alert.
  bool PeerClosed() const { return FPeerClosed; }
  const std::string& LastError() const { return FLastError; }

 private:
  void Drain(std::string& Outgoing);

  std::shared_ptr<const TOpenSSLLibrary> FLibrary;
  ssl_st* FSsl = nullptr;
  bio_st* FIncoming = nullptr;  // owned by FSsl
  bio_st* FOutgoing = nullptr;  // owned by FSsl
  bool FPeerClosed = false;
  bool FFailed = false;
  std::string FLastError;
};
