#pragma once

#include "core/uResourceStrings.h"

namespace uinputactivity {
inline constexpr TResString sanotherinputmonitorisactive{
    "uinputactivity.sanotherinputmonitorisactive", "Another input monitor is active."};
}  // namespace uinputactivity
