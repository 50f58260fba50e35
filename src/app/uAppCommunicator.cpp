#include "app/uAppCommunicator.h"

#include "app/uAppStrings.h"

void TAppCommunicator::Start(const std::string& ChannelName, bool) {
  FChannelName = ChannelName;
  FIsMaster = FChannel.Claim(ChannelName, [this](const std::string& Text) {
    if (OnMessage)
      OnMessage(Text);
  });
}

bool TAppCommunicator::Send(const std::string& Text) {
  if (FIsMaster)
    throw EKoException(ResStr(uappcommunicator::smastercannotsend));
  return FChannel.Send(FChannelName, Text);
}
