#pragma once

#include <map>

#include "platform/uStorageSystem.h"

// A system whose answers the test sets directly.
class TSimStorageSystem : public TStorageSystem {
 public:
  std::string ApplicationFileName() override { return FileName; }
  std::string SpecialFolder(TSpecialFolder Folder) override;
  std::string CurrentDirectory() override { return WorkingDirectory; }
  std::optional<std::string> EnvironmentVariable(const std::string& Name) override;
  bool IsWindowsVistaOrLater() override { return VistaOrLater; }
  std::string LocalDateTimeText() override { return DateTimeText; }

  std::string FileName;
  std::map<TSpecialFolder, std::string> Folders;
  std::string WorkingDirectory;
  std::map<std::string, std::string> Environment;
  bool VistaOrLater = true;
  std::string DateTimeText = "01/02/2024 03:04:05";
};
