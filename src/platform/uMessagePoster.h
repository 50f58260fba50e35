#pragma once

#include <cstdint>
#include <functional>

// Posts one message to a window of the GUI thread from any thread, without waiting for it to be
// handled. True when the message was queued; false when it was not (no window yet, the window is
// gone, its queue is full), in which case nothing will arrive.
using TMessagePoster =
    std::function<bool(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam)>;
