#pragma once

#include <optional>
#include <string>
#include <string_view>

// The user's language as the system names it: an ISO 639 language ("de") and, when the system
// knows one, an ISO 3166 country ("DE").
struct TSystemLanguage {
  std::string Language;
  std::string Country;
};

// What only the system knows about languages, and the one switch of the text direction.
class TLanguageSystem {
 public:
  virtual ~TLanguageSystem() = default;
  // The language the user reads the system in; empty fields when the system cannot say.
  virtual TSystemLanguage UserLanguage() = 0;
  // Whether a language code ("ar", "he_IL", "pt_BR") is written right to left; nothing when the
  // system does not know the code.
  virtual std::optional<bool> IsRightToLeft(std::string_view Code) = 0;
  // Lays out every window made from now on right to left, or left to right.
  virtual void SetRightToLeftLayout(bool RightToLeft) = 0;
};
