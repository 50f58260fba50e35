#include "platform/sim/uSimSystemInformation.h"

std::uint64_t TSimSystemInformation::UpTimeMilliseconds() {
  std::lock_guard Guard(FLock);
  return FUpTime;
}

std::optional<std::string> TSimSystemInformation::UserName() {
  std::lock_guard Guard(FLock);
  return FUserName;
}

void TSimSystemInformation::SetUpTime(std::uint64_t Milliseconds) {
  std::lock_guard Guard(FLock);
  FUpTime = Milliseconds;
}

void TSimSystemInformation::SetUserName(std::optional<std::string> Name) {
  std::lock_guard Guard(FLock);
  FUserName = std::move(Name);
}
