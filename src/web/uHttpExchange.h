#pragma once

#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What the connection layer hands to the request handler: the parts of a parsed request that
// the web server reads. The views are valid during the handler call only.
struct THttpRequestHead {
  std::string_view Method;
  std::string_view Target;  // path and query, exactly as in the request line
  std::string_view Authorization;
};

// What the handler gives back. Without a body the connection layer answers with its own small
// error page for the status (a 200 without body becomes 404).
struct THttpAnswer {
  unsigned Status = 200;
  std::vector<std::pair<std::string, std::string>> ExtraHeaders;  // sent in this order
  std::string ContentType;
  // Sent from its current position to its end; released once sent.
  std::shared_ptr<std::istream> Body;
};
