#pragma once

#include <functional>
#include <string>

// A named channel in the user's session through which a later instance of the program reaches
// the first one. The first process to claim a name holds it until it ends.
class TInstanceChannel {
 public:
  using TMessageHandler = std::function<void(const std::string& Text)>;

  virtual ~TInstanceChannel() = default;
  // Claims Name for this process: true when no other process of the session holds it; then
  // texts sent to the name reach OnMessage, complete and in order, on this thread.
  virtual bool Claim(const std::string& Name, TMessageHandler OnMessage) = 0;
  // Delivers Text to the holder of Name; false when there is none or it does not answer.
  virtual bool Send(const std::string& Name, const std::string& Text) = 0;
};
