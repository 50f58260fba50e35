#pragma once

#include "core/uResourceStrings.h"

// Texts of the Language menu and of the notice after choosing another language.
namespace ulanguages {
inline constexpr TResString soriginalenglish{"ulanguages.soriginalenglish", "Original (English)"};
inline constexpr TResString sautodetect{"ulanguages.sautodetect", "Autodetect"};
inline constexpr TResString showtotranslate{"ulanguages.showtotranslate", "How to translate?"};
inline constexpr TResString sdifferentlanguage{
    "ulanguages.sdifferentlanguage",
    "You have selected a different language.\r\n\r\nPlease restart the application.\r\n"};
inline constexpr TResString slanguage{"ulanguages.slanguage", "Language"};
inline constexpr TResString stranslators{"ulanguages.stranslators", "Translators"};
}  // namespace ulanguages
