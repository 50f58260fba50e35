#pragma once

#include "platform/uLocalNetwork.h"

// Windows Sockets: a real listening socket for the port check, the host name's addresses.
class TWin32LocalNetwork : public TLocalNetwork {
 public:
  bool CanListen(const std::string& Address, std::uint16_t Port) override;
  std::vector<std::string> HostIPv4Addresses() override;
};
