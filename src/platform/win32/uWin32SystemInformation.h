#pragma once

#include "platform/uSystemInformation.h"

// GetTickCount64 and GetUserNameW.
class TWin32SystemInformation : public TSystemInformation {
 public:
  std::uint64_t UpTimeMilliseconds() override;
  std::optional<std::string> UserName() override;
};
