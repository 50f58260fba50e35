#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/uPingSystem.h"

class TWindowMessenger;

// How long a ping waits for its reply.
inline constexpr std::uint32_t kPingTimeoutMs = 4000;

// Whether a text can name a host at all: dot-separated labels of letters, digits, "-" and "_"
// (dotted addresses are such labels too). Anything else would only be handed to the resolver
// to fail, perhaps after asking a name server about it, so it is refused before that.
bool IsValidHostName(std::string_view Host);

// Pings a host once: resolves it anew (leading and trailing blanks ignored), sends 32 bytes of
// "A" and waits up to Timeout. The round-trip time in milliseconds, or -1 when the host does not
// resolve, does not answer in time or answers with an error. A blank host never answers.
std::int32_t PingHost(TPingSystem& Ping, std::string_view Host, std::uint32_t TimeoutMs);

// Where ping workers hand their results over to the event that started them: a message posted
// to the event's messenger, while the event lives. The event and its workers share the channel;
// the event closes it before its messenger goes, and from then on results are dropped, so a
// worker that outlives its event touches nothing of it.
class TPingResultChannel {
 public:
  explicit TPingResultChannel(TWindowMessenger& Messenger) : FMessenger(&Messenger) {}
  TPingResultChannel(const TPingResultChannel&) = delete;
  TPingResultChannel& operator=(const TPingResultChannel&) = delete;

  // GUI thread: a worker is about to start and will report once.
  void WorkerStarting() { FInFlight.fetch_add(1, std::memory_order_relaxed); }
  // Any thread, once per started worker: posts WM_PING_RESULT with the round-trip time (-1 for
  // none) as wParam and 0 as lParam. False when the channel is closed or the post failed.
  bool Report(std::int32_t RoundTripTime);
  // GUI thread, before the messenger is destroyed. Returns once no report is being posted.
  void Close();

  // Workers started that have not reported yet.
  std::size_t InFlight() const { return FInFlight.load(std::memory_order_acquire); }

 private:
  // Held only while a report is posted, so Close waits at most for one PostMessage.
  std::mutex FLock;
  TWindowMessenger* FMessenger;
  std::atomic<std::size_t> FInFlight{0};
};

// One echo request on a thread of its own, which frees the object when it is done. It touches
// only its own fields, the shared ping port and the shared result channel.
class TPingThread {
 public:
  TPingThread(std::shared_ptr<TPingSystem> Ping, std::shared_ptr<TPingResultChannel> Messenger);

  std::uint32_t Timeout = kPingTimeoutMs;
  std::int32_t RoundTripTime = -1;
  std::string Host;

  // Runs the request on a new thread. When the system cannot make one, the ping counts as
  // failed and is reported at once.
  static void Start(std::unique_ptr<TPingThread> Thread);

 private:
  void Execute() noexcept;

  // The channel goes last, so a closed channel with no owner left means no worker holds the
  // port either.
  std::shared_ptr<TPingResultChannel> FMessenger;
  std::shared_ptr<TPingSystem> FPing;
};
