#pragma once

#include "platform/uLanguageSystem.h"

class TWin32LanguageSystem : public TLanguageSystem {
 public:
  TSystemLanguage UserLanguage() override;
  std::optional<bool> IsRightToLeft(std::string_view Code) override;
  void SetRightToLeftLayout(bool RightToLeft) override;
};
