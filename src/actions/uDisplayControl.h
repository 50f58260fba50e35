#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/uDisplay.h"
#include "platform/uEventLoop.h"
#include "platform/uProcesses.h"
#include "platform/uSystemVersion.h"

// Lets Milliseconds pass while the program keeps serving its windows, timers and messages.
void DelayProcessingMessages(TEventLoop& Loop, std::uint32_t Milliseconds);

// Switches the monitor off or on; true when the system took the command.
bool SetMonitorPower(TDisplay& Display, const TSystemVersion& Version, bool On);

// Starts the screen saver the user chose in the control panel; true when the system took the
// command.
bool StartSystemScreenSaver(TDisplay& Display);

// Runs a screen saver file in screen-saver mode, without waiting for it. Raises EProcessLaunch
// when it cannot be started.
bool StartScreenSaverFile(TProcessSystem& Processes, const std::string& Path);

// Adds the full path of every screen saver (*.scr) in the system folder, in the order the
// folder lists them.
void ListScreenSavers(TDisplay& Display, std::vector<std::string>& List);
