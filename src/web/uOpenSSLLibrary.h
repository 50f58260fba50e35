#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// OpenSSL's own opaque types, declared here so that nothing needs OpenSSL's headers.
struct ssl_st;
struct ssl_ctx_st;
struct ssl_method_st;
struct bio_st;
struct bio_method_st;

// OpenSSL 3 bound at run time: the program starts and serves plain HTTP on machines without
// it, and only HTTPS fails, with a reason. Only the functions the TLS layer calls are bound.
class TOpenSSLLibrary {
 public:
  // The file names of libcrypto and libssl to try, in order.
  struct TCandidate {
    std::string Crypto;
    std::string Ssl;
  };
  // The usual names of OpenSSL 3 on this system.
  static std::vector<TCandidate> DefaultCandidates();

  // Loads the first candidate that has both libraries and every function; EKoException with
  // the names tried (or the missing function) otherwise.
  static std::shared_ptr<const TOpenSSLLibrary> Load(
      const std::vector<TCandidate>& Candidates = DefaultCandidates());

  ~TOpenSSLLibrary();
  TOpenSSLLibrary(const TOpenSSLLibrary&) = delete;
  TOpenSSLLibrary& operator=(const TOpenSSLLibrary&) = delete;

  // Constants of the OpenSSL 3 interface used with these functions.
  static constexpr int SSL_FILETYPE_PEM = 1;
  static constexpr int SSL_ERROR_WANT_READ = 2;
  static constexpr int SSL_ERROR_WANT_WRITE = 3;
  static constexpr int SSL_ERROR_ZERO_RETURN = 6;
  static constexpr int SSL_CTRL_MODE = 33;
  static constexpr int SSL_CTRL_SET_MIN_PROTO_VERSION = 123;
  static constexpr long SSL_MODE_RELEASE_BUFFERS = 0x10;
  static constexpr long TLS1_2_VERSION = 0x0303;

  // libcrypto
  const bio_method_st* (*BIO_s_mem)() = nullptr;
  bio_st* (*BIO_new)(const bio_method_st*) = nullptr;
  int (*BIO_read)(bio_st*, void*, int) = nullptr;
  int (*BIO_write)(bio_st*, const void*, int) = nullptr;
  int (*BIO_free)(bio_st*) = nullptr;
  unsigned long (*ERR_get_error)() = nullptr;
  void (*ERR_error_string_n)(unsigned long, char*, std::size_t) = nullptr;
  void (*ERR_clear_error)() = nullptr;
  // libssl
  const ssl_method_st* (*TLS_server_method)() = nullptr;
  ssl_ctx_st* (*SSL_CTX_new)(const ssl_method_st*) = nullptr;
  void (*SSL_CTX_free)(ssl_ctx_st*) = nullptr;
  long (*SSL_CTX_ctrl)(ssl_ctx_st*, int, long, void*) = nullptr;
  int (*SSL_CTX_use_certificate_chain_file)(ssl_ctx_st*, const char*) = nullptr;
  int (*SSL_CTX_use_PrivateKey_file)(ssl_ctx_st*, const char*, int) = nullptr;
  int (*SSL_CTX_check_private_key)(const ssl_ctx_st*) = nullptr;
  ssl_st* (*SSL_new)(ssl_ctx_st*) = nullptr;
  void (*SSL_free)(ssl_st*) = nullptr;
  void (*SSL_set_bio)(ssl_st*, bio_st*, bio_st*) = nullptr;
  void (*SSL_set_accept_state)(ssl_st*) = nullptr;
  int (*SSL_read)(ssl_st*, void*, int) = nullptr;
  int (*SSL_write)(ssl_st*, const void*, int) = nullptr;
  int (*SSL_shutdown)(ssl_st*) = nullptr;
  int (*SSL_get_error)(const ssl_st*, int) = nullptr;

  // The text of the oldest error in this thread's OpenSSL error queue (the queue is emptied),
  // or Fallback when the queue is empty.
  std::string TakeErrorText(const std::string& Fallback) const;

 private:
  TOpenSSLLibrary();
  struct TModules;
  std::unique_ptr<TModules> FModules;
};
