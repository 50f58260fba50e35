#include "platform/uDetachedThread.h"

#include <system_error>
#include <thread>

bool StartDetachedThread(std::function<void()> Work) {
  try {
    std::thread(std::move(Work)).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}
