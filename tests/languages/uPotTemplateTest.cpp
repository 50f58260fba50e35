#include "app/uPotTemplate.h"

#include <gtest/gtest.h>

#include <set>

#include "app/uLanguages.h"
#include "app/uPoFile.h"
#include "app/uResourceCatalog.h"

namespace {

// The catalogue is gathered from every unit's header: two units choosing the same identifier,
// or one written so that a translation could never name it, would make texts untranslatable.
TEST(ResourceCatalogTest, HoldsEveryUnitsTextsOnceEach) {
  const auto Catalog = ResourceCatalog();
  EXPECT_EQ(CatalogProblems(Catalog), std::vector<std::string>{});
  std::set<std::string_view> Ids;
  for (const TResString* Text : Catalog)
    Ids.insert(Text->Id);
  for (const char* Id :
       {"ustrings.msg_status_ready", "uplannerevents.name_event_countdown", "tform_message.caption",
        "mainform.sincorrectpassword", "tform_password.caption", "ulanguages.soriginalenglish",
        "uwindowmessenger.sfailedtoallocatehandle"})
    EXPECT_EQ(Ids.count(Id), 1u) << Id;
}

TEST(ResourceCatalogTest, FindsIdentifiersUsedTwiceOrMalformed) {
  static constexpr TResString First{"unit.stext", "One"};
  static constexpr TResString Again{"unit.stext", "Two"};
  static constexpr TResString Upper{"Unit.SText", "Three"};
  static constexpr TResString NoUnit{"stext", "Four"};
  constexpr const TResString* Strings[] = {&First, &Again, &Upper, &NoUnit};
  EXPECT_EQ(CatalogProblems(Strings),
            (std::vector<std::string>{"unit.stext: used by two resource strings",
                                      "Unit.SText: not a lower-case \"unit.identifier\"",
                                      "stext: not a lower-case \"unit.identifier\""}));
}

TEST(PotTemplateTest, ListsEveryStringForTranslators) {
  const auto Catalog = ResourceCatalog();
  const TPoCatalog Template = ParsePo(PotTemplate(Catalog));
  ASSERT_TRUE(Template.Header);
  EXPECT_EQ(PoHeaderField(*Template.Header, "Content-Type:"), "text/plain; charset=UTF-8");
  for (const char* Field : {"Language:", "X-Language-Name:", "X-Translators:"})
    EXPECT_NE(Template.Header->find(Field), std::string::npos) << Field;

  ASSERT_EQ(Template.Entries.size(), Catalog.size());
  for (std::size_t I = 0; I < Catalog.size(); ++I) {
    const TPoEntry& Entry = Template.Entries[I];
    EXPECT_EQ(Entry.References, std::vector<std::string>{std::string(Catalog[I]->Id)});
    EXPECT_EQ(Entry.Context, Catalog[I]->Id);
    EXPECT_EQ(Entry.Id, Catalog[I]->Default);
    EXPECT_EQ(Entry.Texts, std::vector<std::string>{""});
  }
}

// Every text of the program survives the trip through a translation file: its escapes are
// written and read back exactly, and its placeholders pass the check against themselves.
TEST(PotTemplateTest, AFilledInTemplateTranslatesEveryString) {
  const auto Catalog = ResourceCatalog();
  std::string Po = PoStatement("msgid", "") + PoStatement("msgstr", "Language: xx\n");
  for (const TResString* Text : Catalog)
    Po += "\n#: " + std::string(Text->Id) + "\n" + PoStatement("msgctxt", Text->Id) +
          PoStatement("msgid", Text->Default) +
          PoStatement("msgstr", "\xC2\xBB" + std::string(Text->Default) + "\xC2\xAB");
  const TTranslationResult Result = InstallTranslations(Po, Catalog);
  EXPECT_EQ(Result.Installed, Catalog.size());
  EXPECT_EQ(Result.Rejected, 0u);
  for (const TResString* Text : Catalog)
    EXPECT_EQ(ResStr(*Text), "\xC2\xBB" + std::string(Text->Default) + "\xC2\xAB") << Text->Id;
  ClearResourceTranslations();
}

}  // namespace
