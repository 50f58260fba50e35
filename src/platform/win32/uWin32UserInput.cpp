#include "platform/win32/uWin32UserInput.h"

#include <array>
#include <type_traits>

#include "idlehook/uIdleHookExports.h"
#include "platform/win32/uWin32Text.h"

namespace {

using THookHandle = std::unique_ptr<std::remove_pointer_t<HHOOK>,
                                    TWin32HandleDeleter<HHOOK, ::UnhookWindowsHookEx>>;

// A low-level hook procedure has no context argument, so each kind's live hook is found here.
// Low-level hooks run on the installing thread only, which keeps these slots single-threaded.
class TWin32InputHook;
std::array<TWin32InputHook*, 2> LiveHooks{};

class TWin32InputHook : public TInputHook {
 public:
  TWin32InputHook(TInputHookKind Kind, std::function<void()> OnInput)
      : FKind(Kind), FOnInput(std::move(OnInput)) {}
  ~TWin32InputHook() override {
    if (LiveHooks[Slot()] == this)
      LiveHooks[Slot()] = nullptr;
  }

  bool Install() {
    if (LiveHooks[Slot()])
      return false;
    const bool Keyboard = FKind == TInputHookKind::Keyboard;
    FHook.reset(SetWindowsHookExW(Keyboard ? WH_KEYBOARD_LL : WH_MOUSE_LL,
                                  Keyboard ? KeyboardProc : MouseProc, GetModuleHandleW(nullptr),
                                  0));
    if (!FHook)
      return false;
    LiveHooks[Slot()] = this;
    return true;
  }

 private:
  std::size_t Slot() const { return static_cast<std::size_t>(FKind); }

  static LRESULT Deliver(TInputHookKind Kind, int Code, WPARAM WParam, LPARAM LParam) noexcept {
    if (Code >= 0) {
      if (TWin32InputHook* Hook = LiveHooks[static_cast<std::size_t>(Kind)]) {
        // Nothing may unwind into the system's hook chain.
        try {
          Hook->FOnInput();
        } catch (...) {
        }
      }
    }
    return CallNextHookEx(nullptr, Code, WParam, LParam);
  }
  static LRESULT CALLBACK KeyboardProc(int Code, WPARAM WParam, LPARAM LParam) noexcept {
    return Deliver(TInputHookKind::Keyboard, Code, WParam, LParam);
  }
  static LRESULT CALLBACK MouseProc(int Code, WPARAM WParam, LPARAM LParam) noexcept {
    return Deliver(TInputHookKind::Mouse, Code, WParam, LParam);
  }

  TInputHookKind FKind;
  std::function<void()> FOnInput;
  THookHandle FHook;
};

class TWin32HookLibrary : public THookLibrary {
 public:
  explicit TWin32HookLibrary(HMODULE Module) : FModule(Module) {
    FStartHook = Bind<TStartHookFunction>("StartHook");
    FStopHook = Bind<TStopHookFunction>("StopHook");
    FGetCurrentTime = Bind<TGetCurrentTimeFunction>("GetCurrentTime");
    FGetElapsedTime = Bind<TGetElapsedTimeFunction>("GetElapsedTime");
    FGetElapsedTimeEx = Bind<TGetElapsedTimeExFunction>("GetElapsedTimeEx");
  }

  bool HasExport(std::string_view Name) const override {
    if (Name == "StartHook")
      return FStartHook;
    if (Name == "StopHook")
      return FStopHook;
    if (Name == "GetCurrentTime")
      return FGetCurrentTime;
    if (Name == "GetElapsedTime")
      return FGetElapsedTime;
    if (Name == "GetElapsedTimeEx")
      return FGetElapsedTimeEx;
    return false;
  }
  void StartHook() override {
    if (FStartHook)
      FStartHook();
  }
  void StopHook() override {
    if (FStopHook)
      FStopHook();
  }
  std::uint32_t CurrentTime() override { return FGetCurrentTime ? FGetCurrentTime() : 0; }
  std::uint32_t ElapsedTime() override { return FGetElapsedTime ? FGetElapsedTime() : 0; }
  std::uint32_t ElapsedTimeEx(std::uint32_t StartTime) override {
    return FGetElapsedTimeEx ? FGetElapsedTimeEx(StartTime) : 0;
  }

 private:
  template <typename TFunction>
  TFunction Bind(const char* Name) const {
    return reinterpret_cast<TFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(FModule.get(), Name)));
  }

  TModuleHandle FModule;
  TStartHookFunction FStartHook = nullptr;
  TStopHookFunction FStopHook = nullptr;
  TGetCurrentTimeFunction FGetCurrentTime = nullptr;
  TGetElapsedTimeFunction FGetElapsedTime = nullptr;
  TGetElapsedTimeExFunction FGetElapsedTimeEx = nullptr;
};

}  // namespace

TWin32UserInput::TWin32UserInput() = default;

// The hook libraries are unloaded here, after every measurement stopped its hooks.
TWin32UserInput::~TWin32UserInput() = default;

std::optional<std::uint32_t> TWin32UserInput::LastInputTick() {
  if (!FUser32) {
    FUser32 = std::make_unique<TDynamicLibrary>(L"user32.dll");
    FGetLastInputInfo = FUser32->Function<TGetLastInputInfo>("GetLastInputInfo");
  }
  if (!FGetLastInputInfo)
    return std::nullopt;
  LASTINPUTINFO Info{};
  Info.cbSize = sizeof Info;
  if (!FGetLastInputInfo(&Info))
    return std::nullopt;
  return Info.dwTime;
}

std::unique_ptr<TInputHook> TWin32UserInput::InstallHook(TInputHookKind Kind,
                                                         std::function<void()> OnInput) {
  auto Hook = std::make_unique<TWin32InputHook>(Kind, std::move(OnInput));
  if (!Hook->Install())
    return nullptr;
  return Hook;
}

THookLibrary* TWin32UserInput::HookLibrary(const std::string& FileName) {
  if (auto It = FLibraries.find(FileName); It != FLibraries.end())
    return It->second.get();
  // A bare file name goes through the normal search, which starts in the program's own folder.
  HMODULE Module = LoadLibraryW(Utf8ToWide(FileName).c_str());
  if (!Module)
    return nullptr;
  auto& Library = FLibraries[FileName];
  Library = std::make_unique<TWin32HookLibrary>(Module);
  return Library.get();
}
