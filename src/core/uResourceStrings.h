#pragma once

#include <string>
#include <string_view>

// A user-visible text: its identifier "unit.identifier" and its English text. Each unit keeps
// its texts together in one header (for example uPlannerStrings.h) as constants of this type.
struct TResString {
  std::string_view Id;
  std::string_view Default;
};

// The text to show for a resource string: its translation when the language manager installed
// one at start-up, otherwise the English default. Every user-visible text is read through here.
std::string ResStr(const TResString& Text);

// Translations are installed once at start-up, before any other thread runs, and never change
// afterwards; reading them from several threads is therefore safe.
void SetResourceTranslation(std::string_view Id, std::string_view Text);
void ClearResourceTranslations();
