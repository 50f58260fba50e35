#include "platform/sim/uSimLanguageSystem.h"

#include "core/uStringUtils.h"

std::optional<bool> TSimLanguageSystem::IsRightToLeft(std::string_view Code) {
  auto Known = KnownCodes.find(LowerCaseAscii(Code));
  if (Known == KnownCodes.end())
    return std::nullopt;
  return Known->second;
}
