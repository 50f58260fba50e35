#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>
#include <algorithm>

#include "core/uFilePaths.h"

// A fresh folder under the system's temporary folder, removed with everything in it when the
// test ends. Texts are UTF-8 paths with the platform's delimiter, as the program keeps them.
class TTempFolder {
 public:
  TTempFolder() {
    std::mt19937_64 Random{std::random_device{}()};
    FPath = std::filesystem::temp_directory_path() /
            ("kolvane-test-" + std::to_string(Random() % 1000000000000ull));
    std::filesystem::create_directories(FPath);
  }
  ~TTempFolder() {
    std::error_code Ignored;
    std::filesystem::remove_all(FPath, Ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  // The folder with a trailing delimiter, followed by Name.
  std::string Text(std::string_view Name = {}) const {
    return IncludeTrailingPathDelimiter(PathToUtf8(FPath)) + std::string(Name);
  }

 private:
  std::filesystem::path FPath;
};

inline void WriteBytes(const std::string& FileName, std::string_view Bytes) {
  const std::filesystem::path Path = Utf8ToPath(FileName);
  std::filesystem::create_directories(Path.parent_path());
  std::ofstream(Path, std::ios::binary) << Bytes;
}

inline std::string ReadBytes(const std::string& FileName) {
  std::ifstream Stream(Utf8ToPath(FileName), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>());
}

inline bool FileExists(const std::string& FileName) {
  return std::filesystem::is_regular_file(Utf8ToPath(FileName));
}

// The names in Folder, to show that a save left nothing behind.
inline std::vector<std::string> FolderEntries(const std::string& Folder) {
  std::vector<std::string> Names;
  for (const auto& Entry : std::filesystem::directory_iterator(Utf8ToPath(Folder)))
    Names.push_back(PathToUtf8(Entry.path().filename()));
  std::sort(Names.begin(), Names.end());
  return Names;
}
