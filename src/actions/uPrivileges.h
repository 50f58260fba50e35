#pragma once

#include <string>

#include "platform/uPowerSession.h"

// Turns one privilege of the current process token on or off. A privilege the token does not
// hold cannot be turned on, and counts as failure.
bool EnablePrivilege(TPowerSession& Power, const std::string& Name, bool Enable);

// The privilege that shutting down, rebooting and suspending need.
bool EnableShutdownPrivilege(TPowerSession& Power);
