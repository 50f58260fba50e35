#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/uSettings.h"
#include "app/uStorage.h"
#include "core/uAtomicFile.h"
#include "core/uPresets.h"
#include "platform/sim/uSimUserInterface.h"
#include "support/uPlannerHost.h"
#include "platform/uMd5.h"
#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32StorageSystem.h"
#include "support/uTempFolder.h"

namespace {

bool IsFolder(const std::string& Path) {
  std::error_code Error;
  return std::filesystem::is_directory(Utf8ToPath(Path), Error);
}

TEST(Win32StorageSystemTest, SpecialFoldersAreRealFolders) {
  TWin32StorageSystem System;
  for (TSpecialFolder Which : {TSpecialFolder::sfCommonDocuments, TSpecialFolder::sfPersonal,
                               TSpecialFolder::sfProfile, TSpecialFolder::sfLocalAppData}) {
    const std::string Folder = System.SpecialFolder(Which);
    EXPECT_TRUE(Folder.size() > 3 && Folder[1] == ':') << Folder;
    EXPECT_TRUE(IsFolder(Folder)) << Folder;
  }
}

TEST(Win32StorageSystemTest, KnowsTheProgramAndItsSurroundings) {
  TWin32StorageSystem System;
  const std::string FileName = System.ApplicationFileName();
  EXPECT_TRUE(FileName.ends_with("\\win32_storage_tests.exe")) << FileName;
  EXPECT_TRUE(std::filesystem::is_regular_file(Utf8ToPath(FileName)));
  EXPECT_EQ(System.CurrentDirectory(), PathToUtf8(std::filesystem::current_path()));
  EXPECT_TRUE(System.IsWindowsVistaOrLater());

  SYSTEMTIME Now;
  GetLocalTime(&Now);
  const std::string DateTime = System.LocalDateTimeText();
  EXPECT_NE(DateTime.find(std::to_string(Now.wYear % 100)), std::string::npos) << DateTime;
}

TEST(Win32StorageSystemTest, ReadsEnvironmentVariablesAsUtf8) {
  TWin32StorageSystem System;
  ASSERT_TRUE(SetEnvironmentVariableW(L"KOLVANE_TEST_FOLDER", L"D:\\D\u00e4ten"));
  EXPECT_EQ(System.EnvironmentVariable("KOLVANE_TEST_FOLDER"), "D:\\D\xC3\xA4ten");
  EXPECT_EQ(System.EnvironmentVariable("KOLVANE_TEST_NO_SUCH_VARIABLE"), std::nullopt);
  SetEnvironmentVariableW(L"KOLVANE_TEST_FOLDER", nullptr);
}

// The real system, but the program lives in a folder of the test's own.
class TProgramInFolder : public TWin32StorageSystem {
 public:
  explicit TProgramInFolder(std::string FileName) : FFileName(std::move(FileName)) {}
  std::string ApplicationFileName() override { return FFileName; }

 private:
  std::string FFileName;
};

TEST(Win32StorageTest, SettingsAndPresetsSavedInTheSharedDocumentsLoadBack) {
  TTempFolder Program;
  TProgramInFolder System(Program.Text("kolvane.exe"));
  const std::string Unique = "Test" + std::to_string(std::random_device{}());
  WriteBytes(Program.Text("Storage.ini"), "#ALL#" + Unique + "\r\n");

  TStorage Storage(System);
  Storage.InitStorage("Storage.ini", "Tulmo", "Kolvane");
  const std::string Shared = System.SpecialFolder(TSpecialFolder::sfCommonDocuments);
  EXPECT_EQ(Storage.StorageFolder(), Shared + "\\Tulmo\\Kolvane\\" + Unique + "\\");

  TSettings Settings;
  Settings.LanguageCode = "de";
  Settings.WebInterfacePort = 8080;
  const bool Saved = SaveSettings(Settings, Storage.SettingsFileName());
  TSettings Loaded;
  LoadSettings(Loaded, Storage.SettingsFileName());

  TPlannerHost Host;
  TSimUserInterface UserInterface;
  TPresets Presets(Storage.StorageFolder(), Host.Registry, Host.Rows, UserInterface);
  Host.AddCountdown(90);
  const bool PresetSaved = Presets.SavePreset("Evening", true);
  Host.Rows.EventRows().clear();
  const bool PresetLoaded = Presets.LoadPreset("Evening");
  const auto Listed = Presets.ListPresets();

  std::error_code Ignored;
  std::filesystem::remove_all(Utf8ToPath(Storage.StorageFolder()), Ignored);
  std::filesystem::remove(Utf8ToPath(Shared + "\\Tulmo\\Kolvane"), Ignored);
  std::filesystem::remove(Utf8ToPath(Shared + "\\Tulmo"), Ignored);

  ASSERT_TRUE(Saved);
  EXPECT_EQ(Loaded, Settings);
  EXPECT_TRUE(PresetSaved);
  EXPECT_TRUE(PresetLoaded);
  ASSERT_EQ(Host.Rows.EventRows().size(), 1u);
  EXPECT_EQ(Host.Rows.EventRows()[0].Config, "TIME=0:01:30;");
  EXPECT_EQ(Listed, std::vector<std::string>{"Evening"});
}

// Windows refuses to replace a file that another program holds open without sharing its
// deletion; the save must say so and the file must stay as it was.
TEST(Win32StorageTest, ASaveBlockedByAnotherProgramKeepsTheFile) {
  TTempFolder Folder;
  const std::string FileName = Folder.Text("Settings.ini");
  WriteBytes(FileName, "[General]\r\nLanguageCode=de\r\n");
  HANDLE Opened = CreateFileW(Utf8ToPath(FileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(Opened, INVALID_HANDLE_VALUE);
  TKernelHandle Holder(Opened);

  EXPECT_THROW(SaveFileAtomically(Utf8ToPath(FileName), "[General]\r\n"), EFileSave);
  Holder.reset();
  EXPECT_EQ(ReadBytes(FileName), "[General]\r\nLanguageCode=de\r\n");
  EXPECT_EQ(FolderEntries(Folder.Text()), (std::vector<std::string>{"Settings.ini"}));
}

TEST(Win32Md5Test, BCryptGivesTheKnownDigests) {
  const auto Hex = [](const TMd5Digest& Digest) {
    std::string Text;
    for (std::uint8_t Byte : Digest) {
      Text += "0123456789abcdef"[Byte >> 4];
      Text += "0123456789abcdef"[Byte & 15];
    }
    return Text;
  };
  const auto Abc = Md5Digest("abc");
  ASSERT_TRUE(Abc);
  EXPECT_EQ(Hex(*Abc), "900150983cd24fb0d6963f7d28e17f72");
  const auto Million = Md5Digest(std::string(1000000, 'a'));
  ASSERT_TRUE(Million);
  EXPECT_EQ(Hex(*Million), "7707d6ae4e027c70eea2a935c2296f21");
}

}  // namespace
