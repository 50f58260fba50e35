#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/uLocalNetwork.h"

// Listeners of other programs and the host name's addresses, as a test sets them up.
class TSimLocalNetwork : public TLocalNetwork {
 public:
  // Endpoints other programs listen on. One on "0.0.0.0" holds its port on every address, and
  // a listener on "0.0.0.0" needs its port free on every address.
  std::set<std::pair<std::string, std::uint16_t>> Taken;
  // Addresses of this computer; listening on any other fails.
  std::set<std::string> LocalAddresses{"127.0.0.1"};
  std::vector<std::string> HostAddresses;
  std::vector<std::string> Probes;  // "address:port" of every listen attempt

  bool CanListen(const std::string& Address, std::uint16_t Port) override;
  std::vector<std::string> HostIPv4Addresses() override { return HostAddresses; }
};
