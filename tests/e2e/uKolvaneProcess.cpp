#include "uKolvaneProcess.h"

#include <fstream>

namespace {

std::wstring ExecutableBesideThisTest(const wchar_t* Name) {
  wchar_t Path[MAX_PATH];
  DWORD Length = GetModuleFileNameW(nullptr, Path, MAX_PATH);
  std::wstring Folder(Path, Length);
  return Folder.substr(0, Folder.find_last_of(L"\\/") + 1) + Name;
}

}  // namespace

TKolvaneCopy::TKolvaneCopy() {
  std::filesystem::copy_file(ExecutableBesideThisTest(L"kolvane.exe"),
                             FFolder.Path() / L"kolvane.exe");
}

void TKolvaneCopy::WriteFile(const std::string& RelativeName, const std::string& Text) const {
  const std::filesystem::path Target = FFolder.Path() / Utf8ToPath(RelativeName);
  std::filesystem::create_directories(Target.parent_path());
  std::ofstream(Target, std::ios::binary) << Text;
}

TKolvaneProcess::TKolvaneProcess(const TKolvaneCopy& Copy,
                                 const std::vector<std::wstring>& Arguments) {
  std::wstring CommandLine = L"\"" + Copy.Executable() + L"\"";
  for (const auto& Argument : Arguments)
    CommandLine += L" \"" + Argument + L"\"";
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Info{};
  if (!CreateProcessW(Copy.Executable().c_str(), CommandLine.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, Copy.Folder().Path().wstring().c_str(), &Startup, &Info))
    return;
  CloseHandle(Info.hThread);
  FProcess.reset(Info.hProcess);
  FId = Info.dwProcessId;
}

TKolvaneProcess::~TKolvaneProcess() {
  if (FProcess && WaitForSingleObject(FProcess.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(FProcess.get(), 1);
    WaitForSingleObject(FProcess.get(), 5000);
  }
}

std::optional<DWORD> TKolvaneProcess::WaitForExit(DWORD TimeoutMs) {
  if (!FProcess || WaitForSingleObject(FProcess.get(), TimeoutMs) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD Code = 0;
  GetExitCodeProcess(FProcess.get(), &Code);
  return Code;
}

HWND TKolvaneProcess::WaitForMainWindow(DWORD TimeoutMs) const {
  return WaitForWindow(L"TForm_Main", L"Kolvane", TimeoutMs);
}

HWND TKolvaneProcess::WaitForWindow(const wchar_t* ClassName, const wchar_t* Title,
                                    DWORD TimeoutMs) const {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (GetTickCount64() < Deadline) {
    HWND Window = nullptr;
    while ((Window = FindWindowExW(nullptr, Window, ClassName, Title)) != nullptr) {
      DWORD Owner = 0;
      GetWindowThreadProcessId(Window, &Owner);
      if (Owner == FId && IsWindowVisible(Window))
        return Window;
    }
    Sleep(50);
  }
  return nullptr;
}

std::wstring WindowText(HWND Window) {
  wchar_t Buffer[1024] = {};
  GetWindowTextW(Window, Buffer, 1024);
  return Buffer;
}
