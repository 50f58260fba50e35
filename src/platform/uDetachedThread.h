#pragma once

#include <functional>

// Runs Work on a new thread that nobody waits for; the thread ends when Work returns. Work must
// not throw. False when the system cannot make a thread, and Work is then not run.
//
// On Windows the thread is made with _beginthreadex rather than a detached std::thread: the
// MinGW thread library now and then loses a detached thread before it runs a single line.
bool StartDetachedThread(std::function<void()> Work);
