#include "platform/win32/uWin32Processes.h"

#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32Text.h"

#include <tlhelp32.h>

std::optional<std::vector<TProcessEntry>> TWin32Processes::Snapshot() {
  HANDLE RawSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (RawSnapshot == INVALID_HANDLE_VALUE)
    return std::nullopt;
  TKernelHandle Snapshot(RawSnapshot);

  std::vector<TProcessEntry> Entries;
  PROCESSENTRY32W Entry{};
  Entry.dwSize = sizeof Entry;
  for (BOOL More = Process32FirstW(Snapshot.get(), &Entry); More;
       More = Process32NextW(Snapshot.get(), &Entry)) {
    const std::size_t Length = wcsnlen(Entry.szExeFile, MAX_PATH - 1);
    Entries.push_back({Entry.th32ProcessID, WideToUtf8({Entry.szExeFile, Length})});
  }
  return Entries;
}

bool TWin32Processes::Terminate(std::uint32_t ProcessId, std::uint32_t ExitCode) {
  TKernelHandle Process(OpenProcess(PROCESS_TERMINATE, FALSE, ProcessId));
  if (!Process)
    return false;
  return TerminateProcess(Process.get(), ExitCode) != FALSE;
}

TLaunchResult TWin32Processes::Launch(const TLaunchRequest& Request) {
  // CreateProcessW may write into the command line, so it gets a copy it owns.
  std::wstring CommandLine = Utf8ToWide(Request.CommandLine);
  const std::wstring Directory = Utf8ToWide(Request.WorkingDirectory);
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Started{};
  if (!CreateProcessW(nullptr, CommandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_PROCESS_GROUP, nullptr,
                      Directory.empty() ? nullptr : Directory.c_str(), &Startup, &Started))
    return {false, GetLastError(), 0};
  TKernelHandle Process(Started.hProcess);
  TKernelHandle Thread(Started.hThread);

  TLaunchResult Result{true, 0, 0};
  if (Request.Wait) {
    WaitForSingleObject(Process.get(), INFINITE);
    DWORD ExitCode = 0;
    GetExitCodeProcess(Process.get(), &ExitCode);
    Result.ExitCode = ExitCode;
  }
  return Result;
}

std::string TWin32Processes::ExecutablePath() {
  std::wstring Path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD Length = GetModuleFileNameW(nullptr, Path.data(), static_cast<DWORD>(Path.size()));
    if (Length == 0)
      return {};
    if (Length < Path.size()) {
      Path.resize(Length);
      return WideToUtf8(Path);
    }
    Path.resize(Path.size() * 2);
  }
}
