#include "platform/sim/uSimWindowSystem.h"

#include <algorithm>
#include <cstdio>

#include "platform/sim/uSimMachine.h"

namespace {

constexpr std::uint32_t kClose = 0x0010;
constexpr std::uint32_t kQuit = 0x0012;

std::string MessageName(std::uint32_t Msg) {
  if (Msg == kClose)
    return "WM_CLOSE";
  if (Msg == kQuit)
    return "WM_QUIT";
  char Buffer[16];
  std::snprintf(Buffer, sizeof Buffer, "0x%04X", Msg);
  return Buffer;
}

// FindWindowW compares titles and class names without regard to case.
bool SameAsciiCase(const std::string& A, const std::string& B) {
  return std::equal(A.begin(), A.end(), B.begin(), B.end(), [](char X, char Y) {
    auto Lower = [](char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C + 32) : C; };
    return Lower(X) == Lower(Y);
  });
}

}  // namespace

std::vector<TTopLevelWindow> TSimWindowSystem::EnumTopLevelWindows() {
  std::vector<TTopLevelWindow> Result;
  for (const auto& Window : FMachine.WindowList)
    Result.push_back({Window.Window, Window.Visible, Window.ToolWindow});
  return Result;
}

std::string TSimWindowSystem::SendGetText(TWindowId Window) {
  auto Entry = FMachine.FindWindow(Window);
  return Entry ? Entry->Title : std::string();
}

std::optional<std::string> TSimWindowSystem::SendGetTextTimeout(TWindowId Window, std::uint32_t) {
  auto Entry = FMachine.FindWindow(Window);
  if (!Entry || Entry->Hung)
    return std::nullopt;
  return Entry->Title;
}

std::string TSimWindowSystem::ReadWindowText(TWindowId Window) {
  return SendGetText(Window);
}

TWindowId TSimWindowSystem::FindWindowByExactTitle(const std::string& Title) {
  for (const auto& Window : FMachine.WindowList)
    if (SameAsciiCase(Window.Title, Title))
      return Window.Window;
  return 0;
}

TWindowId TSimWindowSystem::FindWindowByClass(const std::string& ClassName) {
  for (const auto& Window : FMachine.WindowList)
    if (!Window.ClassName.empty() && SameAsciiCase(Window.ClassName, ClassName))
      return Window.Window;
  return 0;
}

bool TSimWindowSystem::PostMessage(TWindowId Window, std::uint32_t Msg, std::uintptr_t,
                                   std::intptr_t) {
  auto Entry = FMachine.FindWindow(Window);
  if (!Entry)
    return false;
  FMachine.Record("PostMessageW \"" + (Entry->Title.empty() ? Entry->ClassName : Entry->Title) +
                  "\" " + MessageName(Msg));
  if (Msg == kClose || Msg == kQuit) {
    std::erase_if(FMachine.WindowList, [&](const auto& Other) { return Other.Window == Window; });
  }
  return true;
}

std::optional<std::intptr_t> TSimWindowSystem::SendMessageTimeout(TWindowId Window,
                                                                  std::uint32_t Msg,
                                                                  std::uintptr_t WParam,
                                                                  std::intptr_t LParam,
                                                                  std::uint32_t) {
  auto Entry = FMachine.FindWindow(Window);
  if (!Entry || Entry->Hung)
    return std::nullopt;
  // Messages a window does not handle get DefWindowProc's answer to private messages: 0.
  return Entry->OnMessage ? Entry->OnMessage(Msg, WParam, LParam) : 0;
}

std::uint32_t TSimWindowSystem::WindowProcessId(TWindowId Window) {
  auto Entry = FMachine.FindWindow(Window);
  return Entry ? Entry->ProcessId : 0;
}
