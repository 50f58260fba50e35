#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "uWebServerTestSupport.h"

namespace {

using namespace std::chrono_literals;

class WebServerTest : public WebServerFixture {};

TEST_F(WebServerTest, PathQueryAndParametersReachThePageAsSent) {
  std::mutex Mutex;
  std::vector<std::string> Ids;
  StartServer([&](TWebRequest& Request, TWebResponse& Response) {
    std::string Id, Name;
    const bool HasId = Request.Parameters().TryGetValue("id", Id);
    Request.Parameters().TryGetValue("name", Name);
    Response.SetContent(Request.Path + "|" + (HasId ? "id=" + Id : "no id") + "|" + Name);
    return true;
  });
  const std::pair<const char*, const char*> Cases[] = {
      {"/action?id=a&id=b", "/action|id=b|"},
      {"/action?id", "/action|id=|"},
      {"/action?ID=MonitorOff", "/action|no id|"},
      {"/start?name=My+Preset%21", "/start|no id|My Preset!"},
      {"/Action", "/Action|no id|"},
      {"/%61ction?x=1", "/%61ction|no id|"},
      {"/", "/|no id|"},
      {"*", "/*|no id|"},  // a target without "/" gets one in front
  };
  for (const auto& [Target, Expected] : Cases) {
    const auto Response = THttpTestClient::Get(Port, Target);
    EXPECT_EQ(Response.Status, 200) << Target;
    EXPECT_EQ(Response.Body, Expected) << Target;
  }
  const auto Requests = Seen();
  ASSERT_EQ(Requests.size(), std::size(Cases));
  EXPECT_EQ(Requests[0].Method, "GET");
  EXPECT_EQ(Requests[0].QueryString, "id=a&id=b");
  EXPECT_EQ(Requests[6].QueryString, "");
}

TEST_F(WebServerTest, BasicCredentialsReachThePage) {
  StartServer(OkPage);
  const std::tuple<const char*, const char*, const char*> Cases[] = {
      {"Authorization: Basic dXNlcjpwYXNz\r\n", "user", "pass"},
      {"Authorization: basic dXNlcjpwYXNz\r\n", "", ""},
      {"Authorization: Basic dXNlcg==\r\n", "", ""},
      {"Authorization: Basic dTpwOng6eQ==\r\n", "u", "p:x:y"},
      {"", "", ""},
  };
  for (const auto& [Header, User, Password] : Cases) {
    EXPECT_EQ(THttpTestClient::Get(Port, "/", Header).Status, 200);
    const auto Last = Seen().back();
    EXPECT_EQ(Last.UserName, User) << Header;
    EXPECT_EQ(Last.Password, Password) << Header;
  }
}

TEST_F(WebServerTest, ExtraHeadersFollowTheResponse) {
  StartServer([](TWebRequest& Request, TWebResponse& Response) {
    if (Request.Path == "/login") {
      Response.StatusCode = 401;
      Response.Realm = "Zugang f\xc3\xbcr \"Kolvane\"";
    } else if (Request.Path == "/moved") {
      Response.Location = "/index?from=moved";
      Response.NoCache = false;
      Response.SetContent("see index");
    } else if (Request.Path == "/plain") {
      Response.ContentType = "text/plain";
      Response.Charset.clear();
      Response.SetContent("plain");
    } else if (Request.Path == "/split") {
      Response.Location = "/x\r\nSet-Cookie: stolen=1";
      Response.SetContent("x");
    } else {
      Response.SetContent("page");
    }
    return true;
  });

  const auto Login = THttpTestClient::Get(Port, "/login");
  EXPECT_EQ(Login.Status, 401);
  EXPECT_EQ(Login.Header("www-authenticate"),
            "Basic realm=\"Zugang f??r \\\"Kolvane\\\"\", charset=\"UTF-8\"");
  EXPECT_NE(Login.Body.find("401"), std::string::npos) << "the server's own page";
  EXPECT_EQ(Login.Header("cache-control"), "no-cache, no-store, must-revalidate");

  const auto Page = THttpTestClient::Get(Port, "/page");
  EXPECT_EQ(Page.Header("cache-control"), "no-cache, no-store, must-revalidate");
  EXPECT_EQ(Page.Header("pragma"), "no-cache");
  EXPECT_EQ(Page.Header("content-type"), "text/html; charset=utf-8");
  EXPECT_FALSE(Page.Has("location"));
  EXPECT_FALSE(Page.Has("www-authenticate"));
  EXPECT_FALSE(Page.Has("server")) << "no Server header while ServerSoftware is empty";

  const auto Moved = THttpTestClient::Get(Port, "/moved");
  EXPECT_EQ(Moved.Header("location"), "/index?from=moved");
  EXPECT_FALSE(Moved.Has("cache-control"));
  EXPECT_FALSE(Moved.Has("pragma"));

  EXPECT_EQ(THttpTestClient::Get(Port, "/plain").Header("content-type"), "text/plain");

  const auto Split = THttpTestClient::Get(Port, "/split");
  EXPECT_EQ(Split.Status, 200);
  EXPECT_FALSE(Split.Has("set-cookie")) << "a line break in a header value must not split it";
}

TEST_F(WebServerTest, ServerSoftwareNamesTheServerWhenSet) {
  Server.SetServerSoftware("Kolvane/1.0");
  StartServer(OkPage);
  EXPECT_EQ(THttpTestClient::Get(Port, "/").Header("server"), "Kolvane/1.0");
}

TEST_F(WebServerTest, AnswersWithoutBodyGetTheServersPage) {
  StartServer([](TWebRequest& Request, TWebResponse& Response) {
    if (Request.Path == "/raise")
      throw std::runtime_error("page failed");
    if (Request.Path == "/false")
      return false;
    if (Request.Path == "/forbidden") {
      Response.StatusCode = 403;
      Response.SetContent("");
    }
    return true;  // "/empty": a 200 without body
  });
  const std::tuple<const char*, int, bool> Cases[] = {
      {"/raise", 500, true},
      {"/false", 500, true},
      {"/empty", 404, true},
      {"/forbidden", 403, false},  // an empty body of the page's own is sent as it is
  };
  for (const auto& [Target, Status, OwnPage] : Cases) {
    const auto Response = THttpTestClient::Get(Port, Target);
    EXPECT_EQ(Response.Status, Status) << Target;
    EXPECT_EQ(Response.Body.find("<html>") != std::string::npos, OwnPage) << Target;
    if (OwnPage) {
      EXPECT_NE(Response.Body.find(std::to_string(Status)), std::string::npos) << Target;
    }
  }
  EXPECT_EQ(THttpTestClient::Get(Port, "/raise").Status, 500) << "the server keeps serving";
}

TEST_F(WebServerTest, OnlyHeadGetAndPostReachThePage) {
  StartServer(OkPage);
  THttpTestClient Client(Port);
  Client.Send("DELETE /presets HTTP/1.1\r\nHost: x\r\n\r\n");
  const auto Delete = Client.ReadResponse();
  EXPECT_EQ(Delete.Status, 405);
  EXPECT_EQ(Delete.Header("allow"), "GET, HEAD, POST");
  Client.Send("PUT /x HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\n\r\nabc");
  EXPECT_EQ(Client.ReadResponse().Status, 405);
  Client.Send("FROB /x HTTP/1.1\r\nHost: x\r\n\r\n");
  EXPECT_EQ(Client.ReadResponse().Status, 405);
  EXPECT_TRUE(Seen().empty());

  // POST is answered from path and query; its body is skipped, not taken as the next request.
  Client.Send("POST /run?x=1 HTTP/1.1\r\nHost: x\r\nContent-Length: 11\r\n\r\nGET / HTTP/");
  EXPECT_EQ(Client.ReadResponse().Body, "ok");
  Client.Send("HEAD /page HTTP/1.1\r\nHost: x\r\n\r\n");
  const auto Head = Client.ReadResponse(true);
  EXPECT_EQ(Head.Status, 200);
  EXPECT_EQ(Head.Header("content-length"), "2");
  Client.Send("GET /page HTTP/1.1\r\nHost: x\r\n\r\n");
  EXPECT_EQ(Client.ReadResponse().Body, "ok") << "HEAD sent no body bytes";
  // A client that asks leave to send its body gets it at once.
  Client.Send(
      "POST /form HTTP/1.1\r\nHost: x\r\nExpect: 100-continue\r\nContent-Length: 4\r\n\r\n");
  EXPECT_EQ(Client.ReadResponse(true).Status, 100);
  Client.Send("a=b&");
  EXPECT_EQ(Client.ReadResponse().Body, "ok");
  const auto Requests = Seen();
  ASSERT_EQ(Requests.size(), 4u);
  EXPECT_EQ(Requests[0].Method, "POST");
  EXPECT_EQ(Requests[1].Method, "HEAD");
}

TEST_F(WebServerTest, ContentStreamsFromItsPositionToItsEnd) {
  std::string Large(3 * 1024 * 1024 + 7, '\0');
  for (std::size_t I = 0; I < Large.size(); ++I)
    Large[I] = static_cast<char>(I * 131 % 251);
  StartServer([&](TWebRequest& Request, TWebResponse& Response) {
    auto Stream = std::make_shared<std::stringstream>();
    if (Request.Path == "/large") {
      *Stream << Large;
    } else {
      *Stream << "skip:rest of the stream";
      Stream->seekg(5);
    }
    Response.Content = Stream;
    Response.ContentType = "application/octet-stream";
    Response.Charset.clear();
    return true;
  });
  const auto Rest = THttpTestClient::Get(Port, "/rest");
  EXPECT_EQ(Rest.Body, "rest of the stream");
  EXPECT_EQ(Rest.Header("content-length"), "18");
  THttpTestClient Client(Port);
  Client.Send("GET /large HTTP/1.1\r\nHost: x\r\n\r\nGET /rest HTTP/1.1\r\nHost: x\r\n\r\n");
  const auto Whole = Client.ReadResponse();
  EXPECT_EQ(Whole.Body.size(), Large.size());
  EXPECT_TRUE(Whole.Body == Large);
  EXPECT_EQ(Client.ReadResponse().Body, "rest of the stream") << "pipelined after a large body";
}

TEST_F(WebServerTest, KeepsConnectionsAliveAsTheClientAsks) {
  StartServer(OkPage);
  THttpTestClient Client(Port);
  for (int I = 0; I < 5; ++I) {
    Client.Send("GET /n" + std::to_string(I) + " HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(Client.ReadResponse().Status, 200);
  }
  // Pipelined: three requests in one packet, three answers in order.
  Client.Send(
      "GET /a HTTP/1.1\r\nHost: x\r\n\r\nGET /b HTTP/1.1\r\nHost: x\r\n\r\n"
      "GET /c HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
  for (int I = 0; I < 3; ++I)
    EXPECT_EQ(Client.ReadResponse().Body, "ok");
  EXPECT_TRUE(Client.WaitClosed()) << "Connection: close ends it";
  EXPECT_EQ(Seen().size(), 8u);

  THttpTestClient Old(Port);
  Old.Send("GET / HTTP/1.0\r\n\r\n");
  const auto Response = Old.ReadResponse();
  EXPECT_EQ(Response.Status, 200);
  EXPECT_TRUE(Old.WaitClosed()) << "HTTP/1.0 without keep-alive";

  THttpTestClient OldKeepAlive(Port);
  OldKeepAlive.Send("GET / HTTP/1.0\r\nConnection: keep-alive\r\n\r\n");
  EXPECT_EQ(OldKeepAlive.ReadResponse().Header("connection"), "keep-alive");
  OldKeepAlive.Send("GET / HTTP/1.0\r\n\r\n");
  EXPECT_EQ(OldKeepAlive.ReadResponse().Status, 200);
}

TEST_F(WebServerTest, MalformedRequestsAreRefusedAndClosed) {
  THttpLimits Limits;
  Limits.MaxHeaderBytes = 4096;
  Limits.MaxBodyBytes = 1000;
  StartServer(OkPage, Limits);
  const std::pair<std::string, int> Cases[] = {
      {"GET / HTTP/1.1\r\nHost: x\r\nX-Big: " + std::string(5000, 'a') + "\r\n\r\n", 431},
      {"GET / HTTP/1.1\r\n" + std::string(200, 'a') + std::string(5000, 'b'), 431},
      {"GARBAGE\r\n\r\n", 400},
      {"GET / HTTP/7.1\r\n\r\n", 400},
      {"GET / HTTP/1.1\r\nContent-Length: -5\r\n\r\n", 400},
      {"GET / HTTP/1.1\r\nBad Header\r\n\r\n", 400},
      {std::string("GET /\0 HTTP/1.1\r\n\r\n", 19), 400},
      {"POST / HTTP/1.1\r\nContent-Length: 5000\r\n\r\n" + std::string(5000, 'x'), 413},
      {"POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nZZ\r\n", 400},
  };
  for (const auto& [Request, Status] : Cases) {
    THttpTestClient Client(Port);
    Client.Send(Request);
    EXPECT_EQ(Client.ReadResponse().Status, Status) << Request.substr(0, 40);
    EXPECT_TRUE(Client.WaitClosed()) << Request.substr(0, 40);
  }
  EXPECT_TRUE(Seen().empty());
  EXPECT_EQ(THttpTestClient::Get(Port, "/").Status, 200);
}

TEST_F(WebServerTest, AStalledClientDoesNotHoldUpOthersAndIsTimedOut) {
  THttpLimits Limits;
  Limits.RequestTime = 500ms;
  Limits.KeepAliveIdle = 500ms;
  StartServer(OkPage, Limits);
  THttpTestClient Stalled(Port);
  Stalled.Send("GET /slow HTTP/1.1\r\nHost: x\r\n");
  THttpTestClient Silent(Port);
  ASSERT_TRUE(Silent.Connected());
  // Served while the others hold their connections.
  EXPECT_EQ(THttpTestClient::Get(Port, "/fast").Status, 200);
  THttpTestClient Idle(Port);
  Idle.Send("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
  EXPECT_EQ(Idle.ReadResponse().Status, 200);

  EXPECT_EQ(Stalled.ReadResponse().Status, 408);
  EXPECT_TRUE(Stalled.WaitClosed());
  EXPECT_TRUE(Silent.WaitClosed()) << "a connection that never sends is closed";
  EXPECT_EQ(Silent.ReadResponse(false, 100ms).Status, 0) << "without an answer";
  EXPECT_TRUE(Idle.WaitClosed()) << "an idle kept-alive connection is closed";
  ASSERT_EQ(Seen().size(), 2u);
}

TEST_F(WebServerTest, ConnectionsAreBoundedAndIdleOnesMakeRoom) {
  THttpLimits Limits;
  Limits.MaxConnections = 2;
  StartServer(OkPage, Limits);
  THttpTestClient First(Port), Second(Port);
  for (auto* Client : {&First, &Second}) {
    Client->Send("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(Client->ReadResponse().Status, 200);
  }
  // Both idle between requests: the one idle longest is closed for the newcomer.
  EXPECT_EQ(THttpTestClient::Get(Port, "/third").Status, 200);
  EXPECT_TRUE(First.WaitClosed());
  Second.Send("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
  EXPECT_EQ(Second.ReadResponse().Status, 200);
}

TEST_F(WebServerTest, StartFailsClearlyAndStopEndsConnections) {
  StartServer(OkPage);
  TWebServer Second;
  try {
    Second.Start(Port, "127.0.0.1");
    ADD_FAILURE() << "started on a port in use";
  } catch (const EWebServerError& Error) {
    const std::string Message = Error.what();
    EXPECT_EQ(Message.rfind("Failed to start web server: Cannot listen on 127.0.0.1:", 0), 0u)
        << Message;
    EXPECT_EQ(Message, "Failed to start web server: " + Second.LastError());
  }
  EXPECT_FALSE(Second.Active());
  try {
    Second.Start(0, "localhost:80");
    ADD_FAILURE() << "started on a bad address";
  } catch (const EWebServerError& Error) {
    EXPECT_STREQ(Error.what(),
                 "Failed to start web server: \"localhost:80\" is not a valid IP address");
  }

  THttpTestClient Client(Port);
  Client.Send("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
  EXPECT_EQ(Client.ReadResponse().Status, 200);
  const auto Asked = std::chrono::steady_clock::now();
  Thread->Terminate();
  Thread->WaitFor();
  // A hang, not a speed: the loop must come back from its bounded step.
  EXPECT_LT(std::chrono::steady_clock::now() - Asked, 2s);
  Server.Stop(true);
  EXPECT_FALSE(Server.Active());
  EXPECT_TRUE(Client.WaitClosed());
  Server.Stop(false);  // nothing happens when not active
}

}  // namespace
