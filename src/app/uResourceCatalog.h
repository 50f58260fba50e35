#pragma once

#include <span>

#include "core/uResourceStrings.h"

// Every resource string of the program, gathered from the units' string headers when the
// program is built (tools/gen-resource-catalog.py). Translations are matched against it, and
// the translation template lists it.
std::span<const TResString* const> ResourceCatalog();
