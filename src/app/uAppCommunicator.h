#pragma once

#include <functional>
#include <string>

#include "core/uKoException.h"
#include "platform/uInstanceChannel.h"

// Tells whether this process is the first running instance in the user's session (the master)
// or a later one (a slave), and carries a slave's texts to the master's OnMessage on its GUI
// thread. The program uses it to wake the first instance when "AppOnlyOneInstance" ends a
// second one.
class TAppCommunicator {
 public:
  explicit TAppCommunicator(TInstanceChannel& Channel) : FChannel(Channel) {}

  // Takes the channel when nobody holds it (master), else stays a slave of its holder. The
  // program's channels are session-wide whatever Global says; the flag is kept for callers.
  void Start(const std::string& ChannelName, bool Global);

  bool IsMaster() const { return FIsMaster; }
  const std::string& ChannelName() const { return FChannelName; }

  // Only a slave sends; the master raises EKoException. False when the master did not answer.
  bool Send(const std::string& Text);

  std::function<void(const std::string& Text)> OnMessage;

 private:
  TInstanceChannel& FChannel;
  std::string FChannelName;
  bool FIsMaster = false;
};

// The program's own channel name.
inline constexpr char kKolvaneChannelName[] =
    "Tulmo/Kolvane/{EEC56D33-3932-4075-95FC-76D4B20EC972}";
