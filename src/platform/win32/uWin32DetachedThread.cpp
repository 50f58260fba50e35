#include "platform/uDetachedThread.h"

#include <process.h>

#include <memory>

#include "platform/win32/uWindows.h"

namespace {

unsigned __stdcall RunWork(void* Argument) {
  const std::unique_ptr<std::function<void()>> Work(static_cast<std::function<void()>*>(Argument));
  (*Work)();
  return 0;
}

}  // namespace

bool StartDetachedThread(std::function<void()> Work) {
  auto Owned = std::make_unique<std::function<void()>>(std::move(Work));
  const auto Thread = _beginthreadex(nullptr, 0, &RunWork, Owned.get(), 0, nullptr);
  if (Thread == 0)
    return false;
  Owned.release();
  CloseHandle(reinterpret_cast<HANDLE>(Thread));
  return true;
}
