#pragma once

#include "platform/uWmi.h"

// WMI through its native COM interfaces (IWbemLocator, IWbemServices), on the calling thread;
// each connection keeps COM initialised for that thread while it lives.
class TWin32WmiLocator : public TWmiLocator {
 public:
  std::unique_ptr<TWmiServices> ConnectServer(std::string_view Server,
                                              std::string_view Namespace) override;
};
