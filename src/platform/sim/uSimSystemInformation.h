#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "platform/uSystemInformation.h"

// A machine whose up time and user the test sets. Set from the test's thread and read from the
// web interface's serving thread, hence the lock.
class TSimSystemInformation : public TSystemInformation {
 public:
  std::uint64_t UpTimeMilliseconds() override;
  std::optional<std::string> UserName() override;

  void SetUpTime(std::uint64_t Milliseconds);
  void SetUserName(std::optional<std::string> Name);

 private:
  std::mutex FLock;
  std::uint64_t FUpTime = 0;
  std::optional<std::string> FUserName = "tester";
};
