// The Screenshot action: its settings, the three naming schemes against real folders, and what it
// writes, with the simulated screen and encoder and the simulated clock.

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "actions/uActionScreenshot.h"
#include "actions/uScreenshot.h"
#include "support/uTempFolder.h"
#include "uActionsHost.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class ScreenshotTest : public testing::Test {
 protected:
  void SetUp() override { Host.Loop.SetNow(MakeDateTime(2026, 3, 4, 5, 6, 7, 890)); }

  // The name the next execution would use.
  std::string NameFor(int Schema, const std::string& Path) {
    return ScreenshotFileName({static_cast<std::uint8_t>(Schema), Path}, Host.Loop.Now());
  }
  std::string Run(int Schema, const std::string& Path) {
    auto Action =
        Host.Action("Screenshot", "NAMINGSCHEMA=" + std::to_string(Schema) + ";PATH=" + Path + ";");
    Action->Run();
    return Action->GetStatusText();
  }

  TActionsHost Host;
  TTempFolder Folder;
};

TEST_F(ScreenshotTest, SettingsAndDescriptions) {
  auto Action = Host.Registry.CreateAction("Screenshot");
  EXPECT_EQ(Action->Name(), "Screenshot");
  EXPECT_FALSE(Action->Terminal());
  EXPECT_EQ(Action->GetConfigText(), "NAMINGSCHEMA=1;PATH=;");
  const std::string Stored = "NAMINGSCHEMA=3;PATH=C:\\Shots\\;";
  EXPECT_EQ(Host.Action("Screenshot", Stored)->Clone(true)->GetConfigText(), Stored);
  // A missing schema reads as 0, which has no description but names files like schema 1.
  EXPECT_EQ(Host.Action("Screenshot", "PATH=x;")->GetConfigText(), "NAMINGSCHEMA=0;PATH=x;");

  const std::pair<const char*, const char*> Cases[] = {
      {"NAMINGSCHEMA=1;PATH=C:\\a.jpg;", "Save in \"C:\\a.jpg\""},
      {"NAMINGSCHEMA=2;PATH=C:\\Shots;", "Sequentially numbered in \"C:\\Shots\""},
      {"NAMINGSCHEMA=3;PATH=;", "Date and time stamped in \"\""},
      {"NAMINGSCHEMA=0;PATH=C:\\a.jpg;", ""},
      {"NAMINGSCHEMA=258;PATH=C:\\a;", "Sequentially numbered in \"C:\\a\""},  // a byte
  };
  for (const auto& [Config, Description] : Cases)
    EXPECT_EQ(Host.Action("Screenshot", Config)->GetDescription(), Description) << Config;
}

TEST_F(ScreenshotTest, SpecifiedNameGetsTheDefaultNameAndExtensionWhenMissing) {
  WriteBytes(Folder.Text("sub.d") + PathDelim + "keep", "");
  const std::string Sub = Folder.Text("sub.d");
  const std::pair<std::string, std::string> Cases[] = {
      {Folder.Text("a.jpg"), Folder.Text("a.jpg")},
      {Folder.Text("a.JPG"), Folder.Text("a.JPG")},  // any case of the extension
      {Folder.Text("a.Jpg"), Folder.Text("a.Jpg")},
      {Folder.Text("a.png"), Folder.Text("a.png.jpg")},
      {Folder.Text("a.jpeg"), Folder.Text("a.jpeg.jpg")},
      {Folder.Text("shot"), Folder.Text("shot.jpg")},
      {Folder.Text("a."), Folder.Text("a..jpg")},
      {Sub, Sub + PathDelim + "screenshot.jpg"},  // an existing folder, without its delimiter
      {Sub + PathDelim, Sub + PathDelim + "screenshot.jpg"},
      {Sub + PathDelim + "name",
       Sub + PathDelim + "name.jpg"},  // the dot of a folder is no extension
      {Folder.Text("missing") + PathDelim, Folder.Text("missing") + PathDelim + "screenshot.jpg"},
      {"", "screenshot.jpg"},
  };
  for (const auto& [Path, Expected] : Cases) {
    EXPECT_EQ(NameFor(1, Path), Expected) << Path;
    EXPECT_EQ(NameFor(0, Path), Expected) << "an unknown schema names files like the first";
    EXPECT_EQ(NameFor(9, Path), Expected);
  }
}

TEST_F(ScreenshotTest, NumberedNamesTakeTheFirstFreeNumber) {
  EXPECT_EQ(NameFor(2, PathToUtf8(Folder.Path())), Folder.Text("1.jpg"));
  WriteBytes(Folder.Text("1.jpg"), "");
  WriteBytes(Folder.Text("3.jpg"), "");
  EXPECT_EQ(NameFor(2, PathToUtf8(Folder.Path())), Folder.Text("2.jpg"));
  EXPECT_EQ(NameFor(2, Folder.Text()), Folder.Text("2.jpg"));
  // A path that is no folder is a prefix of the names beside it.
  EXPECT_EQ(NameFor(2, Folder.Text("img")), Folder.Text("img1.jpg"));
  std::filesystem::create_directory(Utf8ToPath(Folder.Text("img1.jpg")));
  EXPECT_EQ(NameFor(2, Folder.Text("img")), Folder.Text("img2.jpg")) << "a folder takes a name too";
}

TEST_F(ScreenshotTest, StampedNamesCountDuplicatesOfTheSameSecondFromTwo) {
  EXPECT_EQ(ScreenshotTimeStamp(MakeDateTime(2026, 12, 31, 23, 59, 59, 999)), "20261231_235959");
  EXPECT_EQ(ScreenshotTimeStamp(MakeDateTime(987, 1, 2, 3, 4, 5)), "09870102_030405");

  const std::string Base = Folder.Text("20260304_050607");
  EXPECT_EQ(NameFor(3, PathToUtf8(Folder.Path())), Base + ".jpg");
  WriteBytes(Base + ".jpg", "");
  EXPECT_EQ(NameFor(3, Folder.Text()), Base + "_2.jpg");
  WriteBytes(Base + "_2.jpg", "");
  EXPECT_EQ(NameFor(3, Folder.Text()), Base + "_3.jpg");
  EXPECT_EQ(NameFor(3, Folder.Text("cam-")), Folder.Text("cam-20260304_050607.jpg"));
}

TEST_F(ScreenshotTest, FindFreeNumberedNameGivesUpAfterItsAttempts) {
  for (const char* Name : {"p5.x", "p6.x", "p7.x"})
    WriteBytes(Folder.Text(Name), "");
  std::uint64_t Counter = 5;
  EXPECT_EQ(FindFreeNumberedName(Folder.Text("p"), ".x", 3, Counter), "");
  EXPECT_EQ(Counter, 8u);
  EXPECT_EQ(FindFreeNumberedName(Folder.Text("p"), ".x", 3, Counter), Folder.Text("p8.x"));
  EXPECT_EQ(Counter, 9u);
  Counter = 5;
  EXPECT_EQ(FindFreeNumberedName(Folder.Text("p"), ".x", 0, Counter), "");
  EXPECT_EQ(Counter, 5u);
  // The counter is 64 bits wide.
  Counter = 4294967296u;
  EXPECT_EQ(FindFreeNumberedName(Folder.Text("p"), ".x", 1, Counter), Folder.Text("p4294967296.x"));
}

TEST_F(ScreenshotTest, EachSchemaWritesAJpegAtQuality80) {
  EXPECT_EQ(Run(1, Folder.Text("desk.png")), "Finished");
  EXPECT_EQ(Run(2, Folder.Text()), "Finished");
  EXPECT_EQ(Run(2, Folder.Text()), "Finished");
  EXPECT_EQ(Run(3, Folder.Text()), "Finished");
  EXPECT_EQ(Run(3, Folder.Text()), "Finished");
  EXPECT_THAT(FolderEntries(Folder.Text()), ElementsAre("1.jpg", "2.jpg", "20260304_050607.jpg",
                                                        "20260304_050607_2.jpg", "desk.png.jpg"));
  EXPECT_EQ(ReadBytes(Folder.Text("2.jpg")), "JPEG quality 80 4x3");
  EXPECT_EQ(Host.Screen.Calls.front(), "BitBlt 0x40CC0020") << "layered windows included";
}

TEST_F(ScreenshotTest, SpecifiedNameReplacesAnExistingFile) {
  WriteBytes(Folder.Text("a.jpg"), "old");
  EXPECT_EQ(Run(1, Folder.Text("a.jpg")), "Finished");
  EXPECT_EQ(ReadBytes(Folder.Text("a.jpg")), "JPEG quality 80 4x3");
  EXPECT_THAT(FolderEntries(Folder.Text()), ElementsAre("a.jpg"));
}

TEST_F(ScreenshotTest, FailuresEndInAPlainErrorAndLeaveFilesAlone) {
  WriteBytes(Folder.Text("a.jpg"), "old");
  // A missing folder is not created.
  EXPECT_EQ(Run(1, Folder.Text("missing") + PathDelim + "a.jpg"), "Error");
  EXPECT_EQ(Run(2, Folder.Text("missing") + PathDelim), "Error");
  Host.Screen.EncoderWorks = false;
  EXPECT_EQ(Run(1, Folder.Text("a.jpg")), "Error");
  Host.Screen.EncoderWorks = true;
  Host.Screen.Screen.reset();
  EXPECT_EQ(Run(1, Folder.Text("a.jpg")), "Error");
  EXPECT_THAT(FolderEntries(Folder.Text()), ElementsAre("a.jpg"));
  EXPECT_EQ(ReadBytes(Folder.Text("a.jpg")), "old");

  TKoServices WithoutScreen = Host.Services;
  WithoutScreen.ScreenCapture = nullptr;
  auto Action = TKoActionObject::Create<TKoActionScreenshot>(WithoutScreen);
  Action->Run();
  EXPECT_EQ(Action->GetStatusText(), "Error: This action cannot reach the system it acts on.");
}

TEST_F(ScreenshotTest, SharedCaptureFunctions) {
  TSimScreen Screen;
  TSimMachine Machine;
  const TScreenshotPorts Ports{Screen, Screen, Machine};
  EXPECT_EQ(WriteScreenshotPng(Ports), "PNG 4x3");
  EXPECT_EQ(WriteScreenshotJpeg(Ports, 55), "JPEG quality 55 4x3");
  Machine.Version = {2, 4, 0};  // NT 4 knows no CAPTUREBLT
  EXPECT_EQ(CaptureScreen(Ports).Width, 4);
  EXPECT_THAT(Screen.Calls, ElementsAre("BitBlt 0x40CC0020", "PNG", "BitBlt 0x40CC0020", "JPEG 55",
                                        "BitBlt 0x00CC0020"));

  Screen.EncoderWorks = false;
  EXPECT_THROW(WriteScreenshotPng(Ports), EScreenshot);
  Screen.Screen = TRawImage{};  // nothing to see is no picture
  EXPECT_THROW(CaptureScreen(Ports), EScreenshot);
  EXPECT_FALSE(TrySaveScreenshotJpeg(Ports, Folder.Text("x.jpg"), 80));
  EXPECT_THAT(FolderEntries(Folder.Text()), IsEmpty());
}

}  // namespace
