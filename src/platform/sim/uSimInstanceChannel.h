#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/uInstanceChannel.h"

// The user's session as the simulated instances share it: which channel names are held, and by
// whom.
class TSimSession {
 public:
  std::map<std::string, TInstanceChannel::TMessageHandler*> Holders;
};

// One simulated process's side of the session; its claims end with it.
class TSimInstanceChannel : public TInstanceChannel {
 public:
  explicit TSimInstanceChannel(TSimSession& Session) : FSession(Session) {}
  ~TSimInstanceChannel() override;
  bool Claim(const std::string& Name, TMessageHandler OnMessage) override;
  bool Send(const std::string& Name, const std::string& Text) override;

 private:
  TSimSession& FSession;
  std::map<std::string, std::unique_ptr<TMessageHandler>> FClaimed;
};
