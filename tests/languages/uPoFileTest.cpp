#include "app/uPoFile.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Ids(const TPoCatalog& Catalog) {
  std::vector<std::string> Result;
  for (const TPoEntry& Entry : Catalog.Entries)
    Result.push_back(Entry.Id);
  return Result;
}

TEST(PoFileTest, ReadsTheHeaderFieldsTheLanguageMenuNeeds) {
  // As translation editors write it: a fuzzy header, fields in any letter case, and a long
  // field wrapped over two quoted lines.
  const TPoCatalog Catalog = ParsePo(
      "# German translation\r\n"
      "#, fuzzy\r\n"
      "msgid \"\"\r\n"
      "msgstr \"\"\r\n"
      "\"Project-Id-Version: Kolvane\\n\"\r\n"
      "\"language: de\\n\"\r\n"
      "\"X-Language-Name:   German \\n\"\r\n"
      "\"X-Language-Name-Native: Deutsch\\n\"\r\n"
      "\"X-Country: DE\\n\"\r\n"
      "\"X-Translators: Anna Beispiel, Bernd \"\r\n"
      "\"Muster\\n\"\r\n"
      "\r\n"
      "#: ustrings.msg_status_ready\r\n"
      "msgid \"Ready\"\r\n"
      "msgstr \"Bereit\"\r\n");
  ASSERT_TRUE(Catalog.Header);
  const struct {
    const char* Name;
    const char* Value;
  } Cases[] = {
      {"Language:", "de"},
      {"X-Language-Name:", "German"},
      {"x-language-name-native:", "Deutsch"},
      {"X-Country:", "DE"},
      {"X-Country-Name:", ""},
      {"X-Translators:", "Anna Beispiel, Bernd Muster"},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(PoHeaderField(*Catalog.Header, Case.Name), Case.Value) << Case.Name;
  EXPECT_EQ(Ids(Catalog), std::vector<std::string>{"Ready"});
}

TEST(PoFileTest, FilesWithoutAHeaderEntryHaveNone) {
  const char* Cases[] = {
      "",
      "\xEF\xBB\xBF",
      "msgid \"Ready\"\nmsgstr \"Bereit\"\n",
      "msgid \"\"\n\"\"\nmsgid \"x\"\n",
      "msgctxt \"a.b\"\nmsgid \"\"\nmsgstr \"not a header: it has a context\"\n",
      "msgid \"\"\nmsgstr \"unterminated\n",
      "#~ msgid \"\"\n#~ msgstr \"Language: de\\n\"\n",
  };
  for (const char* Text : Cases)
    EXPECT_FALSE(ParsePo(Text).Header) << Text;
}

TEST(PoFileTest, ReadsEntriesWithReferencesContextsFlagsAndContinuations) {
  const TPoCatalog Catalog = ParsePo(
      "\xEF\xBB\xBFmsgid \"\"\nmsgstr \"Language: de\\n\"\n"
      "\n"
      "# translator's note\n"
      "#. extracted note\n"
      "#: mainform.scaption  uother.scaption\n"
      "#: third.scaption\n"
      "#, object-pascal-format, fuzzy\n"
      "#| msgid \"Old\"\n"
      "msgctxt \"mainform.scaption\"\n"
      "msgid \"\"\n"
      "\"Line one\\r\\n\"\n"
      "   \"Line two\"\n"
      "msgstr \"Zeile eins\\r\\n\" \n"
      "\"Zeile zwei\"\n"
      "#: plural.unit\n"
      "msgid \"%d file\"\n"
      "msgid_plural \"%d files\"\n"
      "msgstr[0] \"%d Datei\"\n"
      "msgstr[1] \"%d Dateien\"\n"
      "msgid \"No comments\"\n"
      "msgstr \"\"\n");
  ASSERT_EQ(Catalog.Entries.size(), 3u);

  const TPoEntry& Joined = Catalog.Entries[0];
  EXPECT_EQ(Joined.References,
            (std::vector<std::string>{"mainform.scaption", "uother.scaption", "third.scaption"}));
  EXPECT_EQ(Joined.Context, "mainform.scaption");
  EXPECT_EQ(Joined.Id, "Line one\r\nLine two");
  EXPECT_EQ(Joined.Texts, std::vector<std::string>{"Zeile eins\r\nZeile zwei"});
  EXPECT_TRUE(Joined.Fuzzy);
  EXPECT_FALSE(Joined.IdPlural);

  const TPoEntry& Plural = Catalog.Entries[1];
  EXPECT_EQ(Plural.IdPlural, "%d files");
  EXPECT_EQ(Plural.Texts, (std::vector<std::string>{"%d Datei", "%d Dateien"}));
  EXPECT_FALSE(Plural.Fuzzy);

  const TPoEntry& Bare = Catalog.Entries[2];
  EXPECT_TRUE(Bare.References.empty());
  EXPECT_FALSE(Bare.Context);
  EXPECT_EQ(Bare.Texts, std::vector<std::string>{""});
}

TEST(PoFileTest, DecodesTheEscapesOfC) {
  const struct {
    const char* Quoted;
    std::string Text;
  } Cases[] = {
      {R"("a\"b")", "a\"b"},
      {R"("back\\slash")", "back\\slash"},
      {R"("tab\there")", "tab\there"},
      {R"("\r\n\a\b\f\v")", "\r\n\a\b\f\v"},
      {R"("\'\?")", "'?"},
      {R"("\101\60x")", "A0x"},
      {R"("\x41\x4a\x4Bz")", "AJKz"},
      {R"("\303\244")", "\xC3\xA4"},
      {"\"\xC3\xA4 stays\"", "\xC3\xA4 stays"},
  };
  for (const auto& Case : Cases) {
    const TPoCatalog Catalog = ParsePo(std::string("msgid \"x\"\nmsgstr ") + Case.Quoted + "\n");
    ASSERT_EQ(Catalog.Entries.size(), 1u) << Case.Quoted;
    EXPECT_EQ(Catalog.Entries[0].Texts.front(), Case.Text) << Case.Quoted;
  }
}

// A broken entry is left out, and the entries before and after it are still read.
TEST(PoFileTest, LeavesOutBrokenEntriesOnly) {
  const char* Broken[] = {
      "msgid \"b\"\nmsgstr \"unterminated\n",
      "msgid \"b\"\nmsgstr \"stray \" quote\"\n",
      "msgid \"b\"\nmsgstr \"escaped end\\\"\n",
      "msgid \"b\"\nmsgstr \"unknown \\q escape\"\n",
      "msgid \"b\"\nmsgstr \"nul \\0 inside\"\n",
      "msgid \"b\"\nmsgstr \"nul \\x00 inside\"\n",
      "msgid \"b\"\nmsgstr \"octal \\777 too big\"\n",
      "msgid \"b\"\nmsgstr \"hex \\xg\"\n",
      "msgid \"b\"\nmsgstr no quotes\n",
      "msgid \"b\"\nmsgstr\n",
      "msgid \"b\"\nmsgtext \"unknown keyword\"\n",
      "msgstr \"translation without msgid\"\n",
      "msgid \"b\"\nmsgid_plural \"bs\"\nmsgstr \"plural without index\"\n",
      "msgid \"b\"\nmsgstr[0] \"index without plural\"\n",
      "msgid \"b\"\n#: comment.inside\nmsgstr \"x\"\n",
      "msgid \"b\"\nmsgstr \"x\"\nmsgstr \"twice\"\n",
      "msgid \"b\"\nmsgctxt \"context after msgid\"\nmsgstr \"x\"\n",
      "msgid \"b\"\n",
      "\"continuation without a keyword\"\n",
      "\x01\x02\xFF garbage\n",
  };
  for (const char* Snippet : Broken) {
    const std::string Text = std::string("msgid \"a\"\nmsgstr \"A\"\n\n") + Snippet +
                             "\n#: unit.c\nmsgid \"c\"\nmsgstr \"C\"\n";
    EXPECT_EQ(Ids(ParsePo(Text)), (std::vector<std::string>{"a", "c"})) << Snippet;
  }
}

TEST(PoFileTest, SkipsObsoleteEntriesWithTheirComments) {
  const TPoCatalog Catalog = ParsePo(
      "#, fuzzy\n"
      "#: old.unit\n"
      "#~ msgid \"Gone\"\n"
      "#~ msgstr \"Weg\"\n"
      "\n"
      "#: unit.kept\n"
      "msgid \"Kept\"\n"
      "msgstr \"Behalten\"\n"
      "#~| msgid \"Older\"\n"
      "#~ msgid \"Also gone\"\n"
      "#~ msgstr \"\"\n"
      "#~ \"Auch weg\"\n");
  ASSERT_EQ(Ids(Catalog), std::vector<std::string>{"Kept"});
  EXPECT_FALSE(Catalog.Entries[0].Fuzzy) << "the obsolete entry's flag must not move on";
  EXPECT_EQ(Catalog.Entries[0].References, std::vector<std::string>{"unit.kept"});
}

TEST(PoFileTest, StatementsReadBackAsTheyWereWritten) {
  const std::string Texts[] = {
      "",
      "Ready",
      "Planner cannot be started!\r\n\r\nThere must be at least one event or action.",
      "Ends with a break\r\n",
      "\"Quoted\" and back\\slash and tab\t",
      "Control \x01\x1F characters",
      "Unicode \xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80",
      "%s of %d at 100%%",
  };
  for (const std::string& Text : Texts) {
    const std::string Po = PoStatement("msgid", Text) + PoStatement("msgstr", Text);
    const TPoCatalog Catalog = ParsePo("msgid \"\"\nmsgstr \"h\"\n\n" + Po);
    ASSERT_EQ(Catalog.Entries.size(), Text.empty() ? 0u : 1u) << Po;
    if (!Text.empty()) {
      EXPECT_EQ(Catalog.Entries[0].Id, Text) << Po;
      EXPECT_EQ(Catalog.Entries[0].Texts.front(), Text) << Po;
    }
  }
  EXPECT_EQ(PoStatement("msgid", "a\nb"), "msgid \"\"\n\"a\\n\"\n\"b\"\n");
  EXPECT_EQ(PoStatement("msgid", "a\n"), "msgid \"a\\n\"\n");
}

}  // namespace
