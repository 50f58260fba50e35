#include "platform/sim/uSimEventLoop.h"

class TSimEventLoop::TSimTimer : public TLoopTimer {
 public:
  TSimTimer(TSimEventLoop& Loop, std::uint64_t Id) : FLoop(Loop), FId(Id) {}
  ~TSimTimer() override { FLoop.FTimers.erase(FId); }
  void Arm(std::uint32_t IntervalMs) override {
    auto& Slot = FLoop.FTimers.at(FId);
    Slot.Interval = IntervalMs == 0 ? 1 : IntervalMs;
    Slot.Due = FLoop.FTick + Slot.Interval;
    Slot.ArmOrder = ++FLoop.FArmCounter;
    Slot.Armed = true;
  }
  void Disarm() override { FLoop.FTimers.at(FId).Armed = false; }

 private:
  TSimEventLoop& FLoop;
  std::uint64_t FId;
};

class TSimEventLoop::TSimWindow : public TMessageWindow {
 public:
  TSimWindow(TSimEventLoop& Loop, std::uint64_t Id) : FLoop(Loop), FId(Id) {}
  ~TSimWindow() override {
    std::lock_guard Lock(FLoop.FQueueLock);
    FLoop.FLiveWindows.erase(FId);
    FLoop.FWindows.erase(FId);
  }
  bool Post(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) override {
    std::lock_guard Lock(FLoop.FQueueLock);
    if (!FLoop.FLiveWindows.contains(FId))
      return false;
    FLoop.FQueue.push_back({FId, TWindowMessage{Msg, WParam, LParam}});
    return true;
  }
  std::uintptr_t Handle() const override { return static_cast<std::uintptr_t>(FId); }

 private:
  TSimEventLoop& FLoop;
  std::uint64_t FId;
};

TSimEventLoop::TSimEventLoop() : FNowAtTick0(MakeDateTime(2026, 1, 5, 12, 0, 0)) {}

TSimEventLoop::~TSimEventLoop() = default;

std::uint32_t TSimEventLoop::TickCount32() {
  return static_cast<std::uint32_t>(FTick);
}

std::uint64_t TSimEventLoop::TickCount64() {
  return FTick;
}

TDateTime TSimEventLoop::Now() {
  return FNowAtTick0 + std::chrono::milliseconds(FTick);
}

void TSimEventLoop::SetTickCount64(std::uint64_t Tick) {
  // Armed timers keep the time they have left.
  TDateTime Current = Now();
  for (auto& [Id, Slot] : FTimers)
    Slot.Due = Slot.Due - FTick + Tick;
  FTick = Tick;
  SetNow(Current);
}

void TSimEventLoop::SetNow(TDateTime Moment) {
  FNowAtTick0 = Moment - std::chrono::milliseconds(FTick);
}

std::unique_ptr<TLoopTimer> TSimEventLoop::CreateTimer(std::function<void()> OnTick) {
  std::uint64_t Id = FNextId++;
  FTimers[Id].OnTick = std::move(OnTick);
  return std::make_unique<TSimTimer>(*this, Id);
}

std::unique_ptr<TMessageWindow> TSimEventLoop::CreateMessageWindow(TWindowMessageHandler Handler) {
  if (FFailNextWindow) {
    FFailNextWindow = false;
    return nullptr;
  }
  std::uint64_t Id = FNextId++;
  std::lock_guard Lock(FQueueLock);
  FWindows[Id] = std::make_shared<TWindowMessageHandler>(std::move(Handler));
  FLiveWindows[Id] = true;
  return std::make_unique<TSimWindow>(*this, Id);
}

void TSimEventLoop::ProcessMessages() {
  DeliverPosted();
}

bool TSimEventLoop::Wait(std::uint32_t Milliseconds) {
  Advance(Milliseconds);
  return true;
}

void TSimEventLoop::Advance(std::uint64_t Milliseconds) {
  const std::uint64_t Target = FTick + Milliseconds;
  for (;;) {
    DeliverPosted();
    const TTimerSlot* Next = nullptr;
    std::uint64_t NextId = 0;
    for (const auto& [Id, Slot] : FTimers) {
      if (!Slot.Armed || Slot.Due > Target)
        continue;
      if (!Next || Slot.Due < Next->Due ||
          (Slot.Due == Next->Due && Slot.ArmOrder < Next->ArmOrder)) {
        Next = &Slot;
        NextId = Id;
      }
    }
    if (!Next)
      break;
    FTick = Next->Due;
    auto& Slot = FTimers.at(NextId);
    Slot.Due += Slot.Interval;
    Slot.ArmOrder = ++FArmCounter;
    // The handler may disarm or destroy its own timer; keep the callable alive for the call.
    auto OnTick = Slot.OnTick;
    Guard(OnTick);
  }
  // A handler that waited (a nested Advance) may have moved the clock past Target already.
  if (FTick < Target) FTick = Target;
  DeliverPosted();
}

void TSimEventLoop::Broadcast(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) {
  std::vector<std::uint64_t> Ids;
  for (const auto& [Id, Handler] : FWindows)
    Ids.push_back(Id);
  for (auto Id : Ids)
    Dispatch(Id, TWindowMessage{Msg, WParam, LParam});
}

std::size_t TSimEventLoop::PendingMessageCount() {
  std::lock_guard Lock(FQueueLock);
  return FQueue.size();
}

std::size_t TSimEventLoop::ArmedTimerCount() const {
  std::size_t Count = 0;
  for (const auto& [Id, Slot] : FTimers)
    Count += Slot.Armed ? 1 : 0;
  return Count;
}

bool TSimEventLoop::DeliverOnePosted() {
  TPosted Next;
  {
    std::lock_guard Lock(FQueueLock);
    if (FQueue.empty())
      return false;
    Next = FQueue.front();
    FQueue.pop_front();
  }
  Dispatch(Next.Window, Next.Message);
  return true;
}

void TSimEventLoop::DeliverPosted() {
  while (DeliverOnePosted()) {
  }
}

void TSimEventLoop::Dispatch(std::uint64_t Window, TWindowMessage Message) {
  std::shared_ptr<TWindowMessageHandler> Handler;
  {
    std::lock_guard Lock(FQueueLock);
    auto It = FWindows.find(Window);
    if (It == FWindows.end())
      return;
    Handler = It->second;
  }
  Guard([&] { (*Handler)(Message); });
}

void TSimEventLoop::Guard(const std::function<void()>& Call) {
  if (!FOnException) {
    Call();
    return;
  }
  try {
    Call();
  } catch (...) {
    FOnException(std::current_exception());
  }
}
