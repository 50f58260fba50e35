#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/uResourceStrings.h"

// The translation template: a PO file with every resource string, its identifier as the
// reference and context (several identifiers share some English texts) and an empty
// translation, headed by the fields the Language menu reads from a translation.
std::string PotTemplate(std::span<const TResString* const> Strings);

// What keeps Strings from being a catalogue translators can work with: identifiers used twice,
// or not written as "unit.identifier" in lower case. Empty when all is well.
std::vector<std::string> CatalogProblems(std::span<const TResString* const> Strings);
