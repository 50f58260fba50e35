#pragma once

#include "core/uResourceStrings.h"

namespace uquerystr {
inline constexpr TResString semptykey{"uquerystr.semptykey", "Trying to set an empty key"};
inline constexpr TResString snotsynchronized{"uquerystr.snotsynchronized",
                                             "Keys and Values are not synchronized: %d <> %d"};
inline constexpr TResString sincorrectlyescaped{"uquerystr.sincorrectlyescaped",
                                                "Incorrectly escaped string: "};
inline constexpr TResString sinvalidhex{"uquerystr.sinvalidhex", "Invalid Hex: "};
}  // namespace uquerystr
