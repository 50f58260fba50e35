#pragma once

#include "core/uResourceStrings.h"

namespace uatomicfile {
inline constexpr TResString scannotsavefile{"uatomicfile.scannotsavefile",
                                            "Cannot save the file \"%s\": %s"};
}  // namespace uatomicfile

namespace uinifile {
inline constexpr TResString scannotreadfile{"uinifile.scannotreadfile",
                                            "Cannot read the file \"%s\": %s"};
inline constexpr TResString sfiletoolarge{"uinifile.sfiletoolarge",
                                          "The file \"%s\" is too large to be a settings file."};
inline constexpr TResString sinvalidsectionname{"uinifile.sinvalidsectionname",
                                                "Invalid section name \"%s\"."};
inline constexpr TResString sinvalidkeyname{"uinifile.sinvalidkeyname",
                                            "Invalid key name \"%s\" in section \"%s\"."};
inline constexpr TResString svaluehaslinebreak{
    "uinifile.svaluehaslinebreak", "The value of \"%s\" in section \"%s\" contains a line break."};
}  // namespace uinifile
