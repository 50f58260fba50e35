#pragma once

#include <string>
#include <string_view>

// The version as the About box shows it: "4.4" for 4.4.0.0, "4.4.2" for 4.4.2.0, and with a
// build number the whole of it and " Beta" ("4.4.0.7 Beta").
std::string VersionText(unsigned Major, unsigned Minor, unsigned Release, unsigned Build);

// What a right click on the About box copies: "Kolvane 4.4 (2026-12-11)".
std::string VersionCopyText(std::string_view Product, std::string_view Version,
                            std::string_view BuildDate);
