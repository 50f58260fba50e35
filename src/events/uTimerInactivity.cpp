#include "events/uTimerInactivity.h"

#include <algorithm>
#include <cctype>

#include "core/uFormat.h"
#include "core/uKoException.h"
#include "events/uTimerInactivityStrings.h"
#include "platform/uEventLoop.h"

namespace {

constexpr const char* kHookLibraryExports[] = {"StartHook", "StopHook", "GetCurrentTime",
                                               "GetElapsedTime", "GetElapsedTimeEx"};

std::string UpperCase(std::string Text) {
  std::transform(Text.begin(), Text.end(), Text.begin(),
                 [](unsigned char C) { return static_cast<char>(std::toupper(C)); });
  return Text;
}

}  // namespace

std::string GetUserActivityEngineName(int Engine) {
  switch (Engine) {
    case uaeLastInputInfo:
      return ResStr(utimer::s_useractivityengine_lastinputinfo);
    case uaeLowLevelHook:
      return ResStr(utimer::s_useractivityengine_lowlevelhook);
    case uaeInjectionHook:
      return ResStr(utimer::s_useractivityengine_injectionhook);
    default:
      return {};
  }
}

TTimerInactivity::TTimerInactivity(const TKoServices& Services, std::uint8_t Method)
    : FLoop(Services.EventLoop), FInput(Services.UserInput), FMethod(Method) {
  switch (FMethod) {
    case uaeLastInputInfo:
      FStartTick = FLoop.TickCount64();
      break;
    case uaeLowLevelHook:
      FMonitor = std::make_unique<TInputActivityMonitor>(FInput);
      FMonitor->OnActivity = [this](TInputActivityMonitor&, TInputHookKind) {
        FStartTick = FLoop.TickCount64();
      };
      FMonitor->SetActive(true);
      FStartTick = FLoop.TickCount64();
      break;
    case uaeInjectionHook:
      ArmInjectionHook();
      break;
    default:
      break;
  }
}

void TTimerInactivity::ArmInjectionHook() {
  const std::string ShownName = UpperCase(kHookLibraryFileName);
  THookLibrary* Library = FInput ? FInput->HookLibrary(kHookLibraryFileName) : nullptr;
  if (!Library)
    throw EKoException(Format(ResStr(utimer::sfailedtoloadlibrary), {ShownName}));
  // A library without every export is not the one this program ships; calling into it would
  // measure nothing, so it is refused as a whole.
  for (const char* Export : kHookLibraryExports)
    if (!Library->HasExport(Export))
      throw EKoException(Format(ResStr(utimer::sfunctionnotfoundinlibrary), {Export, ShownName}));
  FLibrary = Library;
  FLibrary->StartHook();
  FStartTime = FLibrary->CurrentTime();
}

TTimerInactivity::~TTimerInactivity() {
  if (FMonitor)
    FMonitor->SetActive(false);
  if (FLibrary)
    FLibrary->StopHook();
}

std::uint32_t TTimerInactivity::InactiveSeconds() const {
  switch (FMethod) {
    case uaeLastInputInfo: {
      // Without the system's last-input time there is no telling whether the user is there, so
      // the wait never ends rather than ending while someone types.
      const auto LastInput = FInput ? FInput->LastInputTick() : std::nullopt;
      if (!LastInput)
        return 0;
      // The system reports its last input on the 32-bit clock; it is the latest moment on the
      // 64-bit clock with those low 32 bits.
      const std::uint64_t Now = FLoop.TickCount64();
      const std::uint32_t Ago = static_cast<std::uint32_t>(Now) - *LastInput;
      const std::uint64_t Input = Ago > Now ? 0 : Now - Ago;
      return static_cast<std::uint32_t>((Now - std::max(FStartTick, Input)) / 1000);
    }
    case uaeLowLevelHook:
      return static_cast<std::uint32_t>((FLoop.TickCount64() - FStartTick) / 1000);
    case uaeInjectionHook:
      return FLibrary->ElapsedTimeEx(FStartTime) / 1000;
    default:
      return 0;
  }
}
