#include "platform/uDurableFiles.h"

#include <algorithm>
#include <stdexcept>

#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32SystemError.h"

namespace {

[[noreturn]] void RaiseLastError() {
  throw std::runtime_error(Win32ErrorMessage(GetLastError()));
}

}  // namespace

void WriteNewFileThrough(const std::filesystem::path& FileName, std::string_view Bytes) {
  HANDLE Created = CreateFileW(FileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (Created == INVALID_HANDLE_VALUE)
    RaiseLastError();
  TKernelHandle File(Created);
  // A half-written file is of no use to anyone: it goes again when a step fails.
  auto Fail = [&] {
    const DWORD Error = GetLastError();
    File.reset();
    DeleteFileW(FileName.c_str());
    throw std::runtime_error(Win32ErrorMessage(Error));
  };
  while (!Bytes.empty()) {
    const DWORD Chunk = static_cast<DWORD>(std::min<std::size_t>(Bytes.size(), 1u << 30));
    DWORD Written = 0;
    if (!WriteFile(File.get(), Bytes.data(), Chunk, &Written, nullptr))
      Fail();
    Bytes.remove_prefix(Written);
  }
  if (!FlushFileBuffers(File.get()))
    Fail();
  if (!CloseHandle(File.release())) {
    const DWORD Error = GetLastError();
    DeleteFileW(FileName.c_str());
    throw std::runtime_error(Win32ErrorMessage(Error));
  }
}

void ReplaceFileAtomically(const std::filesystem::path& Source,
                           const std::filesystem::path& Target) {
  // Write-through makes the call return only once the new name is on the disk.
  if (!MoveFileExW(Source.c_str(), Target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    RaiseLastError();
}
