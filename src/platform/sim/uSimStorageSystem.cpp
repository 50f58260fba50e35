#include "platform/sim/uSimStorageSystem.h"

std::string TSimStorageSystem::SpecialFolder(TSpecialFolder Folder) {
  const auto Found = Folders.find(Folder);
  return Found == Folders.end() ? std::string() : Found->second;
}

std::optional<std::string> TSimStorageSystem::EnvironmentVariable(const std::string& Name) {
  const auto Found = Environment.find(Name);
  if (Found == Environment.end())
    return std::nullopt;
  return Found->second;
}
