#include "core/uIniFile.h"

#include <gtest/gtest.h>

#include <random>

#include "support/uTempFolder.h"

namespace {

struct ReadCase {
  const char* What;
  std::string Text;
  const char* Section;
  const char* Key;
  const char* Expected;  // nullptr: the key must not be there
};

TEST(IniFileTest, ReadsWhatEditorsAndOtherProgramsWrite) {
  const ReadCase Cases[] = {
      {"CR LF", "[General]\r\nLogic=2\r\n", "General", "Logic", "2"},
      {"LF only", "[General]\nLogic=2\n", "General", "Logic", "2"},
      {"byte-order mark", "\xEF\xBB\xBF[General]\r\nLogic=3\r\n", "General", "Logic", "3"},
      {"no final line break", "[General]\nLogic=1", "General", "Logic", "1"},
      {"blank and comment lines", "\n; note\n# note\n[General]\n\n  ; indented\nLogic=1\n",
       "General", "Logic", "1"},
      {"names ignore case", "[GENERAL]\nlogic=2\n", "general", "LOGIC", "2"},
      {"blanks around name and value", "[ General ]\n  Logic \t=  2  \n", "General", "Logic", "2"},
      {"value keeps = and ;", "[Event1]\nConfig=TIME=0:10:00;\n", "Event1", "Config",
       "TIME=0:10:00;"},
      {"comment after a header", "[General] ; main\nLogic=1\n", "General", "Logic", "1"},
      {"bracket inside a name", "[a]b]\nK=1\n", "A]B", "K", "1"},
      {"quotes are part of the value", "[A]\nName=\"x\"\n", "A", "Name", "\"x\""},
      {"empty value", "[A]\nName=\n", "A", "Name", ""},
      {"first of two equal keys counts", "[A]\nK=1\nk=2\n", "A", "K", "1"},
      {"repeated section continues the first", "[A]\nK=1\n[B]\n[a]\nL=2\n", "A", "L", "2"},
      {"key before any section", "K=1\n[A]\n", "A", "K", nullptr},
      {"line without =", "[A]\njust some words\nK=1\n", "A", "K", "1"},
      {"line without key", "[A]\n=orphan\n", "A", "", nullptr},
      {"unclosed header hides its keys", "[A]\nK=1\n[B\nK2=2\n", "A", "K2", nullptr},
      {"text after a header hides its keys", "[A]\n[B] x\nK2=2\n", "A", "K2", nullptr},
      {"empty header hides its keys", "[A]\n[]\nK=1\n", "A", "K", nullptr},
      {"keys after a broken header return with the next", "[B\nX=1\n[A]\nK=1\n", "A", "K", "1"},
  };
  for (const auto& Case : Cases) {
    const TIniFile Ini = TIniFile::FromText(Case.Text);
    EXPECT_EQ(Ini.ValueExists(Case.Section, Case.Key), Case.Expected != nullptr) << Case.What;
    EXPECT_EQ(Ini.ReadString(Case.Section, Case.Key, "<default>"),
              Case.Expected ? Case.Expected : "<default>")
        << Case.What;
  }
}

TEST(IniFileTest, ListsSectionsInFileOrderOnceEach) {
  const TIniFile Ini = TIniFile::FromText(
      "[General]\nLogic=1\n[Action1]\nID=Shutdown\n[Event2]\n[event2]\n[Event1]\nID=Countdown\n");
  EXPECT_EQ(Ini.Sections(), (std::vector<std::string>{"General", "Action1", "Event2", "Event1"}));
  EXPECT_TRUE(Ini.SectionExists("EVENT1"));
  EXPECT_FALSE(Ini.SectionExists("Event3"));
  EXPECT_EQ(Ini.Keys("action1"), (std::vector<std::string>{"ID"}));
}

TEST(IniFileTest, ReadsDecimalIntegersOnly) {
  const struct {
    const char* Value;
    int Expected;
  } Cases[] = {
      {"42", 42}, {"-7", -7},   {"+5", 5},   {" 12 ", 12},        {"12abc", -1},
      {"", -1},   {"0x10", -1}, {"$10", -1}, {"99999999999", -1}, {"-2147483648", -2147483648},
      {"-", -1},
  };
  for (const auto& Case : Cases) {
    const TIniFile Ini = TIniFile::FromText(std::string("[A]\nN=") + Case.Value + "\n");
    EXPECT_EQ(Ini.ReadInteger("A", "N", -1), Case.Expected) << Case.Value;
  }
  EXPECT_EQ(TIniFile().ReadInteger("A", "Missing", 9), 9);
}

TEST(IniFileTest, WritesPlainTextThatReadsBack) {
  TIniFile Ini;
  Ini.WriteInteger("General", "Logic", 0);
  Ini.WriteString("Event1", "ID", "Countdown");
  Ini.WriteString("Event1", "Config", "TIME=0:10:00;");
  Ini.WriteString("GENERAL", "logic", "3");  // updates the existing key under its first name
  Ini.WriteString("Empty", "Value", "");
  const std::string Expected =
      "[General]\r\nLogic=3\r\n"
      "\r\n[Event1]\r\nID=Countdown\r\nConfig=TIME=0:10:00;\r\n"
      "\r\n[Empty]\r\nValue=\r\n";
  EXPECT_EQ(Ini.ToText(), Expected);
  EXPECT_EQ(TIniFile::FromText(Expected).ToText(), Expected);
}

TEST(IniFileTest, EditsSectionsAndKeys) {
  TIniFile Ini = TIniFile::FromText("[A]\nK=1\nL=2\n[B]\nM=3\n[C]\nN=4\n");
  Ini.DeleteKey("a", "k");
  Ini.EraseSection("b");
  EXPECT_EQ(Ini.ToText(), "[A]\r\nL=2\r\n\r\n[C]\r\nN=4\r\n");
  EXPECT_EQ(Ini.ReadString("C", "N", ""), "4") << "lookups still work after a section went";
  Ini.Clear();
  EXPECT_EQ(Ini.ToText(), "");
  EXPECT_TRUE(Ini.Sections().empty());
}

TEST(IniFileTest, RefusesToWriteWhatWouldNotReadBack) {
  const struct {
    const char* Section;
    const char* Key;
    const char* Value;
  } Cases[] = {
      {"", "K", "v"},
      {"A\r\nB", "K", "v"},
      {" A", "K", "v"},
      {"A", "", "v"},
      {"A", "K=L", "v"},
      {"A", "[K", "v"},
      {"A", ";K", "v"},
      {"A", "K ", "v"},
      {"A", "K", "one\r\n[Protection]\r\nEnabled=0"},
      {"A", "K", "line\nbreak"},
  };
  for (const auto& Case : Cases) {
    TIniFile Ini;
    EXPECT_THROW(Ini.WriteString(Case.Section, Case.Key, Case.Value), EIniFile)
        << Case.Section << "/" << Case.Key << "/" << Case.Value;
    EXPECT_EQ(Ini.ToText(), "") << "a refused write changes nothing";
  }
}

// Whatever the bytes, reading succeeds, and what the document writes reads back the same.
TEST(IniFileTest, ArbitraryBytesNeverBreakReading) {
  std::mt19937 Random(20240611);
  const std::string Alphabet = "[]=;#\r\n \tAbc\xEF\xBB\xBF\0";
  for (int Round = 0; Round < 500; ++Round) {
    std::string Text(Random() % 200, ' ');
    for (char& Letter : Text)
      Letter = Alphabet[Random() % Alphabet.size()];
    const std::string Written = TIniFile::FromText(Text).ToText();
    EXPECT_EQ(TIniFile::FromText(Written).ToText(), Written);
  }
}

TEST(IniFileTest, LoadsFromAndSavesToDisk) {
  TTempFolder Folder;
  const std::string FileName = Folder.Text("Preset.kpr");
  WriteBytes(FileName, "\xEF\xBB\xBF[General]\r\nLogic=2\r\n");
  TIniFile Ini = TIniFile::LoadFromFile(FileName);
  EXPECT_EQ(Ini.ReadInteger("General", "Logic", 0), 2);

  Ini.WriteString("Event1", "ID", "Countdown");
  Ini.SaveToFile(FileName);
  EXPECT_EQ(ReadBytes(FileName), "[General]\r\nLogic=2\r\n\r\n[Event1]\r\nID=Countdown\r\n");
}

TEST(IniFileTest, ReportsFilesItCannotRead) {
  TTempFolder Folder;
  for (const std::string& FileName : {Folder.Text("Missing.ini"), Folder.Text()}) {
    try {
      TIniFile::LoadFromFile(FileName);
      ADD_FAILURE() << FileName << " was read";
    } catch (const EIniFile& Error) {
      EXPECT_NE(std::string(Error.what()).find("Cannot read the file \"" + FileName + "\": "),
                std::string::npos)
          << Error.what();
    }
  }
}

}  // namespace
