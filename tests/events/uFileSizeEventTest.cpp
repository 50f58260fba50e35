// The File Size event against real files in a private folder, in virtual time.

#include <gtest/gtest.h>

#include <filesystem>

#include "events/uEventFileSize.h"
#include "events/uFileMeasure.h"
#include "support/uTempFolder.h"
#include "uWatchHost.h"

namespace {

namespace fs = std::filesystem;

class FileSizeEventTest : public testing::Test {
 protected:
  TWatchHost Host;
  TSimEventLoop& Loop = Host.Loop;
  TTempFolder Folder;

  std::unique_ptr<TKoEventFileSize> Start(const std::string& File, int When, std::int64_t Size = 0,
                                          int SizeType = 0) {
    auto Event = Host.Make<TKoEventFileSize>();
    Event->SetConfig({File, When, Size, SizeType});
    Event->Start();
    return Event;
  }
  // Sets a file's length without writing its bytes (sparse where the file system allows it).
  void Resize(const std::string& File, std::uintmax_t Size) {
    if (!FileExists(File))
      WriteBytes(File, "");
    fs::resize_file(Utf8ToPath(File), Size);
  }
};

TEST_F(FileSizeEventTest, DefaultsKeysAndDescriptions) {
  auto Event = Host.Make<TKoEventFileSize>();
  EXPECT_EQ(Event->Name(), "File Size");
  EXPECT_EQ(Event->ID(), "FileSizeLimit");
  EXPECT_EQ(Event->GetConfigText(), "FILE=;WHEN=0;SIZE=0;SIZETYPE=0;");
  struct TCase {
    const char* Config;
    const char* Description;
  };
  const TCase Cases[] = {
      {"FILE=C:\\dl\\a.iso;WHEN=0;SIZE=10;SIZETYPE=2;",
       "File \"C:\\dl\\a.iso\" reaches size 10 MB"},
      {"FILE=a.iso;SIZE=700;SIZETYPE=1;", "File \"a.iso\" reaches size 700 KB"},
      {"FILE=a.iso;SIZE=4;SIZETYPE=3;", "File \"a.iso\" reaches size 4 GB"},
      {"FILE=a.iso;SIZE=12;SIZETYPE=9;", "File \"a.iso\" reaches size 12 Bytes"},
      {"FILE=a.iso;WHEN=1;", "File \"a.iso\" created"},
      {"FILE=a.iso;WHEN=2;", "File \"a.iso\" no longer exists"},
      {"FILE=a.iso;WHEN=3;", ""},
  };
  for (const auto& C : Cases) {
    Event->SetConfigText(C.Config);
    EXPECT_EQ(Event->GetDescription(), C.Description) << C.Config;
  }
}

TEST_F(FileSizeEventTest, SizesBeyondThe32BitRangeKeepAllTheirDigits) {
  auto Event = Host.Make<TKoEventFileSize>();
  Event->SetConfigText("FILE=x;SIZE=8589934592;SIZETYPE=3;");
  EXPECT_EQ(Event->Config().Size, 8589934592);
  EXPECT_EQ(Event->GetConfigText(), "FILE=x;WHEN=0;SIZE=8589934592;SIZETYPE=3;");
  for (const char* Malformed : {"SIZE=12MB;", "SIZE=;", "SIZE=99999999999999999999;"}) {
    Event->SetConfigText(Malformed);
    EXPECT_EQ(Event->Config().Size, 0) << Malformed;
  }
  Event->SetConfigText("SIZE= -5;");
  EXPECT_EQ(Event->Config().Size, -5);
}

TEST_F(FileSizeEventTest, ALimitIsReachedAtItsExactByteCount) {
  const std::string File = Folder.Text("download.part");
  Resize(File, 10485759);
  auto Event = Start(File, TKoEventFileSize::fswReachesSize, 10, TKoEventFileSize::fstMB);
  EXPECT_EQ(Event->GetStatusText(), "") << "nothing before the first check";
  Loop.Advance(1000);
  EXPECT_EQ(Event->GetStatusText(), "File size: 9 MB");
  EXPECT_FALSE(Event->Triggered());
  Resize(File, 10485760);
  Loop.Advance(1000);
  EXPECT_EQ(Event->GetStatusText(), "File size: 10 MB");
  EXPECT_TRUE(Event->Triggered());
  Resize(File, 100);
  Loop.Advance(1000);
  EXPECT_FALSE(Event->Triggered()) << "a level: a file that shrinks below the limit";
  EXPECT_EQ(Event->GetStatusText(), "File size: 0 MB");
  fs::remove(Utf8ToPath(File));
  Loop.Advance(1000);
  EXPECT_EQ(Event->GetStatusText(), "File not found");
  Event->Stop();
  EXPECT_EQ(Event->GetStatusText(), "");
}

TEST_F(FileSizeEventTest, FilesLargerThanFourGigabytesCompareWithTheirWholeSize) {
  const std::string File = Folder.Text("disk.img");
  Resize(File, std::uintmax_t{5} << 30);
  auto Reached = Start(File, TKoEventFileSize::fswReachesSize, 5, TKoEventFileSize::fstGB);
  auto Beyond = Start(File, TKoEventFileSize::fswReachesSize, 5368709121);
  Loop.Advance(1000);
  EXPECT_TRUE(Reached->Triggered());
  EXPECT_EQ(Reached->GetStatusText(), "File size: 5 GB");
  EXPECT_FALSE(Beyond->Triggered());
  EXPECT_EQ(Beyond->GetStatusText(), "File size: 5368709120 Bytes");
}

TEST_F(FileSizeEventTest, LimitsOfZeroOrLessAndLimitsTooLargeToCount) {
  const std::string File = Folder.Text("empty.txt");
  const std::string Missing = Folder.Text("missing.txt");
  WriteBytes(File, "");
  auto Zero = Start(File, TKoEventFileSize::fswReachesSize, 0, TKoEventFileSize::fstGB);
  auto Negative = Start(File, TKoEventFileSize::fswReachesSize, -5);
  auto MissingNegative = Start(Missing, TKoEventFileSize::fswReachesSize, -5);
  auto Huge =
      Start(File, TKoEventFileSize::fswReachesSize, std::int64_t{1} << 62, TKoEventFileSize::fstGB);
  Loop.Advance(1000);
  EXPECT_TRUE(Zero->Triggered());
  EXPECT_TRUE(Negative->Triggered());
  EXPECT_FALSE(MissingNegative->Triggered()) << "a missing file has reached no size";
  EXPECT_FALSE(Huge->Triggered()) << "the limit saturates instead of overflowing";
}

TEST_F(FileSizeEventTest, CreatedAndNoLongerExistsFollowTheFile) {
  const std::string File = Folder.Text("done.flag");
  auto Created = Start(File, TKoEventFileSize::fswCreated);
  auto Gone = Start(File, TKoEventFileSize::fswNoLongerExists);
  Loop.Advance(1000);
  EXPECT_FALSE(Created->Triggered());
  EXPECT_TRUE(Gone->Triggered());
  EXPECT_EQ(Created->GetStatusText(), "File not found");
  WriteBytes(File, "ok");
  Loop.Advance(1000);
  EXPECT_TRUE(Created->Triggered());
  EXPECT_FALSE(Gone->Triggered());
  EXPECT_EQ(Gone->GetStatusText(), "File found");
  fs::remove(Utf8ToPath(File));
  Loop.Advance(1000);
  EXPECT_FALSE(Created->Triggered());
  EXPECT_TRUE(Gone->Triggered());
}

TEST_F(FileSizeEventTest, FoldersAndPatterns) {
  const std::string Sub = Folder.Text("out");
  auto FolderCreated = Start(IncludeTrailingPathDelimiter(Sub), TKoEventFileSize::fswCreated);
  auto NamedWithoutDelimiter = Start(Sub, TKoEventFileSize::fswCreated);
  auto Logs = Start(Folder.Text("out") + PathDelim + "*.LOG", TKoEventFileSize::fswReachesSize, 3);
  auto AnyExtension =
      Start(Folder.Text("out") + PathDelim + "report.*", TKoEventFileSize::fswCreated);
  Loop.Advance(1000);
  EXPECT_FALSE(FolderCreated->Triggered());
  EXPECT_FALSE(NamedWithoutDelimiter->Triggered());
  fs::create_directories(Utf8ToPath(Sub));
  Loop.Advance(1000);
  EXPECT_TRUE(FolderCreated->Triggered()) << "a trailing delimiter watches the folder";
  EXPECT_TRUE(NamedWithoutDelimiter->Triggered()) << "found as a directory entry";
  EXPECT_EQ(NamedWithoutDelimiter->CurrentSize(), 0);
  EXPECT_FALSE(Logs->Triggered());
  EXPECT_EQ(Logs->GetStatusText(), "File not found");
  WriteBytes(Sub + PathDelim + "build.log", "12345");
  WriteBytes(Sub + PathDelim + "report", "");
  Loop.Advance(1000);
  EXPECT_TRUE(Logs->Triggered()) << "the matching entry, in any letter case";
  EXPECT_EQ(Logs->GetStatusText(), "File size: 5 Bytes");
  EXPECT_TRUE(AnyExtension->Triggered()) << "\".*\" also takes a name without extension";
}

TEST_F(FileSizeEventTest, AnUnknownUnitKeepsTheEventFromStarting) {
  auto Event = Host.Make<TKoEventFileSize>();
  Event->SetConfigText("FILE=x;WHEN=1;SIZETYPE=7;");
  try {
    Event->Start();
    FAIL() << "started with a unit it cannot measure in";
  } catch (const EKoException& Error) {
    EXPECT_STREQ(Error.what(), "Unknown file size type: 7");
  }
}

TEST(FileNamePatternTest, MatchesAsDirectorySearchesDo) {
  struct TCase {
    const char* Name;
    const char* Pattern;
    bool Matches;
  };
  const TCase Cases[] = {
      {"build.log", "*.log", true}, {"BUILD.LOG", "*.log", true}, {"build.log2", "*.log", false},
      {"a.b.log", "*.log", true},   {"abc", "a?c", true},         {"ac", "a?c", false},
      {"README", "*.*", true},      {"report", "report.*", true}, {"report.txt", "report.*", true},
      {"[x].txt", "[x].txt", true}, {"x.txt", "[x].txt", false},  {"", "*", true},
      {"aaab", "*a*b", true},       {"aaac", "*a*b", false},      {"Ärger.txt", "ä*", true},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(MatchesFileNamePattern(C.Name, C.Pattern), C.Matches) << C.Name << " ~ " << C.Pattern;
}

}  // namespace
