#pragma once

#include <string>

// The version as the About box shows it: "4.4" for 4.4.0.0, "4.4.2" for 4.4.2.0, and with a
// build number the whole of it and " Beta" ("4.4.0.7 Beta").
std::string VersionText(unsigned Major, unsigned Minor, unsigned Release, unsigned Build);
