#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The shell's special folders that the storage folder can be placed in.
enum class TSpecialFolder : std::uint8_t {
  sfCommonDocuments,  // the documents shared by all users
  sfPersonal,         // the user's documents
  sfProfile,          // the user's profile
  sfLocalAppData,     // the user's local application data, home of the VirtualStore
};

// What finding the storage folder and migrating old settings need to know of the system. All
// texts are UTF-8; folders come without a trailing delimiter, as the system gives them.
class TStorageSystem {
 public:
  virtual ~TStorageSystem() = default;

  // The running program's full file name.
  virtual std::string ApplicationFileName() = 0;
  // Empty when the system has no such folder.
  virtual std::string SpecialFolder(TSpecialFolder Folder) = 0;
  virtual std::string CurrentDirectory() = 0;
  // Nothing when the variable does not exist.
  virtual std::optional<std::string> EnvironmentVariable(const std::string& Name) = 0;
  // Whether file writes the program may not make are redirected to the VirtualStore.
  virtual bool IsWindowsVistaOrLater() = 0;
  // The current local date and time in the user's default format.
  virtual std::string LocalDateTimeText() = 0;
};
