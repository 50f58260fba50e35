#include "events/uPing.h"

#include <array>
#include <limits>

#include "core/uStringUtils.h"
#include "core/uWindowMessages.h"
#include "core/uWindowMessenger.h"
#include "platform/uDetachedThread.h"

namespace {

constexpr std::size_t kEchoDataSize = 32;
constexpr std::size_t kLongestHostName = 253;
constexpr std::size_t kLongestLabel = 63;

bool IsHostNameCharacter(char C) {
  return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') || C == '-' ||
         C == '_';
}

}  // namespace

bool IsValidHostName(std::string_view Host) {
  // One trailing dot names the root, as in "example.org."
  if (Host.ends_with('.'))
    Host.remove_suffix(1);
  if (Host.empty() || Host.size() > kLongestHostName)
    return false;
  std::size_t LabelLength = 0;
  for (char C : Host) {
    if (C == '.') {
      if (LabelLength == 0)
        return false;
      LabelLength = 0;
    } else if (!IsHostNameCharacter(C) || ++LabelLength > kLongestLabel) {
      return false;
    }
  }
  return LabelLength > 0;
}

std::int32_t PingHost(TPingSystem& Ping, std::string_view Host, std::uint32_t TimeoutMs) {
  // An empty name would resolve to this machine's own address, and a malformed one may still
  // cause a name server query: neither can answer for the host the user meant.
  const std::string Name(TrimBlanks(Host));
  if (!IsValidHostName(Name))
    return -1;
  const auto Address = Ping.ResolveHostAddress(Name);
  if (!Address)
    return -1;
  std::array<std::uint8_t, kEchoDataSize> Data;
  Data.fill('A');
  const auto Reply = Ping.SendEcho(*Address, Data, TimeoutMs);
  if (!Reply || Reply->Status != 0)
    return -1;
  return Reply->RoundTripTime > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())
             ? std::numeric_limits<std::int32_t>::max()
             : static_cast<std::int32_t>(Reply->RoundTripTime);
}

bool TPingResultChannel::Report(std::int32_t RoundTripTime) {
  bool Posted = false;
  {
    std::lock_guard Lock(FLock);
    try {
      if (FMessenger)
        Posted = FMessenger->PostMessage(
            WM_PING_RESULT, static_cast<std::uintptr_t>(std::intptr_t{RoundTripTime}), 0);
    } catch (...) {
      // A post that could not be queued is a lost result, like a post to a full queue.
    }
  }
  FInFlight.fetch_sub(1, std::memory_order_release);
  return Posted;
}

void TPingResultChannel::Close() {
  std::lock_guard Lock(FLock);
  FMessenger = nullptr;
}

TPingThread::TPingThread(std::shared_ptr<TPingSystem> Ping,
                         std::shared_ptr<TPingResultChannel> Messenger)
    : FMessenger(std::move(Messenger)), FPing(std::move(Ping)) {}

void TPingThread::Start(std::unique_ptr<TPingThread> Thread) {
  const std::shared_ptr<TPingResultChannel> Channel = Thread->FMessenger;
  Channel->WorkerStarting();
  // The work owns the object; a function object must be copyable, hence the shared pointer.
  std::shared_ptr<TPingThread> Self = std::move(Thread);
  if (!StartDetachedThread([Self] { Self->Execute(); }))
    Channel->Report(-1);
}

void TPingThread::Execute() noexcept {
  try {
    RoundTripTime = PingHost(*FPing, Host, Timeout);
  } catch (...) {
    RoundTripTime = -1;
  }
  FMessenger->Report(RoundTripTime);
}
