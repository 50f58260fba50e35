#include "web/uOpenSSLLibrary.h"

// Boost.DLL opens the libraries with LoadLibrary or dlopen, so this file stays free of system
// headers.
#define BOOST_DLL_USE_STD_FS
#include <boost/dll/shared_library.hpp>

#include "core/uFormat.h"
#include "core/uKoException.h"
#include "web/uWebServerStrings.h"

struct TOpenSSLLibrary::TModules {
  boost::dll::shared_library Crypto;
  boost::dll::shared_library Ssl;
};

TOpenSSLLibrary::TOpenSSLLibrary() : FModules(std::make_unique<TModules>()) {}

TOpenSSLLibrary::~TOpenSSLLibrary() = default;

std::vector<TOpenSSLLibrary::TCandidate> TOpenSSLLibrary::DefaultCandidates() {
#if defined(_WIN32) && defined(_WIN64)
  return {{"libcrypto-3-x64.dll", "libssl-3-x64.dll"}, {"libcrypto-3.dll", "libssl-3.dll"}};
#elif defined(_WIN32)
  return {{"libcrypto-3.dll", "libssl-3.dll"}};
#else
  return {{"libcrypto.so.3", "libssl.so.3"}};
#endif
}

namespace {

bool Open(boost::dll::shared_library& Library, const std::string& Name) {
  std::error_code Error;
  Library.load(boost::dll::fs::path(Name), Error, boost::dll::load_mode::search_system_folders);
  return !Error && Library.is_loaded();
}

template <typename TFunction>
void Bind(const boost::dll::shared_library& Library, const std::string& LibraryName,
          const char* Name, TFunction*& Function) {
  if (!Library.has(Name)) {
    throw EKoException(Format(ResStr(uwebserver::sopensslfunctionmissing), {Name, LibraryName}));
  }
  Function = &Library.get<TFunction>(Name);
}

}  // namespace

std::shared_ptr<const TOpenSSLLibrary> TOpenSSLLibrary::Load(
    const std::vector<TCandidate>& Candidates) {
  std::string Tried;
  for (const auto& Candidate : Candidates) {
    std::shared_ptr<TOpenSSLLibrary> Library(new TOpenSSLLibrary());
    if (!Tried.empty())
      Tried += ", ";
    Tried += Candidate.Crypto + " + " + Candidate.Ssl;
    if (!Open(Library->FModules->Crypto, Candidate.Crypto))
      continue;
    if (!Open(Library->FModules->Ssl, Candidate.Ssl))
      continue;
    const auto& Crypto = Library->FModules->Crypto;
    const auto& Ssl = Library->FModules->Ssl;
    auto& L = *Library;
#define KOLVANE_BIND(Module, Name) Bind(Module, Candidate.Crypto, #Name, L.Name)
    KOLVANE_BIND(Crypto, BIO_s_mem);
    KOLVANE_BIND(Crypto, BIO_new);
    KOLVANE_BIND(Crypto, BIO_read);
    KOLVANE_BIND(Crypto, BIO_write);
    KOLVANE_BIND(Crypto, BIO_free);
    KOLVANE_BIND(Crypto, ERR_get_error);
    KOLVANE_BIND(Crypto, ERR_error_string_n);
    KOLVANE_BIND(Crypto, ERR_clear_error);
#undef KOLVANE_BIND
#define KOLVANE_BIND(Module, Name) Bind(Module, Candidate.Ssl, #Name, L.Name)
    KOLVANE_BIND(Ssl, TLS_server_method);
    KOLVANE_BIND(Ssl, SSL_CTX_new);
    KOLVANE_BIND(Ssl, SSL_CTX_free);
    KOLVANE_BIND(Ssl, SSL_CTX_ctrl);
    KOLVANE_BIND(Ssl, SSL_CTX_use_certificate_chain_file);
    KOLVANE_BIND(Ssl, SSL_CTX_use_PrivateKey_file);
    KOLVANE_BIND(Ssl, SSL_CTX_check_private_key);
    KOLVANE_BIND(Ssl, SSL_new);
    KOLVANE_BIND(Ssl, SSL_free);
    KOLVANE_BIND(Ssl, SSL_set_bio);
    KOLVANE_BIND(Ssl, SSL_set_accept_state);
    KOLVANE_BIND(Ssl, SSL_read);
    KOLVANE_BIND(Ssl, SSL_write);
    KOLVANE_BIND(Ssl, SSL_shutdown);
    KOLVANE_BIND(Ssl, SSL_get_error);
#undef KOLVANE_BIND
    return Library;
  }
  throw EKoException(Format(ResStr(uwebserver::sopensslmissing), {Tried}));
}

std::string TOpenSSLLibrary::TakeErrorText(const std::string& Fallback) const {
  const unsigned long First = ERR_get_error();
  while (ERR_get_error() != 0) {
  }
  if (First == 0)
    return Fallback;
  char Buffer[256] = {};
  ERR_error_string_n(First, Buffer, sizeof Buffer);
  return Buffer;
}
