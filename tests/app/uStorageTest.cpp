#include "app/uStorage.h"

#include <gtest/gtest.h>

#include "platform/sim/uSimStorageSystem.h"
#include "support/uTempFolder.h"

namespace {

constexpr char D = PathDelim;

// A machine laid out in a temporary folder: the program in "Program", the shell's folders
// under "Users", and the legacy settings file of the program named "kolvane.ini".
class StorageTest : public ::testing::Test {
 protected:
  StorageTest() {
    System.FileName = Root.Text("Program") + D + "kolvane.exe";
    System.Folders = {
        {TSpecialFolder::sfCommonDocuments, Root.Text("Users") + D + "Public" + D + "Documents"},
        {TSpecialFolder::sfPersonal, Root.Text("Users") + D + "me" + D + "Documents"},
        {TSpecialFolder::sfProfile, Root.Text("Users") + D + "me"},
        {TSpecialFolder::sfLocalAppData, Root.Text("Users") + D + "me" + D + "Local"},
    };
    System.WorkingDirectory = Root.Text("Work");
    System.Environment = {{"APPDATA", Root.Text("Roaming")},
                          {"EMPTY", ""},
                          {"A", "a"},
                          {"B", "b"},
                          {"PERCENT", "%A%"}};
  }

  std::string Folder(TSpecialFolder Which) { return System.Folders[Which] + D; }
  std::string AppFolder() { return Root.Text("Program") + D; }

  TTempFolder Root;
  TSimStorageSystem System;
};

TEST_F(StorageTest, ExpandsPathMacrosByExactName) {
  TStorage Storage(System);
  const std::string User = Folder(TSpecialFolder::sfPersonal);
  const std::string Public = Folder(TSpecialFolder::sfCommonDocuments);
  const struct {
    std::string Text;
    std::string Expected;
  } Cases[] = {
      {"#USER#", User + "Tulmo" + D + "Kolvane" + D},
      {"#ALL#", Public + "Tulmo" + D + "Kolvane" + D},
      {"#PUBLICDOCUMENTS#", Public},
      {"#USERDOCUMENTS#Data", User + "Data"},
      {"#USERPROFILE#", Folder(TSpecialFolder::sfProfile)},
      {"#WORKINGDIR#", Root.Text("Work")},
      {"#APPDIR#", AppFolder()},
      {"#APPVENDOR##APPNAME#", "TulmoKolvane"},
      {"#user#", "#user#"},
      {"#NOPE#X", "#NOPE#X"},
      // Searching goes on after an unknown macro, so its closing "#" cannot open the next one.
      {"a#b#USER#", "a#b#USER#"},
      {"#", "#"},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Storage.ExpandPathMacros(Case.Text, "Tulmo", "Kolvane"), Case.Expected) << Case.Text;

  // Inserted values are not searched again.
  EXPECT_EQ(Storage.ExpandPathMacros("#APPVENDOR#USER#", "A#", "B"), "A#USER#");
}

TEST_F(StorageTest, MacrosWithoutAValueStayAsTheyAre) {
  System.Folders.clear();
  System.WorkingDirectory.clear();
  TStorage Storage(System);
  for (const char* Text : {"#USER#", "#ALL#", "#PUBLICDOCUMENTS#", "#USERDOCUMENTS#",
                           "#USERPROFILE#", "#WORKINGDIR#", "#APPVENDOR#"})
    EXPECT_EQ(Storage.ExpandPathMacros(Text, "", "Kolvane"), Text);
}

TEST_F(StorageTest, ExpandsEnvironmentVariablesThatHaveAValue) {
  TStorage Storage(System);
  const struct {
    std::string Text;
    std::string Expected;
  } Cases[] = {
      {std::string("%APPDATA%") + D + "X", Root.Text("Roaming") + D + "X"},
      {std::string("%NOPE%") + D + "X", std::string("%NOPE%") + D + "X"},
      {"%EMPTY%x", "%EMPTY%x"},
      {"%A%%B%", "ab"},
      {"%%A%", "%%A%"},
      {"100%", "100%"},
      // After a reference that stays, searching goes on behind its closing "%".
      {"%NOPE%A%", "%NOPE%A%"},
      // Values are not expanded again.
      {"%PERCENT%", "%A%"},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Storage.ExpandEnvironmentVariables(Case.Text), Case.Expected) << Case.Text;
}

TEST_F(StorageTest, ResolvesTheStorageFolderFromStorageIni) {
  const std::string User = Folder(TSpecialFolder::sfPersonal);
  const struct {
    const char* What;
    std::optional<std::string> Content;
    std::string Expected;
  } Cases[] = {
      {"no Storage.ini", std::nullopt, AppFolder()},
      {"empty", "", AppFolder()},
      {"only a line break", "\r\n", AppFolder()},
      {"user macro", "#USER#", User + "Tulmo" + D + "Kolvane" + D},
      {"trailing line break", "#USER#\r\n", User + "Tulmo" + D + "Kolvane" + D},
      {"byte-order mark and LF", "\xEF\xBB\xBF#USER#\n", User + "Tulmo" + D + "Kolvane" + D},
      {"variable", std::string("%APPDATA%") + D + "X", Root.Text("Roaming") + D + "X" + D},
      {"unknown variable", std::string("%NOPE%") + D + "X", std::string("%NOPE%") + D + "X" + D},
      {"both", std::string("%APPDATA%") + D + "#APPNAME#" + D,
       Root.Text("Roaming") + D + "Kolvane" + D},
      {"blanks are kept", " x ", " x " + std::string(1, D)},
  };
  for (const auto& Case : Cases) {
    std::filesystem::remove(Utf8ToPath(AppFolder() + "Storage.ini"));
    if (Case.Content)
      WriteBytes(AppFolder() + "Storage.ini", *Case.Content);
    TStorage Storage(System);
    Storage.InitStorage("Storage.ini", "Tulmo", "Kolvane");
    EXPECT_EQ(Storage.StorageFolder(), Case.Expected) << Case.What;
    EXPECT_EQ(Storage.SettingsFileName(), Case.Expected + "Settings.ini") << Case.What;
    if (Case.Expected != AppFolder()) {
      EXPECT_FALSE(std::filesystem::exists(Utf8ToPath(Storage.StorageFolder())))
          << Case.What << ": resolving creates no folder";
    }
  }
}

TEST_F(StorageTest, KnowsTheProgramsOwnFolder) {
  TStorage Storage(System);
  EXPECT_EQ(Storage.ApplicationFileName(), AppFolder() + "kolvane.exe");
  EXPECT_EQ(Storage.ApplicationFolder(), AppFolder());
}

TEST_F(StorageTest, FindsTheVirtualStoreOnTheSameDrive) {
  // Windows paths, written with this platform's delimiter.
  const auto Win = [](std::string Path) {
    for (char& Letter : Path)
      if (Letter == '\\')
        Letter = D;
    return Path;
  };
  const std::string Local = Win("C:\\Users\\me\\AppData\\Local");
  const struct {
    const char* What;
    bool Vista;
    std::string LocalAppData;
    std::string Folder;
    std::string Expected;
  } Cases[] = {
      {"drive letters", true, Local, Win("c:\\Program Files\\Kolvane\\"),
       Win("C:\\Users\\me\\AppData\\Local\\VirtualStore\\Program Files\\Kolvane\\")},
      {"other drive", true, Local, Win("D:\\Kolvane\\"), ""},
      {"network share", true, Local, Win("\\\\server\\share\\Kolvane\\"), ""},
      {"before Vista", false, Local, Win("C:\\Kolvane\\"), ""},
      {"no local application data", true, "", Win("C:\\Kolvane\\"), ""},
  };
  for (const auto& Case : Cases) {
    System.VistaOrLater = Case.Vista;
    System.Folders[TSpecialFolder::sfLocalAppData] = Case.LocalAppData;
    TStorage Storage(System);
    EXPECT_EQ(Storage.VirtualStoreFolder(Case.Folder), Case.Expected) << Case.What;
  }
}

class MigrationTest : public StorageTest {
 protected:
  // Storage.ini puts the storage folder into the user's documents.
  void UseStorageInUserDocuments() { WriteBytes(AppFolder() + "Storage.ini", "#USER#"); }

  TStorage& Init() {
    Storage.InitStorage("Storage.ini", "Tulmo", "Kolvane");
    return Storage;
  }
  std::string Log() { return ReadBytes(Storage.StorageFolder() + "Migration.log"); }

  TStorage Storage{System};
  const std::string Started = "Migration initiated at 01/02/2024 03:04:05\r\n";
};

TEST_F(MigrationTest, FirstStartOnlyRecordsThatItLooked) {
  UseStorageInUserDocuments();
  EXPECT_FALSE(Init().MigrateSettings());
  EXPECT_EQ(Log(), Started);
  EXPECT_EQ(FolderEntries(Storage.StorageFolder()), (std::vector<std::string>{"Migration.log"}));
}

TEST_F(MigrationTest, CopiesLegacySettingsAndPresetsIntoANewStorageFolder) {
  UseStorageInUserDocuments();
  const std::string Source = AppFolder();
  WriteBytes(Source + "kolvane.ini", "[General]\r\nAlwaysOnTop=1\r\n");
  WriteBytes(Source + "Presets" + D + "Night.kpr", "[General]\r\nLogic=1\r\n");
  WriteBytes(Source + "Presets" + D + "Old" + D + "Day.kpr", "[General]\r\nLogic=2\r\n");
  const auto Yesterday = std::chrono::floor<std::chrono::seconds>(
      std::filesystem::file_time_type::clock::now() - std::chrono::hours(24));
  std::filesystem::last_write_time(Utf8ToPath(Source + "kolvane.ini"), Yesterday);

  ASSERT_TRUE(Init().MigrateSettings());

  const std::string Target = Storage.StorageFolder();
  EXPECT_EQ(ReadBytes(Target + "Settings.ini"), "[General]\r\nAlwaysOnTop=1\r\n");
  EXPECT_FALSE(FileExists(Target + "kolvane.ini")) << "renamed after copying";
  EXPECT_TRUE(FileExists(Source + "kolvane.ini")) << "the old installation keeps its file";
  EXPECT_EQ(std::filesystem::last_write_time(Utf8ToPath(Target + "Settings.ini")),
            std::filesystem::last_write_time(Utf8ToPath(Source + "kolvane.ini")));
  EXPECT_EQ(ReadBytes(Target + "Presets" + D + "Night.kpr"), "[General]\r\nLogic=1\r\n");
  EXPECT_EQ(ReadBytes(Target + "Presets" + D + "Old" + D + "Day.kpr"), "[General]\r\nLogic=2\r\n");
  EXPECT_EQ(Log(), Started + "Source directory: " + Source +
                       "\r\n"
                       "Target directory: " +
                       Target +
                       "\r\n"
                       "Copy from: " +
                       Source +
                       "kolvane.ini\r\n"
                       "Copy to: " +
                       Target +
                       "kolvane.ini\r\n"
                       "Copy result: OK\r\n"
                       "Copy from: " +
                       Source +
                       "Presets\r\n"
                       "Copy to: " +
                       Target +
                       "Presets\r\n"
                       "Copy result: OK\r\n"
                       "Rename from: " +
                       Target +
                       "kolvane.ini\r\n"
                       "Rename to: " +
                       Target +
                       "Settings.ini\r\n"
                       "Rename result: OK\r\n");
}

TEST_F(MigrationTest, RecordsAMissingPresetsFolderAndStillMigrates) {
  UseStorageInUserDocuments();
  WriteBytes(AppFolder() + "kolvane.ini", "[General]\r\n");
  ASSERT_TRUE(Init().MigrateSettings());
  EXPECT_NE(Log().find("Directory not found: " + AppFolder() + "Presets\r\n"), std::string::npos)
      << Log();
  EXPECT_TRUE(FileExists(Storage.StorageFolder() + "Settings.ini"));
}

TEST_F(MigrationTest, RenamesLegacySettingsInThePrograms) {
  WriteBytes(AppFolder() + "kolvane.ini", "[General]\r\n");
  ASSERT_TRUE(Init().MigrateSettings());
  EXPECT_EQ(Storage.StorageFolder(), AppFolder());
  EXPECT_EQ(Log(), Started + "Rename from: " + AppFolder() + "kolvane.ini\r\n" +
                       "Rename to: " + AppFolder() + "Settings.ini\r\n" + "Rename result: OK\r\n");
}

TEST_F(MigrationTest, TakesWhatWindowsRedirectedToTheVirtualStore) {
  UseStorageInUserDocuments();
  const std::string VirtualStore = Storage.VirtualStoreFolder(AppFolder());
  ASSERT_FALSE(VirtualStore.empty());
  WriteBytes(VirtualStore + "kolvane.ini", "[General]\r\nHideTrayIcon=1\r\n");
  WriteBytes(VirtualStore + "Presets" + D + "A.kpr", "[General]\r\n");
  ASSERT_TRUE(Init().MigrateSettings());
  EXPECT_NE(Log().find("Source directory: " + VirtualStore + "\r\n"), std::string::npos) << Log();
  EXPECT_EQ(ReadBytes(Storage.StorageFolder() + "Settings.ini"), "[General]\r\nHideTrayIcon=1\r\n");
  EXPECT_TRUE(FileExists(Storage.StorageFolder() + "Presets" + D + "A.kpr"));
}

TEST_F(MigrationTest, NeverOverwritesWhatTheStorageFolderHolds) {
  UseStorageInUserDocuments();
  const std::string Target = Folder(TSpecialFolder::sfPersonal) + "Tulmo" + D + "Kolvane" + D;
  WriteBytes(AppFolder() + "kolvane.ini", "old settings");
  WriteBytes(AppFolder() + "Presets" + D + "A.kpr", "old preset");
  WriteBytes(AppFolder() + "Presets" + D + "B.kpr", "old preset B");
  WriteBytes(Target + "Presets" + D + "A.kpr", "new preset");
  WriteBytes(Target + "Settings.ini", "new settings");
  WriteBytes(Target + "Migration.log", "earlier run\r\n");

  Init().MigrateSettings();

  EXPECT_EQ(ReadBytes(Target + "Settings.ini"), "new settings");
  EXPECT_EQ(ReadBytes(Target + "Presets" + D + "A.kpr"), "new preset");
  EXPECT_EQ(ReadBytes(Target + "Presets" + D + "B.kpr"), "old preset B");
  EXPECT_EQ(ReadBytes(Target + "kolvane.ini"), "old settings") << "left for the user to sort out";
  const std::string Written = Log();
  EXPECT_EQ(Written.rfind("earlier run\r\n" + Started, 0), 0u) << "appended: " << Written;
  EXPECT_NE(Written.find("Rename result:  FAILED\r\n"), std::string::npos) << Written;
}

}  // namespace
