#include <gtest/gtest.h>

#include <tuple>

#include "web/uBasicCredentials.h"
#include "web/uHtmlText.h"
#include "web/uWebParameters.h"

namespace {

struct TQueryCase {
  const char* Query;
  std::vector<TWebParameters::TItem> Expected;
};

TEST(QueryStringTest, SplitsDecodesAndLetTheLastRepeatWin) {
  const TQueryCase Cases[] = {
      {"id=a&id=b", {{"id", "b"}}},
      {"id", {{"id", ""}}},
      {"name=My+Preset%21", {{"name", "My Preset!"}}},
      {"a=1&b=2&a=3", {{"a", "3"}, {"b", "2"}}},
      {"k=v=w", {{"k", "v=w"}}},
      {"%41%62=%e2%82%ac", {{"Ab", "\xe2\x82\xac"}}},
      {"x=%zz&y=%4&z=100%", {{"x", "%zz"}, {"y", "%4"}, {"z", "100%"}}},
      {"&a=1&&", {{"", ""}, {"a", "1"}}},
      {"=v", {{"", "v"}}},
      {"a+b=c+d", {{"a b", "c d"}}},
      {"n=%00", {{"n", std::string(1, '\0')}}},
      {"", {}},
  };
  for (const auto& Case : Cases) {
    TWebParameters Parameters;
    ParseQueryString(Case.Query, Parameters);
    EXPECT_EQ(Parameters.Items(), Case.Expected) << Case.Query;
  }
}

TEST(QueryStringTest, LookupIsExact) {
  TWebParameters Parameters;
  ParseQueryString("id=7", Parameters);
  std::string Value = "stale";
  EXPECT_FALSE(Parameters.TryGetValue("ID", Value));
  EXPECT_EQ(Value, "");
  EXPECT_TRUE(Parameters.TryGetValue("id", Value));
  EXPECT_EQ(Value, "7");
}

TEST(BasicCredentialsTest, DecodesTheBasicSchemeOnly) {
  // "user:pass", "user", "user:", "u:p:x:y" in Base64.
  const std::tuple<const char*, const char*, const char*> Cases[] = {
      {"Basic dXNlcjpwYXNz", "user", "pass"},
      {"basic dXNlcjpwYXNz", "", ""},
      {"BASIC dXNlcjpwYXNz", "", ""},
      {"Basic  dXNlcjpwYXNz", "user", "pass"},  // the extra blank is skipped as non-Base64
      {"BasicdXNlcjpwYXNz", "", ""},
      {"Bearer dXNlcjpwYXNz", "", ""},
      {"Basic dXNlcg==", "", ""},
      {"Basic dXNlcjo=", "user", ""},
      {"Basic dTpwOng6eQ==", "u", "p:x:y"},
      {"Basic dXNl\r\ncjpw*YXNz!", "user", "pass"},
      {"Basic Og==", "", ""},
      {"Basic ", "", ""},
      {"", "", ""},
  };
  for (const auto& [Header, User, Password] : Cases) {
    const TBasicCredentials Credentials = ParseBasicCredentials(Header);
    EXPECT_EQ(Credentials.UserName, User) << Header;
    EXPECT_EQ(Credentials.Password, Password) << Header;
  }
}

TEST(BasicCredentialsTest, Base64IsDecodedLeniently) {
  const std::pair<const char*, std::string> Cases[] = {
      {"", ""},
      {"QQ", "A"},
      {"QUI", "AB"},
      {"QUJD", "ABC"},
      {"Q", ""},  // six bits make no byte
      {"Q=U=J=D", "ABC"},
      {"/+/+", "\xff\xef\xfe"},
      {"AA==", std::string(1, '\0')},
  };
  for (const auto& [Text, Expected] : Cases)
    EXPECT_EQ(DecodeBase64Lenient(Text), Expected) << Text;
}

TEST(BasicCredentialsTest, SecretsCompareWhole) {
  const std::tuple<const char*, const char*, bool> Cases[] = {
      {"", "", true},
      {"secret", "secret", true},
      {"secret", "secreT", false},
      {"secret", "secre", false},
      {"secre", "secret", false},
      {"", "x", false},
      {"Secret", "secret", false},
  };
  for (const auto& [Given, Expected, Equal] : Cases) {
    EXPECT_EQ(SecretsEqual(Given, Expected), Equal) << Given << " / " << Expected;
  }
  EXPECT_FALSE(SecretsEqual(std::string_view("a\0b", 3), std::string_view("a\0c", 3)));
}

TEST(HtmlTextTest, EscapesMarkupAndOptionallyQuotes) {
  const std::tuple<const char*, bool, const char*> Cases[] = {
      {"a < b & \"word\"", true, "a &lt; b &amp; &quot;word&quot;"},
      {"&amp; stays escaped again", true, "&amp;amp; stays escaped again"},
      {"it's \"quoted\" <x>", false, "it's \"quoted\" &lt;x&gt;"},
      {"it's", true, "it&#39;s"},
      {"", true, ""},
  };
  for (const auto& [Text, Quotes, Expected] : Cases) {
    EXPECT_EQ(HTMLEscape(Text, Quotes), Expected) << Text;
  }
}

TEST(HtmlTextTest, PrintableAsciiReplacesEveryOtherByte) {
  EXPECT_EQ(ToPrintableASCII("Zugang f\xc3\xbcr \x7f\t~ "), "Zugang f??r ??~ ");
  EXPECT_EQ(ToPrintableASCII(std::string("a\0b", 3)), "a?b");
}

}  // namespace
