#include "platform/sim/uSimInstanceChannel.h"

TSimInstanceChannel::~TSimInstanceChannel() {
  for (const auto& [Name, Handler] : FClaimed)
    FSession.Holders.erase(Name);
}

bool TSimInstanceChannel::Claim(const std::string& Name, TMessageHandler OnMessage) {
  if (FSession.Holders.contains(Name))
    return false;
  auto& Handler = FClaimed[Name] = std::make_unique<TMessageHandler>(std::move(OnMessage));
  FSession.Holders[Name] = Handler.get();
  return true;
}

bool TSimInstanceChannel::Send(const std::string& Name, const std::string& Text) {
  auto It = FSession.Holders.find(Name);
  if (It == FSession.Holders.end())
    return false;
  if (*It->second)
    (*It->second)(Text);
  return true;
}
