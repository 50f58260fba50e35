#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the web interface's information page tells about the machine. Adapters keep no state, so
// the serving thread may ask while the GUI thread runs.
class TSystemInformation {
 public:
  virtual ~TSystemInformation() = default;
  // Milliseconds since the system started, on a count that does not wrap.
  virtual std::uint64_t UpTimeMilliseconds() = 0;
  // The name of the user this program runs as; none when the system cannot say.
  virtual std::optional<std::string> UserName() = 0;
};
