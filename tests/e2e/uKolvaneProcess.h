#pragma once

// kolvane.exe as a test starts it: a copy of its own in a temporary folder (the program keeps
// its settings and presets beside itself), started with arguments, watched and ended by id.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/uWin32Handles.h"
#include "support/uTempFolder.h"

class TKolvaneCopy {
 public:
  TKolvaneCopy();

  const TTempFolder& Folder() const { return FFolder; }
  std::wstring Executable() const { return (FFolder.Path() / L"kolvane.exe").wstring(); }
  // Writes a file relative to the program's folder.
  void WriteFile(const std::string& RelativeName, const std::string& Text) const;

 private:
  TTempFolder FFolder;
};

class TKolvaneProcess {
 public:
  TKolvaneProcess(const TKolvaneCopy& Copy, const std::vector<std::wstring>& Arguments = {});
  ~TKolvaneProcess();  // ends the process if it still runs

  bool Started() const { return static_cast<bool>(FProcess); }
  DWORD Id() const { return FId; }
  // The exit code, or nothing when it did not end in time.
  std::optional<DWORD> WaitForExit(DWORD TimeoutMs);
  // Its main window once shown, or none in time.
  HWND WaitForMainWindow(DWORD TimeoutMs) const;
  // A window of the process with the class and title, once visible.
  HWND WaitForWindow(const wchar_t* ClassName, const wchar_t* Title, DWORD TimeoutMs) const;

  // Texts of its common controls, read through memory lent inside the process, as those
  // controls only take buffers of their own process.
  std::wstring StatusBarText(HWND StatusBar, int Part) const;
  std::wstring ListViewText(HWND List, int Row, int Column) const;
  // Makes Row the selected and focused row, as a click would.
  bool SelectListViewRow(HWND List, int Row) const;

 private:
  TKernelHandle FProcess;
  DWORD FId = 0;
};

std::wstring WindowText(HWND Window);
