#include "web/uWebInterfaceThread.h"

TWebInterfaceThread::~TWebInterfaceThread() {
  Terminate();
  WaitFor();
}

void TWebInterfaceThread::Start() {
  if (FThread.joinable())
    return;
  FThread = std::thread([this] { Execute(); });
}

void TWebInterfaceThread::WaitFor() {
  if (FThread.joinable())
    FThread.join();
}

void TWebInterfaceThread::Execute() {
  while (!FTerminated) {
    try {
      FOwner.ProcessEvents(StepMs);
    } catch (...) {
      // A failed step must not end the serving thread; the next step tries again.
    }
  }
}
