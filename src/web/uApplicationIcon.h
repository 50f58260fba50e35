#pragma once

#include <string_view>

// The bytes of the program's icon file, the same file its resources are built from.
std::string_view ApplicationIconFile();
