#pragma once

#include <atomic>
#include <thread>

// What the serving thread drives: the web interface, which forwards to its server while the
// server is started.
class TWebInterfaceThreadOwner {
 public:
  virtual void ProcessEvents(int TimeoutMs) = 0;

 protected:
  virtual ~TWebInterfaceThreadOwner() = default;
};

// The web interface's serving thread: calls the owner's ProcessEvents with 100 ms again and
// again, swallowing what it raises, until asked to terminate. A termination request is
// therefore noticed within about 100 ms plus the time of a request being answered.
class TWebInterfaceThread {
 public:
  static constexpr int StepMs = 100;

  // Created suspended: nothing runs until Start.
  explicit TWebInterfaceThread(TWebInterfaceThreadOwner& Owner) : FOwner(Owner) {}
  // Terminates and waits.
  ~TWebInterfaceThread();
  TWebInterfaceThread(const TWebInterfaceThread&) = delete;
  TWebInterfaceThread& operator=(const TWebInterfaceThread&) = delete;

  TWebInterfaceThreadOwner& Owner() const { return FOwner; }
  void Start();
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }
  // Waits until the loop has finished.
  void WaitFor();

 private:
  void Execute();

  TWebInterfaceThreadOwner& FOwner;
  std::atomic<bool> FTerminated{false};
  std::thread FThread;
};
