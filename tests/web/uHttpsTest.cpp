// HTTPS against the system's OpenSSL 3, with a certificate made by the openssl command and
// curl and openssl s_client as independent clients.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/uKoException.h"
#include "support/uTempFolder.h"
#include "uWebServerTestSupport.h"
#include "web/uOpenSSLLibrary.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& Path) {
  std::ifstream Stream(Path, std::ios::binary);
  std::ostringstream Text;
  Text << Stream.rdbuf();
  return Text.str();
}

int Shell(const std::string& Command) {
  return std::system((Command + " 2>/dev/null").c_str());
}

class HttpsTest : public WebServerFixture {
 protected:
  static void SetUpTestSuite() {
    Temp = std::make_unique<TTempFolder>();
    Folder = Temp->Path();
    const std::string F = Folder.string();
    // A classic PEM RSA key, as the certificate files of the web interface are.
    ASSERT_EQ(Shell("openssl genrsa -traditional -out " + F + "/domain.key 2048"), 0);
    ASSERT_EQ(Shell("openssl req -new -x509 -days 2 -subj /CN=127.0.0.1 -key " + F +
                    "/domain.key -out " + F + "/domain.crt"),
              0);
    ASSERT_EQ(Shell("openssl genrsa -out " + F + "/other.key 2048"), 0);
  }
  static void TearDownTestSuite() { Temp.reset(); }

  void StartHttps() {
    Server.ConfigureTLS(Path("domain.key"), Path("domain.crt"), true);
    StartServer([](TWebRequest& Request, TWebResponse& Response) {
      Response.SetContent("secure " + Request.Path);
      return true;
    });
  }

  static std::string Path(const char* Name) { return (Folder / Name).string(); }
  std::string Url(const std::string& Target) const {
    return "https://127.0.0.1:" + std::to_string(Port) + Target;
  }

  // curl's output (bodies, then the -w text) for the given arguments.
  std::string Curl(const std::string& Arguments) {
    const std::string Out = Path("curl.out");
    fs::remove(Out);
    Shell("curl -sk --max-time 10 " + Arguments + " > " + Out);
    return ReadFile(Out);
  }

  static std::unique_ptr<TTempFolder> Temp;
  static fs::path Folder;
};

std::unique_ptr<TTempFolder> HttpsTest::Temp;
fs::path HttpsTest::Folder;

TEST_F(HttpsTest, ServesPagesAndKeepsTheConnectionAlive) {
  StartHttps();
  EXPECT_EQ(Curl("--tlsv1.2 " + Url("/one")), "secure /one");
  EXPECT_EQ(Curl("--tlsv1.3 " + Url("/two")), "secure /two");
  // Two pages over one connection: the second transfer makes no new connection.
  EXPECT_EQ(Curl("-w ' %{num_connects}' " + Url("/a") + " " + Url("/b")), "secure /a 1secure /b 0");
}

TEST_F(HttpsTest, ProtocolsOlderThanTls12AreRefused) {
  StartHttps();
  const std::string Connect = "openssl s_client -connect 127.0.0.1:" + std::to_string(Port) +
                              " -cipher DEFAULT@SECLEVEL=0 </dev/null >/dev/null";
  EXPECT_NE(Shell(Connect + " -tls1"), 0);
  EXPECT_NE(Shell(Connect + " -tls1_1"), 0);
  EXPECT_EQ(Shell(Connect + " -tls1_2"), 0) << "the same command with TLS 1.2 connects";
  // A plain HTTP client on the TLS port fails its handshake and is closed.
  THttpTestClient Plain(Port);
  Plain.Send("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
  EXPECT_TRUE(Plain.WaitClosed());
  Thread->Terminate();
  Thread->WaitFor();
  EXPECT_NE(Server.LastError().find("TLS handshake with 127.0.0.1:"), std::string::npos)
      << Server.LastError();
  Thread = std::make_unique<TWebInterfaceThread>(*this);
  Thread->Start();
  EXPECT_EQ(Curl(Url("/after")), "secure /after") << "serving goes on";
}

TEST_F(HttpsTest, UnusableFilesStopTheStartWithTheReason) {
  const std::tuple<std::string, std::string, std::string> Cases[] = {
      {Path("domain.key"), Path("missing.crt"),
       "Failed to start web server: Cannot load the certificate chain file \"" +
           Path("missing.crt") + "\": "},
      {Path("missing.key"), Path("domain.crt"),
       "Failed to start web server: Cannot load the private key file \"" + Path("missing.key") +
           "\": "},
      {Path("other.key"), Path("domain.crt"),
       "Failed to start web server: Cannot load the private key file \"" + Path("other.key") +
           "\": "},
      {Path("domain.crt"), Path("domain.key"),
       "Failed to start web server: Cannot load the certificate chain file \"" +
           Path("domain.key") + "\": "},
  };
  for (const auto& [Key, Certificate, Message] : Cases) {
    TWebServer Failing;
    Failing.ConfigureTLS(Key, Certificate, true);
    try {
      Failing.Start(0, "127.0.0.1");
      ADD_FAILURE() << "started with " << Key << " and " << Certificate;
    } catch (const EWebServerError& Error) {
      EXPECT_EQ(std::string(Error.what()).rfind(Message, 0), 0u) << Error.what();
      EXPECT_GT(std::string(Error.what()).size(), Message.size()) << "OpenSSL's reason follows";
    }
    EXPECT_FALSE(Failing.Active());
  }
}

TEST(OpenSSLLibraryTest, MissingLibrariesAreNamedInTheError) {
  try {
    TOpenSSLLibrary::Load({{"libkolvane-missing-crypto.so.3", "libkolvane-missing-ssl.so.3"}});
    ADD_FAILURE() << "loaded";
  } catch (const EKoException& Error) {
    EXPECT_STREQ(Error.what(),
                 "Unable to initialize OpenSSL library, please check your OpenSSL installation "
                 "(libkolvane-missing-crypto.so.3 + libkolvane-missing-ssl.so.3)");
  }
  // The next candidate is tried when one is missing.
  EXPECT_NE(TOpenSSLLibrary::Load({{"libkolvane-missing.so", "libssl.so.3"},
                                   TOpenSSLLibrary::DefaultCandidates().front()}),
            nullptr);
}

}  // namespace
