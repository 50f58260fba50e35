#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/uLanguageSystem.h"

// A system whose language, known scripts and layout the test sets and reads directly.
class TSimLanguageSystem : public TLanguageSystem {
 public:
  TSystemLanguage UserLanguage() override { return Language; }
  std::optional<bool> IsRightToLeft(std::string_view Code) override;
  void SetRightToLeftLayout(bool RightToLeft) override { Layout = RightToLeft; }

  TSystemLanguage Language{"en", "US"};
  // Codes the system knows, with their direction; lower-case, as "ar_sa".
  std::map<std::string, bool> KnownCodes{{"ar", true},    {"ar_sa", true},  {"he", true},
                                         {"de", false},   {"de_de", false}, {"en", false},
                                         {"en_us", false}};
  // The layout last set; nothing while no one set it.
  std::optional<bool> Layout;
};
