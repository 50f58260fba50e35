#pragma once

#include <chrono>
#include <cstddef>

// Bounds that keep one bad or slow client from holding the server for the others.
struct THttpLimits {
  // Request line and headers together; beyond it the answer is 431 and the connection closes.
  std::size_t MaxHeaderBytes = 8 * 1024;
  // A request body is read only to be skipped; beyond this the answer is 413.
  std::size_t MaxBodyBytes = 1024 * 1024;
  // From a connection's start, or a request's first byte, to the end of that request: 408.
  std::chrono::milliseconds RequestTime{10000};
  // How long a kept-alive connection may wait for its next request.
  std::chrono::milliseconds KeepAliveIdle{15000};
  // How long sending may make no progress before the connection is dropped.
  std::chrono::milliseconds SendStall{30000};
  // Open connections; further clients wait in the listen backlog, and idle kept-alive
  // connections are closed to make room.
  std::size_t MaxConnections = 256;
};
