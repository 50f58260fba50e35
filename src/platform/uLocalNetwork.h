#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the options dialog asks of this computer's network: whether a TCP listener can be opened
// on an address and port, and which IPv4 addresses the computer's host name has.
class TLocalNetwork {
 public:
  virtual ~TLocalNetwork() = default;
  // Opens a listening TCP socket on Address ("0.0.0.0" is every interface) and Port the way the
  // web server does, and closes it again at once. False when that fails for any reason.
  virtual bool CanListen(const std::string& Address, std::uint16_t Port) = 0;
  // The host name's IPv4 addresses in dotted form; empty when the name does not resolve.
  virtual std::vector<std::string> HostIPv4Addresses() = 0;
};
