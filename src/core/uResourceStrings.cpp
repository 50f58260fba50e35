#include "core/uResourceStrings.h"

#include <map>

namespace {

std::map<std::string, std::string, std::less<>>& Translations() {
  static std::map<std::string, std::string, std::less<>> Table;
  return Table;
}

}  // namespace

std::string ResStr(const TResString& Text) {
  const auto& Table = Translations();
  if (!Table.empty()) {
    if (auto It = Table.find(Text.Id); It != Table.end())
      return It->second;
  }
  return std::string(Text.Default);
}

void SetResourceTranslation(std::string_view Id, std::string_view Text) {
  Translations().insert_or_assign(std::string(Id), std::string(Text));
}

void ClearResourceTranslations() {
  Translations().clear();
}
