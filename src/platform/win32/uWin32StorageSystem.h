#pragma once

#include "platform/uStorageSystem.h"

class TWin32StorageSystem : public TStorageSystem {
 public:
  std::string ApplicationFileName() override;
  std::string SpecialFolder(TSpecialFolder Folder) override;
  std::string CurrentDirectory() override;
  std::optional<std::string> EnvironmentVariable(const std::string& Name) override;
  bool IsWindowsVistaOrLater() override;
  std::string LocalDateTimeText() override;
};
