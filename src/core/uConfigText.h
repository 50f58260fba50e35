#pragma once

#include <string>
#include <string_view>

#include "core/uQueryStr.h"

// The configuration text of an event or action: its settings saved into a fresh TQueryStr and
// encoded, or a text decoded and loaded (raising EQueryStr when malformed).
template <typename TObject>
std::string SaveConfigText(const TObject& Object) {
  TQueryStr Config;
  Object.SaveConfig(Config);
  return Config.Encode();
}

template <typename TObject>
void LoadConfigText(TObject& Object, std::string_view Text) {
  TQueryStr Config;
  Config.Decode(Text);
  Object.LoadConfig(Config);
}
