// The web server inside a Windows process, reached by a plain Winsock client.
#include "uWinsockClient.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/uWin32Handles.h"
#include "web/uWebInterfaceThread.h"
#include "web/uWebServer.h"

namespace {

class Win32WebServerTest : public ::testing::Test, public TWebInterfaceThreadOwner {
 protected:
  void ProcessEvents(int TimeoutMs) override { Server.ProcessEvents(TimeoutMs); }
  void TearDown() override {
    Thread.Terminate();
    Thread.WaitFor();
    Server.Stop(true);
  }

  TWinsock Winsock;
  TWebServer Server;
  TWebInterfaceThread Thread{*this};
};

TEST_F(Win32WebServerTest, AnswersAWinsockClient) {
  ASSERT_TRUE(Winsock.Ready());
  Server.SetOnRequest([](TWebRequest& Request, TWebResponse& Response) {
    std::string Id;
    Request.Parameters().TryGetValue("id", Id);
    Response.SetContent("<p>" + Request.Path + " " + Id + " " + Request.UserName + "</p>");
    return true;
  });
  Server.Start(0, "127.0.0.1");
  Thread.Start();
  const std::string Response =
      WinsockExchange(Server.Port(),
                      "GET /action?id=MonitorOff HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                      "Authorization: Basic dXNlcjpwYXNz\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(Response.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << Response;
  EXPECT_NE(Response.find("Cache-Control: no-cache, no-store, must-revalidate\r\n"),
            std::string::npos);
  EXPECT_NE(Response.find("\r\n\r\n<p>/action MonitorOff user</p>"), std::string::npos) << Response;
}

TEST_F(Win32WebServerTest, APortInUseFailsTheStart) {
  Server.SetOnRequest([](TWebRequest&, TWebResponse&) { return true; });
  Server.Start(0, "127.0.0.1");
  TWebServer Second;
  EXPECT_THROW(Second.Start(Server.Port(), "127.0.0.1"), EWebServerError);
  EXPECT_FALSE(Second.Active());
  EXPECT_FALSE(Second.LastError().empty());
}

TEST_F(Win32WebServerTest, HttpsWithoutOpenSSLFailsTheStartWithTheReason) {
  // The test machines have no OpenSSL DLLs; where they exist the missing files are the reason.
  const bool HaveOpenSSL = TModuleHandle(LoadLibraryW(L"libssl-3-x64.dll")) != nullptr ||
                           TModuleHandle(LoadLibraryW(L"libssl-3.dll")) != nullptr;
  Server.ConfigureTLS("C:\\missing\\domain.key", "C:\\missing\\domain.crt", true);
  try {
    Server.Start(0, "127.0.0.1");
    ADD_FAILURE() << "started";
  } catch (const EWebServerError& Error) {
    const std::string Expected =
        HaveOpenSSL ? "Failed to start web server: Cannot load the certificate chain file"
                    : "Failed to start web server: Unable to initialize OpenSSL library, please "
                      "check your OpenSSL installation (libcrypto-3-x64.dll + libssl-3-x64.dll";
    EXPECT_EQ(std::string(Error.what()).rfind(Expected, 0), 0u) << Error.what();
  }
  EXPECT_FALSE(Server.Active());
  // Plain HTTP still starts afterwards.
  Server.SetSSLEnabled(false);
  Server.Start(0, "127.0.0.1");
  EXPECT_TRUE(Server.Active());
}

}  // namespace
