#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/uMessagePoster.h"

// Texts travelling to the GUI thread inside posted window messages. A message carries a newly
// allocated string in its WParam; whoever holds the string frees it:
// - until the post succeeds the sender does, so a failed post (no window, a full queue) frees it
//   at once;
// - once posted the receiver does, by taking it back with Take.
// Every string in flight is also kept here, which gives two guarantees a bare pointer in a
// message cannot: a WParam this object never posted (any program on the desktop may post any
// number to a top-level window) or one already taken back is recognised and refused instead of
// freed; and strings whose message never arrived (the window went first) are freed with this
// object rather than leaked.
class TPostedTexts {
 public:
  TPostedTexts() = default;
  TPostedTexts(const TPostedTexts&) = delete;
  TPostedTexts& operator=(const TPostedTexts&) = delete;

  // Posts Msg with a new string holding Text as WParam and 0 as LParam. Any thread.
  bool Post(const TMessagePoster& Poster, std::uint32_t Msg, std::string Text);
  // The text a message carried, its string freed; none when WParam is not a string in flight.
  std::optional<std::string> Take(std::uintptr_t WParam);
  // Strings posted and not yet taken back.
  std::size_t InFlight() const;

 private:
  mutable std::mutex FLock;
  std::vector<std::unique_ptr<std::string>> FInFlight;
};
