#pragma once

// Support for the adapter tests: a private folder, private copies of the child program, and
// guards that end a child by its id should a test fail before the child has ended.

#include <functional>
#include <string>

#include "platform/uWindowSystem.h"
#include "platform/win32/uWin32Handles.h"

// A new folder under the temporary folder, removed with everything in it.
class TTestFolder {
 public:
  TTestFolder();
  ~TTestFolder();
  TTestFolder(const TTestFolder&) = delete;
  TTestFolder& operator=(const TTestFolder&) = delete;
  // The folder's path, or a path inside it, in UTF-8.
  std::string Path(const std::string& Name = "") const;

 private:
  std::wstring FPath;
};

// Copies the child program into the folder under Name (which may name a sub-folder); returns
// its path in UTF-8.
std::string CopyChildProgram(const TTestFolder& Folder, const std::string& Name);

// A process the test started, ended by its id when the test leaves it running.
class TChildGuard {
 public:
  explicit TChildGuard(DWORD ProcessId);
  ~TChildGuard();
  TChildGuard(const TChildGuard&) = delete;
  TChildGuard& operator=(const TChildGuard&) = delete;
  bool Valid() const { return static_cast<bool>(FProcess); }
  // The exit code once the process has ended within the time; -1 when it has not.
  long long WaitForExitCode(DWORD TimeoutMs);

 private:
  TKernelHandle FProcess;
};

// Calls Done until it says yes or the time is up, letting this thread's messages through.
bool PollUntil(const std::function<bool()>& Done, DWORD TimeoutMs);

// The top-level window of that exact title once it is shown and, with MustAnswer, answers
// messages, as listed windows do; 0 when that does not happen within 30 seconds. A window exists
// a moment before it is shown, and a program busy showing it does not answer yet.
TWindowId WaitForShownWindow(TWindowSystem& Windows, const std::string& Title, bool MustAnswer);

// A text unique to this test run, for window titles and file names no other process uses.
std::string UniqueTag();
