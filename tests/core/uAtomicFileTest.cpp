#include "core/uAtomicFile.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/uIniFile.h"
#include "support/uTempFolder.h"

namespace {

class AtomicFileTest : public ::testing::Test {
 protected:
  TTempFolder Folder;
  const std::string Target = Folder.Text("Settings.ini");
};

TEST_F(AtomicFileTest, CreatesTheFileAndItsFolder) {
  const std::string Nested = Folder.Text("Presets") + PathDelim + "Sub" + PathDelim + "A.kpr";
  SaveFileAtomically(Utf8ToPath(Nested), "[General]\r\n");
  EXPECT_EQ(ReadBytes(Nested), "[General]\r\n");
}

TEST_F(AtomicFileTest, ReplacesTheWholeFileAndLeavesNothingBehind) {
  WriteBytes(Target, "a much longer old content that must not survive at the end");
  SaveFileAtomically(Utf8ToPath(Target), "new");
  EXPECT_EQ(ReadBytes(Target), "new");
  EXPECT_EQ(FolderEntries(Folder.Text()), (std::vector<std::string>{"Settings.ini"}));
}

// The moment between a complete temporary file and the replacement is where a crash or a
// failing rename hits; the old file must come through it whole.
TEST_F(AtomicFileTest, AnInterruptedSaveLeavesTheOldFileReadable) {
  WriteBytes(Target, "[General]\r\nLogic=1\r\n");
  bool Interrupted = false;
  auto FailBeforeReplacing = [&](const std::filesystem::path& Temporary,
                                 const std::filesystem::path& Replaced) {
    EXPECT_EQ(Temporary.parent_path(), Replaced.parent_path()) << "same folder, same volume";
    EXPECT_EQ(ReadBytes(PathToUtf8(Temporary)), "[General]\r\nLogic=3\r\n") << "complete";
    EXPECT_EQ(ReadBytes(Target), "[General]\r\nLogic=1\r\n") << "untouched so far";
    Interrupted = true;
    throw std::runtime_error("the disk went away");
  };
  try {
    SaveFileAtomically(Utf8ToPath(Target), "[General]\r\nLogic=3\r\n", FailBeforeReplacing);
    ADD_FAILURE() << "the failed save was reported as a success";
  } catch (const EFileSave& Error) {
    EXPECT_EQ(std::string(Error.what()),
              "Cannot save the file \"" + Target + "\": the disk went away");
  }
  EXPECT_TRUE(Interrupted);
  EXPECT_EQ(TIniFile::LoadFromFile(Target).ReadInteger("General", "Logic", 0), 1);
  EXPECT_EQ(FolderEntries(Folder.Text()), (std::vector<std::string>{"Settings.ini"}))
      << "the temporary file is cleaned up";
}

TEST_F(AtomicFileTest, IniDocumentsSaveThroughTheSameSafeStep) {
  WriteBytes(Target, "[General]\r\nLogic=1\r\n");
  TIniFile Ini;
  Ini.WriteInteger("General", "Logic", 2);
  auto Fail = [](const std::filesystem::path&, const std::filesystem::path&) {
    throw std::runtime_error("no space left");
  };
  EXPECT_THROW(Ini.SaveToFile(Target, Fail), EFileSave);
  EXPECT_EQ(ReadBytes(Target), "[General]\r\nLogic=1\r\n");
  Ini.SaveToFile(Target);
  EXPECT_EQ(ReadBytes(Target), "[General]\r\nLogic=2\r\n");
}

TEST_F(AtomicFileTest, ReportsAFolderThatCannotBeMade) {
  // A file stands where the folder would have to be.
  WriteBytes(Folder.Text("Presets"), "not a folder");
  const std::string Blocked = Folder.Text("Presets") + PathDelim + "A.kpr";
  EXPECT_THROW(SaveFileAtomically(Utf8ToPath(Blocked), "x"), EFileSave);
  EXPECT_EQ(ReadBytes(Folder.Text("Presets")), "not a folder");
}

}  // namespace
