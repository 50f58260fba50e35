#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The two kinds of low-level input hooks; the values are the kinds input monitors report.
enum class TInputHookKind : std::uint8_t { Keyboard = 0, Mouse = 1 };

// An installed low-level hook; removed when the object goes.
class TInputHook {
 public:
  virtual ~TInputHook() = default;
};

// The hook library that watches input for the whole session on its own. Its five exports are
// bound by name when it loads; calling one that was not found does nothing and returns 0, so the
// caller decides with HasExport whether the library is usable.
class THookLibrary {
 public:
  virtual ~THookLibrary() = default;
  virtual bool HasExport(std::string_view Name) const = 0;
  virtual void StartHook() = 0;
  virtual void StopHook() = 0;
  // The library's own millisecond clock.
  virtual std::uint32_t CurrentTime() = 0;
  virtual std::uint32_t ElapsedTime() = 0;
  // Milliseconds since the last input the library saw, not counting time before StartTime.
  virtual std::uint32_t ElapsedTimeEx(std::uint32_t StartTime) = 0;
};

// What the inactivity measurements need of the system's input handling.
class TUserInput {
 public:
  virtual ~TUserInput() = default;

  // The 32-bit tick count of the session's last input (GetLastInputInfo, bound by name on first
  // use); none when the function is missing or fails.
  virtual std::optional<std::uint32_t> LastInputTick() = 0;

  // A low-level hook for all threads of the desktop. OnInput runs on the installing thread, which
  // must run a message loop, once for every key or mouse event. None when the system refuses.
  virtual std::unique_ptr<TInputHook> InstallHook(TInputHookKind Kind,
                                                  std::function<void()> OnInput) = 0;

  // The library of that file name, loaded through the normal search (the program's own folder
  // first) on first use and kept until the port goes. None when it cannot be loaded; a later
  // call tries again.
  virtual THookLibrary* HookLibrary(const std::string& FileName) = 0;
};
