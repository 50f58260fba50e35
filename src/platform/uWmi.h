#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/uKoException.h"

// A failure of the WMI service or of the automation layer under it; the message says which call
// failed and why.
class EWmiError : public EKoException {
 public:
  using EKoException::EKoException;
};

// The requested properties of one object of a query result, in the order asked for, as the
// automation layer renders them in text (WMI delivers 64-bit numbers as text anyway); none for a
// null property.
using TWmiRow = std::vector<std::optional<std::string>>;

// One namespace of the WMI service, connected.
class TWmiServices {
 public:
  virtual ~TWmiServices() = default;
  // Runs a WQL query with a forward-only enumerator and reads the properties of at most MaxRows
  // objects. Raises EWmiError.
  virtual std::vector<TWmiRow> ExecQuery(std::string_view Wql,
                                         const std::vector<std::string>& Properties,
                                         std::size_t MaxRows) = 0;
};

// The WMI locator ("WbemScripting.SWbemLocator" or its native twin).
class TWmiLocator {
 public:
  virtual ~TWmiLocator() = default;
  // Connects to a namespace of a server with the caller's credentials. Raises EWmiError.
  virtual std::unique_ptr<TWmiServices> ConnectServer(std::string_view Server,
                                                      std::string_view Namespace) = 0;
};
