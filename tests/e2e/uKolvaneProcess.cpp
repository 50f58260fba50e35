#include "uKolvaneProcess.h"

#include <commctrl.h>

#include <fstream>

namespace {

std::wstring ExecutableBesideThisTest(const wchar_t* Name) {
  wchar_t Path[MAX_PATH];
  DWORD Length = GetModuleFileNameW(nullptr, Path, MAX_PATH);
  std::wstring Folder(Path, Length);
  return Folder.substr(0, Folder.find_last_of(L"\\/") + 1) + Name;
}

// Memory inside another process, freed with the object.
class TRemoteMemory {
 public:
  TRemoteMemory(HANDLE Process, std::size_t Size)
      : FProcess(Process),
        FAddress(VirtualAllocEx(Process, nullptr, Size, MEM_COMMIT, PAGE_READWRITE)) {}
  ~TRemoteMemory() {
    if (FAddress)
      VirtualFreeEx(FProcess, FAddress, 0, MEM_RELEASE);
  }
  TRemoteMemory(const TRemoteMemory&) = delete;
  TRemoteMemory& operator=(const TRemoteMemory&) = delete;

  void* Address() const { return FAddress; }
  bool Write(std::size_t Offset, const void* Data, std::size_t Size) const {
    return WriteProcessMemory(FProcess, static_cast<char*>(FAddress) + Offset, Data, Size,
                              nullptr) != FALSE;
  }
  std::wstring ReadText(std::size_t Offset, std::size_t Chars) const {
    std::wstring Text(Chars, L'\0');
    if (!ReadProcessMemory(FProcess, static_cast<char*>(FAddress) + Offset, Text.data(),
                           Chars * sizeof(wchar_t), nullptr))
      return L"<unreadable>";
    Text.resize(wcsnlen(Text.c_str(), Chars));
    return Text;
  }

 private:
  HANDLE FProcess;
  void* FAddress;
};

constexpr std::size_t kTextChars = 512;

}  // namespace

TKolvaneCopy::TKolvaneCopy() {
  std::filesystem::copy_file(ExecutableBesideThisTest(L"kolvane.exe"),
                             FFolder.Path() / L"kolvane.exe");
  // The web interface's pages are installed beside the program.
  const std::filesystem::path Web = ExecutableBesideThisTest(L"WebInterface");
  if (std::filesystem::is_directory(Web))
    std::filesystem::copy(Web, FFolder.Path() / L"WebInterface",
                          std::filesystem::copy_options::recursive);
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

std::wstring TKolvaneProcess::StatusBarText(HWND StatusBar, int Part) const {
  TRemoteMemory Buffer(FProcess.get(), kTextChars * sizeof(wchar_t));
  if (!Buffer.Address())
    return L"<no memory>";
  // SB_GETTEXTW has no size; the length comes first.
  const auto Length = LOWORD(SendMessageW(StatusBar, SB_GETTEXTLENGTHW, Part, 0));
  if (Length >= kTextChars)
    return L"<too long>";
  SendMessageW(StatusBar, SB_GETTEXTW, Part, reinterpret_cast<LPARAM>(Buffer.Address()));
  return Buffer.ReadText(0, Length + 1);
}

std::wstring TKolvaneProcess::ListViewText(HWND List, int Row, int Column) const {
  const std::size_t TextOffset = sizeof(LVITEMW);
  TRemoteMemory Buffer(FProcess.get(), TextOffset + kTextChars * sizeof(wchar_t));
  if (!Buffer.Address())
    return L"<no memory>";
  LVITEMW Item{};
  Item.iSubItem = Column;
  Item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(Buffer.Address()) + TextOffset);
  Item.cchTextMax = static_cast<int>(kTextChars);
  if (!Buffer.Write(0, &Item, sizeof Item))
    return L"<unwritable>";
  SendMessageW(List, LVM_GETITEMTEXTW, Row, reinterpret_cast<LPARAM>(Buffer.Address()));
  return Buffer.ReadText(TextOffset, kTextChars);
}

bool TKolvaneProcess::SelectListViewRow(HWND List, int Row) const {
  TRemoteMemory Buffer(FProcess.get(), sizeof(LVITEMW));
  LVITEMW Item{};
  Item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  Item.state = LVIS_SELECTED | LVIS_FOCUSED;
  return Buffer.Address() && Buffer.Write(0, &Item, sizeof Item) &&
         SendMessageW(List, LVM_SETITEMSTATE, Row, reinterpret_cast<LPARAM>(Buffer.Address()));
}
