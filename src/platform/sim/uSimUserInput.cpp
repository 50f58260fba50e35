#include "platform/sim/uSimUserInput.h"

#include <vector>

#include "idlehook/uIdleTime.h"

class TSimUserInput::TSimHook : public TInputHook {
 public:
  TSimHook(TSimUserInput& Owner, std::uint64_t Id) : FOwner(Owner), FId(Id) {}
  ~TSimHook() override { FOwner.FHooks.erase(FId); }

 private:
  TSimUserInput& FOwner;
  std::uint64_t FId;
};

// The contract of the shipped hook library on the virtual clock: it sees input only while at
// least one of its hooks runs.
class TSimHookLibrary : public THookLibrary {
 public:
  explicit TSimHookLibrary(TSimUserInput& Owner) : FOwner(Owner) {}

  bool HasExport(std::string_view Name) const override {
    return !FOwner.MissingExports.contains(std::string(Name));
  }
  void StartHook() override {
    if (!HasExport("StartHook"))
      return;
    ++FOwner.StartHookCalls;
    ++FRunning;
  }
  void StopHook() override {
    if (!HasExport("StopHook"))
      return;
    ++FOwner.StopHookCalls;
    if (FRunning > 0)
      --FRunning;
  }
  std::uint32_t CurrentTime() override { return HasExport("GetCurrentTime") ? Now() : 0; }
  std::uint32_t ElapsedTime() override {
    return HasExport("GetElapsedTime") ? IdleMilliseconds(Now(), 0, FLastSeen) : 0;
  }
  std::uint32_t ElapsedTimeEx(std::uint32_t StartTime) override {
    return HasExport("GetElapsedTimeEx") ? IdleMilliseconds(Now(), StartTime, FLastSeen) : 0;
  }

  void Input() {
    if (FRunning > 0)
      FLastSeen = Now();
  }

 private:
  std::uint32_t Now() const { return FOwner.FLoop.TickCount32() + FOwner.HookLibraryClockOffset; }

  TSimUserInput& FOwner;
  int FRunning = 0;
  std::optional<std::uint32_t> FLastSeen;
};

TSimUserInput::TSimUserInput(TSimEventLoop& Loop) : FLoop(Loop), FLastInput(Loop.TickCount32()) {}

TSimUserInput::~TSimUserInput() = default;

std::optional<std::uint32_t> TSimUserInput::LastInputTick() {
  if (!LastInputAvailable)
    return std::nullopt;
  return FLastInput;
}

std::unique_ptr<TInputHook> TSimUserInput::InstallHook(TInputHookKind Kind,
                                                       std::function<void()> OnInput) {
  if (!HooksInstall)
    return nullptr;
  const std::uint64_t Id = FNextHook++;
  FHooks[Id] = {Kind, std::move(OnInput)};
  return std::make_unique<TSimHook>(*this, Id);
}

THookLibrary* TSimUserInput::HookLibrary(const std::string&) {
  if (!FLibrary) {
    if (!HookLibraryPresent)
      return nullptr;
    ++HookLibraryLoads;
    FLibrary = std::make_unique<TSimHookLibrary>(*this);
  }
  return FLibrary.get();
}

void TSimUserInput::Input(TInputHookKind Kind) {
  FLastInput = FLoop.TickCount32();
  // A hook's handler may remove hooks; call copies of the matching ones.
  std::vector<std::function<void()>> Handlers;
  for (const auto& [Id, Hook] : FHooks)
    if (Hook.first == Kind)
      Handlers.push_back(Hook.second);
  for (const auto& Handler : Handlers)
    Handler();
  if (FLibrary)
    FLibrary->Input();
}
