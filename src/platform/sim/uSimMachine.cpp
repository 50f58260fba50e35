#include "platform/sim/uSimMachine.h"

#include <algorithm>

TSimMachine::TSimMachine() {
  OnLaunch = [](const TLaunchRequest&) { return TLaunchResult{true, 0, 0}; };
}

std::uint32_t TSimMachine::AddProcess(const std::string& ExeFile) {
  const std::uint32_t Id = FNextProcessId;
  FNextProcessId += 4;
  ProcessTable.push_back({Id, ExeFile, true});
  return Id;
}

TWindowId TSimMachine::AddWindow(const std::string& Title, std::uint32_t ProcessId) {
  const TWindowId Window = FNextWindow;
  FNextWindow += 0x10;
  TWindow Entry;
  Entry.Window = Window;
  Entry.Title = Title;
  Entry.ProcessId = ProcessId;
  WindowList.push_back(Entry);
  return Window;
}

TSimMachine::TWindow* TSimMachine::FindWindow(TWindowId Window) {
  auto It = std::find_if(WindowList.begin(), WindowList.end(),
                         [&](const TWindow& Entry) { return Entry.Window == Window; });
  return It == WindowList.end() ? nullptr : &*It;
}

bool TSimMachine::HasProcess(std::uint32_t ProcessId) const {
  return std::any_of(ProcessTable.begin(), ProcessTable.end(),
                     [&](const TProcess& Entry) { return Entry.ProcessId == ProcessId; });
}
