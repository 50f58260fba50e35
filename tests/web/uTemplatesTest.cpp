#include "web/uTemplates.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "web/uHtmlText.h"
#include "web/uTextPreview.h"
#include "support/uTempFolder.h"

namespace {

// The view the table renders against: a few values of each kind, a filled list, a declared
// empty list.
void FillView(TTemplateView& View) {
  View.SetValue("Name", "World");
  View.SetValue("Yes", true);
  View.SetValue("No", false);
  View.SetValue("Count", std::int64_t{42});
  View.SetValue("Markup", "<b>&");
  View.AddChildView("Items").SetValue("Title", "a");
  auto& Second = View.AddChildView("Items");
  Second.SetValue("Title", "b");
  Second.SetValue("Selected", true);
  View.GetChildViews("Items", false)[0]->SetValue("Selected", false);
  View.AddChildViewList("Empty");
}

struct TRenderCase {
  const char* Template;
  const char* Expected;  // the output, or the error message when Fails
  bool Fails = false;
};

std::string Render(const std::string& Text) {
  TTemplate Template;
  Template.Parse(Text);
  TTemplateView View;
  FillView(View);
  return Template.Render(View);
}

TEST(TemplateTest, RendersTagsAndReportsErrorsAsSpecified) {
  const TRenderCase Cases[] = {
      // Text without tags comes out byte for byte, an unclosed "{{" included.
      {"plain <p>text</p>\r\n", "plain <p>text</p>\r\n"},
      {"a {{ Name is never closed } }", "a {{ Name is never closed } }"},
      {"", ""},
      // Value tags; blanks and control characters around the content do not matter.
      {"Hello {{Name}}!", "Hello World!"},
      {"{{ Name }}|{{\tName\r\n}}|{{\x01Name\x1f}}", "World|World|World"},
      {"{{Yes}} {{No}} {{Count}}", "True False 42"},
      {"{{Markup}}", "<b>&"},
      {"{{END}}", "Template value \"END\" is not defined.", true},
      {"{{FOR}}", "Template value \"FOR\" is not defined.", true},
      {"{{name}}", "Template value \"name\" is not defined.", true},
      {"{{}}", "Empty tag content.", true},
      {"x{{ \t\r\n }}", "Empty tag content.", true},
      // IF, IF NOT, and the spacing of the closing tag.
      {"{{IF Yes}}y{{ENDIF Yes}}|{{IF No}}n{{ENDIF No}}", "y|"},
      {"{{IF NOT No}}n{{ENDIF NOT No}}{{IF NOT Yes}}y{{ENDIF NOT Yes}}", "n"},
      {"{{IF  NOT  No}}n{{ENDIF  NOT  No}}.", "n."},
      {"{{ IF NOT No }}n{{ ENDIF NOT No }}.", "n."},
      {"{{IF  NOT  No}}n{{ENDIF NOT No}}", "Unknown or unexpected keyword in tag: ENDIF NOT No",
       true},
      {"{{IF NOT}}x{{ENDIF NOT}}", "Template value \"NOT\" is not defined.", true},
      {"{{IF NOT Yes extra words}}x{{ENDIF NOT Yes extra words}}.", "."},
      {"{{IF X Y}}", "Invalid syntax of IF condition: IF X Y", true},
      {"{{IF Missing}}x{{ENDIF Missing}}", "Template value \"Missing\" is not defined.", true},
      {"{{If Yes}}", "Unknown or unexpected keyword in tag: If Yes", true},
      {"{{BOGUS X}}", "Unknown or unexpected keyword in tag: BOGUS X", true},
      {"{{ENDIF Foo}}", "Unknown or unexpected keyword in tag: ENDIF Foo", true},
      // An unclosed block takes the rest of the text as its body.
      {"{{IF Yes}}rest of {{Name}}", "rest of World"},
      {"{{IF No}}rest of {{Name}}", ""},
      // Blocks with different content nest; an identical inner block ends the outer one early,
      // which leaves its closing tag stray.
      {"{{IF Yes}}a{{IF No}}b{{ENDIF No}}c{{ENDIF Yes}}", "ac"},
      {"{{IF Yes}}a{{IF Yes}}b{{ENDIF Yes}}c{{ENDIF Yes}}",
       "Unknown or unexpected keyword in tag: ENDIF Yes", true},
      // FOR renders its body against each child view alone.
      {"{{FOR Items}}[{{Title}}]{{ENDFOR Items}}", "[a][b]"},
      {"{{FOR Items}}{{IF Selected}}*{{ENDIF Selected}}{{Title}}{{ENDFOR Items}}", "a*b"},
      {"<{{FOR Empty}}x{{ENDFOR Empty}}>", "<>"},
      {"{{FOR Missing}}x{{ENDFOR Missing}}", "Template child view \"Missing\" is not defined.",
       true},
      {"{{FOR Items}}{{Name}}{{ENDFOR Items}}", "Template value \"Name\" is not defined.", true},
      // IFDEF looks at values and lists, never fails.
      {"{{IFDEF Empty}}e{{ENDIFDEF Empty}}{{IFDEF Name}}n{{ENDIFDEF Name}}", "en"},
      {"{{IFDEF Missing}}m{{ENDIFDEF Missing}}.", "."},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Template);
    if (Case.Fails) {
      try {
        Render(Case.Template);
        ADD_FAILURE() << "no error";
      } catch (const ETemplateError& Error) {
        EXPECT_EQ(std::string(Error.what()), Case.Expected);
      }
    } else {
      EXPECT_EQ(Render(Case.Template), Case.Expected);
    }
  }
}

TEST(TemplateTest, DeepNestingIsAnErrorNotACrash) {
  std::string Text;
  for (int I = 0; I < 1000; ++I)
    Text += "{{IF V" + std::to_string(I) + "}}";
  TTemplate Template;
  EXPECT_THROW(Template.Parse(Text), ETemplateError);
}

TEST(TemplateTest, EveryValueReadGoesThroughTheHandlerIncludingIfTags) {
  TTemplate Template;
  Template.Parse("{{IF Show}}{{Markup}}{{ENDIF Show}}{{FOR Rows}}{{Cell}}{{ENDFOR Rows}}");
  TTemplateView View;
  View.SetValue("Show", "yes");
  View.SetValue("Markup", "<i>'x'</i>");
  View.AddChildView("Rows").SetValue("Cell", "a<b");
  std::vector<std::string> Reads;
  View.SetOnGetValue([&](const std::string& Name, TTemplateValue& Value) {
    Reads.push_back(Name);
    if (Name == "Show")
      Value = true;  // the handler may replace any value
    if (auto Text = std::get_if<std::string>(&Value))
      Value = HTMLEscape(*Text, true);
  });
  // Added after the handler was set: inherits it.
  View.AddChildView("Rows").SetValue("Cell", "c>d");
  EXPECT_EQ(Template.Render(View), "&lt;i&gt;&#39;x&#39;&lt;/i&gt;a&lt;bc&gt;d");
  EXPECT_EQ(Reads, (std::vector<std::string>{"Show", "Markup", "Cell", "Cell"}));
}

TEST(TemplateTest, ValuesAndListsReplaceAndKeepTheirOrder) {
  TTemplateView View;
  View.SetValue("B", "1");
  View.SetValue("A", "2");
  View.SetValue("B", "3");
  ASSERT_EQ(View.Values().Items().size(), 2u);
  EXPECT_EQ(View.Values().Items()[0].first, "B");
  EXPECT_EQ(std::get<std::string>(View.GetValue("B")), "3");
  EXPECT_FALSE(View.IsDefined("b"));
  View.AddChildViewList("L");
  View.AddChildView("L");
  View.AddChildViewList("L");  // declaring again keeps what is there
  EXPECT_EQ(View.GetChildViews("L", false).size(), 1u);
  EXPECT_THROW(View.GetChildViews("l", false), ETemplateError);
}

TEST(TemplateTest, IfTestsTheTruthOfTextsAndNumbers) {
  const std::pair<TTemplateValue, bool> Cases[] = {
      {std::string("True"), true},
      {std::string("anything"), true},
      {std::string(""), false},
      {std::string("0"), false},
      {std::string("FALSE"), false},
      {std::int64_t{0}, false},
      {std::int64_t{-1}, true},
      {0.5, true},
      {0.0, false},
  };
  TTemplate Template;
  Template.Parse("{{IF V}}1{{ENDIF V}}");
  for (const auto& [Value, Expected] : Cases) {
    TTemplateView View;
    View.SetValue("V", Value);
    EXPECT_EQ(Template.Render(View), Expected ? "1" : "") << TemplateValueToString(Value);
  }
}

TEST(TemplateTest, UnknownNodeTypeCannotBeRendered) {
  TTemplateNode Node(static_cast<TTemplateNodeType>(9));
  TTemplateView View;
  try {
    Node.Render(View);
    ADD_FAILURE() << "no error";
  } catch (const ETemplateError& Error) {
    EXPECT_STREQ(Error.what(), "Not supported block type for render: 9");
  }
}

TEST(TemplateTest, DebugDumpsShowTheTreeAndTheView) {
  TTemplate Template;
  Template.Parse(
      "\r\n  <html>{{Title}}{{FOR Rows}}{{IF NOT Hidden}}x{{ENDIF NOT Hidden}}{{ENDFOR Rows}}"
      "{{IF Shown}}{{IFDEF Extra}}{{ENDIFDEF Extra}}{{ENDIF Shown}}");
  EXPECT_EQ(Template.ToString(),
            "[tntNone] \r\n"
            "    [tntText] (10) <html>\r\n"
            "    [tntLabel] Title\r\n"
            "    [tntForLoop] Rows\r\n"
            "        [tntIfCondition] NOT Hidden\r\n"
            "            [tntText] (1) x\r\n"
            "    [tntIfCondition] Shown\r\n"
            "        [tntIfDefined] Extra\r\n");
  TTemplateView View;
  View.SetValue("Title", "A title that is longer than twenty characters");
  View.SetValue("On", true);
  View.AddChildView("Rows").SetValue("Cell", "1");
  View.AddChildViewList("None");
  EXPECT_EQ(View.ToString(),
            "Title = (45) A title that is longe...\r\n"
            "On = (4) True\r\n"
            "[Rows]\r\n"
            "    Cell = (1) 1\r\n"
            "[None]\r\n");
}

TEST(TemplateTest, TextPreviewStopsAtBreaksAndAfterTheLimit) {
  const std::pair<const char*, const char*> Cases[] = {
      {"", "(0) "},
      {" \t\r\n", "(4) "},
      {"  two words", "(11) two words"},
      {"line\nnext", "(9) line..."},
      {"123456789012345678901", "(21) 123456789012345678901"},
      {"1234567890123456789012", "(22) 123456789012345678901..."},
      {"\tx\ty", "(4) x..."},
  };
  for (const auto& [Text, Expected] : Cases)
    EXPECT_EQ(TextPreview(Text), Expected) << Text;
}

class TemplateFolderTest : public ::testing::Test {
 protected:
  std::string Write(const std::filesystem::path& Relative, const std::string& Text) {
    const auto Path = FFolder.Path() / Relative;
    std::filesystem::create_directories(Path.parent_path());
    std::ofstream(Path, std::ios::binary) << Text;
    return PathToUtf8(Path);
  }
  std::string Folder() const { return PathToUtf8(FFolder.Path()); }

  TTempFolder FFolder;
};

TEST_F(TemplateFolderTest, LoadsTheHtmlFilesOfAFolder) {
  Write("header.html", "<h1>{{Title}}</h1>");
  Write("footer.HTML", "</body>");
  Write("notes.txt", "{{IF X Y}}");  // not a template: its error never shows
  Write("sub.html/inner.html", "{{IF X Y}}");
  TTemplates Templates;
  Templates.LoadFromFolder(Folder(), "*.html");
  ASSERT_EQ(Templates.Count(), 2u);
  TTemplateView View;
  View.SetValue("Title", "T");
  EXPECT_EQ(Templates.GetByName("header.html").Render(View), "<h1>T</h1>");
  EXPECT_NE(Templates.FindByName("footer.HTML"), nullptr);
  EXPECT_EQ(Templates.FindByName("Header.html"), nullptr);
  try {
    Templates.GetByName("missing.html");
    ADD_FAILURE() << "no error";
  } catch (const ETemplateError& Error) {
    EXPECT_STREQ(Error.what(), "Template by name \"missing.html\" is not found.");
  }
}

TEST_F(TemplateFolderTest, NamesDifferingInCaseAreDifferentTemplates) {
  TTemplates Templates;
  Templates.LoadFromFile(Write("one/page.html", "lower"));
  Templates.LoadFromFile(Write("two/Page.html", "upper"));
  TTemplateView View;
  EXPECT_EQ(Templates.GetByName("page.html").Render(View), "lower");
  EXPECT_EQ(Templates.GetByName("Page.html").Render(View), "upper");
}

TEST_F(TemplateFolderTest, OneBadFileStopsTheLoadWithItsError) {
  Write("bad.html", "ok {{IF X Y}}");
  TTemplates Templates;
  EXPECT_THROW(Templates.LoadFromFolder(Folder(), "*.html"), ETemplateError);
  EXPECT_EQ(Templates.Count(), 0u);
  EXPECT_THROW(Templates.LoadFromFile(Folder() + "/missing.html"), EKoException);
  EXPECT_EQ(Templates.Count(), 0u);
  const std::string MissingFolder = Folder() + "/missing";
  try {
    Templates.LoadFromFolder(MissingFolder, "*.html");
    ADD_FAILURE() << "no error";
  } catch (const ETemplateError& Error) {
    EXPECT_EQ(Error.what(), "Unable to open folder \"" + MissingFolder + "\".");
  }
}

TEST_F(TemplateFolderTest, BytesReachThePageUnchanged) {
  const std::string Bytes = "caf\xc3\xa9 \xff\xfe\r\n\t{{";
  TTemplates Templates;
  TTemplateView View;
  EXPECT_EQ(Templates.LoadFromFile(Write("bytes.html", Bytes)).Render(View), Bytes);
  std::istringstream Stream("skipped{{Name}}");
  Stream.seekg(7);
  TTemplate FromStream;
  FromStream.LoadFromStream(Stream);
  View.SetValue("Name", "n");
  EXPECT_EQ(FromStream.Render(View), "n");
}

TEST(FileMaskTest, MatchesLikeWindowsFileMasks) {
  const std::tuple<const char*, const char*, bool> Cases[] = {
      {"header.html", "*.html", true}, {"HEADER.HTML", "*.html", true},
      {"header.htm", "*.html", false}, {"header.html.bak", "*.html", false},
      {".html", "*.html", true},       {"a.b.html", "*.html", true},
      {"x.html", "?.html", true},      {"xy.html", "?.html", false},
      {"anything", "*", true},         {"", "*", true},
  };
  for (const auto& [Name, Mask, Expected] : Cases) {
    EXPECT_EQ(MatchesFileMask(Name, Mask), Expected) << Name << " " << Mask;
  }
}

}  // namespace
