#include "uTestChildProcess.h"

#include <filesystem>
#include <system_error>

#include "platform/win32/uWin32Text.h"

namespace {

std::wstring FolderOfThisTest() {
  wchar_t Path[MAX_PATH];
  const DWORD Length = GetModuleFileNameW(nullptr, Path, MAX_PATH);
  std::wstring Full(Path, Length);
  return Full.substr(0, Full.find_last_of(L"\\/") + 1);
}

}  // namespace

TTestFolder::TTestFolder() {
  wchar_t Temp[MAX_PATH];
  GetTempPathW(MAX_PATH, Temp);
  FPath = std::wstring(Temp) + L"kolvane-actions-" + Utf8ToWide(UniqueTag());
  static int Counter = 0;
  FPath += L"-" + std::to_wstring(++Counter);
  std::filesystem::create_directories(FPath);
}

TTestFolder::~TTestFolder() {
  std::error_code Ignored;
  std::filesystem::remove_all(FPath, Ignored);
}

std::string TTestFolder::Path(const std::string& Name) const {
  return WideToUtf8(Name.empty() ? FPath : FPath + L"\\" + Utf8ToWide(Name));
}

std::string CopyChildProgram(const TTestFolder& Folder, const std::string& Name) {
  const std::filesystem::path Target = Utf8ToWide(Folder.Path(Name));
  std::filesystem::create_directories(Target.parent_path());
  std::filesystem::copy_file(FolderOfThisTest() + KOLVANE_TEST_CHILD, Target,
                             std::filesystem::copy_options::overwrite_existing);
  return WideToUtf8(Target.wstring());
}

TChildGuard::TChildGuard(DWORD ProcessId)
    : FProcess(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE,
                           FALSE, ProcessId)) {}

TChildGuard::~TChildGuard() {
  if (FProcess && WaitForSingleObject(FProcess.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(FProcess.get(), 99);
    WaitForSingleObject(FProcess.get(), 5000);
  }
}

long long TChildGuard::WaitForExitCode(DWORD TimeoutMs) {
  if (!FProcess || WaitForSingleObject(FProcess.get(), TimeoutMs) != WAIT_OBJECT_0)
    return -1;
  DWORD ExitCode = 0;
  GetExitCodeProcess(FProcess.get(), &ExitCode);
  return ExitCode;
}

bool PollUntil(const std::function<bool()>& Done, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (!Done()) {
    if (GetTickCount64() > Deadline)
      return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG Message;
    while (PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&Message);
      DispatchMessageW(&Message);
    }
  }
  return true;
}

TWindowId WaitForShownWindow(TWindowSystem& Windows, const std::string& Title, bool MustAnswer) {
  TWindowId Window = 0;
  const bool Ready = PollUntil(
      [&] {
        Window = Windows.FindWindowByExactTitle(Title);
        if (!Window || !IsWindowVisible(reinterpret_cast<HWND>(Window)))
          return false;
        return !MustAnswer || Windows.SendGetTextTimeout(Window, 1000) == Title;
      },
      30000);
  return Ready ? Window : 0;
}

std::string UniqueTag() {
  return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64() % 100000);
}
