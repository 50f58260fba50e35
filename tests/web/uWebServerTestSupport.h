#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <vector>

#include "uHttpTestClient.h"
#include "web/uWebInterfaceThread.h"
#include "web/uWebServer.h"

// A started server on 127.0.0.1 (a free port) driven by a real serving thread, and a record
// of the requests that reached the page callback.
class WebServerFixture : public ::testing::Test, public TWebInterfaceThreadOwner {
 protected:
  struct TSeenRequest {
    std::string Method, Path, QueryString, UserName, Password;
  };

  void ProcessEvents(int TimeoutMs) override { Server.ProcessEvents(TimeoutMs); }

  // Handler fills the response; every request it sees is recorded first.
  void StartServer(TWebRequestHandler Handler, const THttpLimits& Limits = {}) {
    Server.SetLimits(Limits);
    Server.SetOnRequest([this, Handler](TWebRequest& Request, TWebResponse& Response) {
      {
        std::lock_guard<std::mutex> Lock(FSeenMutex);
        FSeen.push_back({Request.Method, Request.Path, Request.QueryString(), Request.UserName,
                         Request.Password});
      }
      return Handler(Request, Response);
    });
    Server.Start(0, "127.0.0.1");
    Port = Server.Port();
    Thread = std::make_unique<TWebInterfaceThread>(*this);
    Thread->Start();
  }

  void TearDown() override {
    if (Thread) {
      Thread->Terminate();
      Thread->WaitFor();
    }
    Server.Stop(true);
  }

  std::vector<TSeenRequest> Seen() {
    std::lock_guard<std::mutex> Lock(FSeenMutex);
    return FSeen;
  }

  TWebServer Server;
  std::unique_ptr<TWebInterfaceThread> Thread;
  std::uint16_t Port = 0;

 private:
  std::mutex FSeenMutex;
  std::vector<TSeenRequest> FSeen;
};

// A page that answers "ok".
inline bool OkPage(TWebRequest&, TWebResponse& Response) {
  Response.SetContent("ok");
  return true;
}
