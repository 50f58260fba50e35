#include "platform/win32/uWin32PowerSession.h"

#include <vector>

#include "platform/win32/uWin32Library.h"
#include "platform/win32/uWin32Text.h"

namespace {

// The A functions take text in the system code page.
std::vector<char> SystemCodePageText(const std::string& Utf8) {
  const std::wstring Wide = Utf8ToWide(Utf8);
  const int Length = WideCharToMultiByte(CP_ACP, 0, Wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::vector<char> Result(static_cast<std::size_t>(Length > 0 ? Length : 1), '\0');
  if (Length > 0)
    WideCharToMultiByte(CP_ACP, 0, Wide.c_str(), -1, Result.data(), Length, nullptr, nullptr);
  return Result;
}

}  // namespace

TPrivilegeAdjustment TWin32PowerSession::AdjustTokenPrivilege(const std::string& Name,
                                                              bool Enable) {
  TPrivilegeAdjustment Outcome;
  HANDLE RawToken = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &RawToken))
    return Outcome;
  TKernelHandle Token(RawToken);
  Outcome.TokenOpened = true;

  LUID Privilege{};
  if (!LookupPrivilegeValueA(nullptr, Name.c_str(), &Privilege))
    return Outcome;
  Outcome.PrivilegeFound = true;

  TOKEN_PRIVILEGES Wanted{};
  Wanted.PrivilegeCount = 1;
  Wanted.Privileges[0].Luid = Privilege;
  Wanted.Privileges[0].Attributes = Enable ? SE_PRIVILEGE_ENABLED : 0;
  TOKEN_PRIVILEGES Previous{};
  DWORD PreviousLength = 0;
  Outcome.AdjustReturned = AdjustTokenPrivileges(Token.get(), FALSE, &Wanted, sizeof Wanted,
                                                 &Previous, &PreviousLength) != FALSE;
  Outcome.LastError = GetLastError();
  return Outcome;
}

bool TWin32PowerSession::ShutdownMachine(const std::optional<std::string>& Message,
                                         std::uint32_t TimeoutSeconds, bool ForceAppsClosed,
                                         bool RebootAfterShutdown, std::uint32_t Reason) {
  TDynamicLibrary Advapi(L"advapi32.dll");
  using TInitiate = BOOL(WINAPI*)(LPSTR, LPSTR, DWORD, BOOL, BOOL, DWORD);
  auto Initiate = Advapi.Function<TInitiate>("InitiateSystemShutdownExA");
  if (!Initiate)
    return false;
  std::vector<char> Text;
  if (Message)
    Text = SystemCodePageText(*Message);
  return Initiate(nullptr, Message ? Text.data() : nullptr, TimeoutSeconds,
                  ForceAppsClosed ? TRUE : FALSE, RebootAfterShutdown ? TRUE : FALSE,
                  Reason) != FALSE;
}

bool TWin32PowerSession::ExitWindowsEx(std::uint32_t Flags, std::uint32_t Reason) {
  TDynamicLibrary User(L"user32.dll");
  using TExitWindows = BOOL(WINAPI*)(UINT, DWORD);
  auto ExitWindowsFunction = User.Function<TExitWindows>("ExitWindowsEx");
  return ExitWindowsFunction && ExitWindowsFunction(Flags, Reason) != FALSE;
}

bool TWin32PowerSession::SetSuspendState(bool Hibernate, bool ForceCritical,
                                         bool DisableWakeEvent) {
  TDynamicLibrary PowerProfile(L"powrprof.dll");
  using TSetSuspendState = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);
  auto Suspend = PowerProfile.Function<TSetSuspendState>("SetSuspendState");
  return Suspend && Suspend(Hibernate ? TRUE : FALSE, ForceCritical ? TRUE : FALSE,
                            DisableWakeEvent ? TRUE : FALSE) != FALSE;
}

bool TWin32PowerSession::LockWorkStation() {
  TDynamicLibrary User(L"user32.dll");
  using TLockWorkStation = BOOL(WINAPI*)();
  auto Lock = User.Function<TLockWorkStation>("LockWorkStation");
  return Lock && Lock() != FALSE;
}
