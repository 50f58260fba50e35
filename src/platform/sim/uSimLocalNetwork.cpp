#include "platform/sim/uSimLocalNetwork.h"

namespace {
constexpr char kEveryAddress[] = "0.0.0.0";
}

bool TSimLocalNetwork::CanListen(const std::string& Address, std::uint16_t Port) {
  Probes.push_back(Address + ":" + std::to_string(Port));
  if (Address != kEveryAddress && !LocalAddresses.contains(Address))
    return false;
  for (const auto& [TakenAddress, TakenPort] : Taken)
    if (TakenPort == Port &&
        (TakenAddress == Address || TakenAddress == kEveryAddress || Address == kEveryAddress))
      return false;
  return true;
}
