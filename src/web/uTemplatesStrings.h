#pragma once

#include "core/uResourceStrings.h"

namespace utemplates {
inline constexpr TResString semptytagcontent{"utemplates.semptytagcontent", "Empty tag content."};
inline constexpr TResString sunknownkeyword{"utemplates.sunknownkeyword",
                                            "Unknown or unexpected keyword in tag: "};
inline constexpr TResString sinvalidifsyntax{"utemplates.sinvalidifsyntax",
                                             "Invalid syntax of IF condition: "};
inline constexpr TResString svaluenotdefined{"utemplates.svaluenotdefined",
                                             "Template value \"%s\" is not defined."};
inline constexpr TResString schildviewnotdefined{"utemplates.schildviewnotdefined",
                                                 "Template child view \"%s\" is not defined."};
inline constexpr TResString sunsupportedblocktype{"utemplates.sunsupportedblocktype",
                                                  "Not supported block type for render: "};
inline constexpr TResString stemplatenotfound{"utemplates.stemplatenotfound",
                                              "Template by name \"%s\" is not found."};
inline constexpr TResString snestedtoodeeply{
    "utemplates.snestedtoodeeply", "Template blocks are nested more than %d levels deep: "};
inline constexpr TResString scannotopenfile{"utemplates.scannotopenfile",
                                            "Unable to open file \"%s\"."};
inline constexpr TResString scannotopenfolder{"utemplates.scannotopenfolder",
                                              "Unable to open folder \"%s\"."};
}  // namespace utemplates
