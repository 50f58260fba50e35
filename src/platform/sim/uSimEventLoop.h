#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/uEventLoop.h"

// The GUI thread's loop in virtual time, for native tests. Nothing happens until the test calls
// Advance or ProcessMessages on the loop's thread; then posted messages are delivered in the
// order they were posted and due timers fire in the order of their due times, so a ten-minute
// countdown runs in microseconds and every run is the same.
//
// Posting is safe from any thread. Everything else belongs to the thread that made the loop.
class TSimEventLoop : public TEventLoop {
 public:
  TSimEventLoop();
  ~TSimEventLoop() override;

  std::uint32_t TickCount32() override;
  std::uint64_t TickCount64() override;
  TDateTime Now() override;
  std::unique_ptr<TLoopTimer> CreateTimer(std::function<void()> OnTick) override;
  std::unique_ptr<TMessageWindow> CreateMessageWindow(TWindowMessageHandler Handler) override;
  void ProcessMessages() override;
  // Virtual time moves on by Milliseconds, exactly as Advance does.
  bool Wait(std::uint32_t Milliseconds) override;

  // Moves virtual time on by Milliseconds, delivering posted messages and firing timers as
  // they fall due. Timers fire only when no posted message waits, as on Windows.
  void Advance(std::uint64_t Milliseconds);

  // Sets the clocks without running anything: the tick count (for example just before the 32-bit
  // wrap) and the local date and time that goes with the current tick.
  void SetTickCount64(std::uint64_t Tick);
  void SetNow(TDateTime Moment);

  // The next window made fails, as when the system runs out of window handles.
  void FailNextWindow() { FFailNextWindow = true; }

  // Sends a message at once to every message window, as a system broadcast does.
  void Broadcast(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam);

  std::size_t PendingMessageCount();
  std::size_t ArmedTimerCount() const;

 private:
  class TSimTimer;
  class TSimWindow;
  struct TTimerSlot {
    std::function<void()> OnTick;
    std::uint32_t Interval = 0;
    std::uint64_t Due = 0;
    std::uint64_t ArmOrder = 0;
    bool Armed = false;
  };
  struct TPosted {
    std::uint64_t Window;
    TWindowMessage Message;
  };

  bool DeliverOnePosted();
  void DeliverPosted();
  void Dispatch(std::uint64_t Window, TWindowMessage Message);
  void Guard(const std::function<void()>& Call);

  std::uint64_t FTick = 0;
  TDateTime FNowAtTick0;
  std::uint64_t FNextId = 1;
  std::uint64_t FArmCounter = 0;
  bool FFailNextWindow = false;
  std::map<std::uint64_t, TTimerSlot> FTimers;
  std::map<std::uint64_t, std::shared_ptr<TWindowMessageHandler>> FWindows;

  std::mutex FQueueLock;  // guards FQueue and FLiveWindows, which other threads reach by posting
  std::deque<TPosted> FQueue;
  std::map<std::uint64_t, bool> FLiveWindows;
};
