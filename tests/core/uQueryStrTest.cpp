#include "core/uQueryStr.h"

#include <gtest/gtest.h>

namespace {

TEST(QueryStrTest, WritesKeysInUpperCaseInFirstWriteOrder) {
  TQueryStr Config;
  Config.WriteString("Time", "0:10:00");
  Config.WriteBool("Force", true);
  Config.WriteString(" time\t", "1:00:00");
  EXPECT_EQ(Config.Encode(), "TIME=1:00:00;FORCE=True;");
  EXPECT_EQ(Config.Count(), 2);
}

TEST(QueryStrTest, ReadsKeysInAnyCase) {
  TQueryStr Config;
  Config.Decode("TIME=0:10:00;");
  EXPECT_EQ(Config.ReadString("time"), "0:10:00");
  EXPECT_EQ(Config.ReadString(" Time "), "0:10:00");
  EXPECT_TRUE(Config.HasKey("tImE"));
  EXPECT_FALSE(Config.HasKey("Date"));
  EXPECT_EQ(Config.ReadString("Date"), "");
}

TEST(QueryStrTest, EscapesSeparatorsPercentAndControlCharacters) {
  struct Case {
    std::string Value;
    std::string Encoded;
  };
  const Case Cases[] = {
      {"a;b=c%d", "V=a%3Bb%3Dc%25d;"},
      {"line\r\nnext", "V=line%0D%0Anext;"},
      {"tab\there", "V=tab%09here;"},
      {std::string("nul\0kept", 8), std::string("V=nul\0kept;", 11)},
      {"ünïcödé ✓", "V=ünïcödé ✓;"},
      {"", "V=;"},
  };
  for (const auto& C : Cases) {
    TQueryStr Config;
    Config.WriteString("v", C.Value);
    EXPECT_EQ(Config.Encode(), C.Encoded);
    TQueryStr Back;
    Back.Decode(C.Encoded);
    EXPECT_EQ(Back.ReadString("V"), C.Value);
  }
}

TEST(QueryStrTest, EscapedKeysRoundTrip) {
  TQueryStr Config;
  Config.WriteString("a=b;c", "1");
  EXPECT_EQ(Config.Encode(), "A%3DB%3BC=1;");
  TQueryStr Back;
  Back.Decode(Config.Encode());
  EXPECT_EQ(Back.ReadString("A=B;C"), "1");
}

TEST(QueryStrTest, DecodeQuirks) {
  struct Case {
    const char* Text;
    std::vector<std::pair<std::string, std::string>> Pairs;
  };
  const Case Cases[] = {
      {"", {}},
      {"A=1;B=2", {{"A", "1"}, {"B", "2"}}},  // last pair without ";"
      {"A=1;junk", {{"A", "1"}}},             // trailing fragment without "=" dropped
      {"A=1;B", {{"A", "1"}}},                // a lone last character dropped
      {"A=1;B=", {{"A", "1"}, {"B", ""}}},
      {"x", {}},
      {"A==1;", {{"A", "=1"}}},    // first "=" separates
      {"a=1;A=2;", {{"A", "2"}}},  // same key, later value wins in place
  };
  for (const auto& C : Cases) {
    TQueryStr Config;
    Config.Decode(C.Text);
    ASSERT_EQ(Config.Count(), static_cast<int>(C.Pairs.size())) << C.Text;
    for (std::size_t I = 0; I < C.Pairs.size(); ++I) {
      EXPECT_EQ(Config.Keys()[I], C.Pairs[I].first) << C.Text;
      EXPECT_EQ(Config.Values()[I], C.Pairs[I].second) << C.Text;
    }
  }
}

TEST(QueryStrTest, MalformedTextsRaiseTheCodecsMessages) {
  struct Case {
    const char* Text;
    const char* Message;
  };
  const Case Cases[] = {
      {"A=%3b;", "Invalid Hex: 3b"},
      {"A=%G1;", "Invalid Hex: G1"},
      {"A=abc%", "Incorrectly escaped string: abc%"},
      {"A=abc%4;", "Incorrectly escaped string: abc%4"},
      {"=1;", "Trying to set an empty key"},
      {" \t=1;", "Trying to set an empty key"},
      {"%20=1;", "Trying to set an empty key"},
  };
  for (const auto& C : Cases) {
    TQueryStr Config;
    try {
      Config.Decode(C.Text);
      ADD_FAILURE() << "no error for " << C.Text;
    } catch (const EQueryStr& Error) {
      EXPECT_EQ(std::string(Error.what()), C.Message) << C.Text;
    }
  }
}

TEST(QueryStrTest, WritingAnEmptyKeyFails) {
  TQueryStr Config;
  EXPECT_THROW(Config.WriteString("  ", "x"), EQueryStr);
  EXPECT_EQ(Config.Count(), 0);
}

TEST(QueryStrTest, IntegersReadTheirDefaultForAnythingElse) {
  TQueryStr Config;
  Config.Decode("A=42;B=-7;C=12abc;D=;E=99999999999;");
  EXPECT_EQ(Config.ReadInteger("A"), 42);
  EXPECT_EQ(Config.ReadInteger("B"), -7);
  EXPECT_EQ(Config.ReadInteger("C", 5), 5);
  EXPECT_EQ(Config.ReadInteger("D", 5), 5);
  EXPECT_EQ(Config.ReadInteger("E", 5), 5);
  EXPECT_EQ(Config.ReadInteger("Missing"), 0);
  EXPECT_EQ(Config.ReadInteger("Missing", 9), 9);
  Config.WriteInteger("F", -2147483647 - 1);
  EXPECT_EQ(Config.ReadInteger("F"), -2147483647 - 1);
}

TEST(QueryStrTest, BooleansAcceptOnlyTheirWordsAndDigits) {
  struct Case {
    const char* Stored;
    bool Expected;
  };
  const Case Cases[] = {{"True", true},   {"true", true},   {"TRUE", true}, {"1", true},
                        {"False", false}, {"false", false}, {"0", false},   {"yes", false},
                        {"", false},      {" True", false}};
  for (const auto& C : Cases) {
    TQueryStr Config;
    Config.WriteString("B", C.Stored);
    EXPECT_EQ(Config.ReadBool("B"), C.Expected) << C.Stored;
  }
  EXPECT_FALSE(TQueryStr().ReadBool("Missing"));
  EXPECT_TRUE(TextToBool("maybe", true));
  EXPECT_EQ(BoolToText(true, true), "True");
  EXPECT_EQ(BoolToText(false, true), "False");
  EXPECT_EQ(BoolToText(true, false), "1");
  EXPECT_EQ(BoolToText(false, false), "0");
}

TEST(QueryStrTest, HexToIntTakesUpperCaseDigitsOnly) {
  EXPECT_EQ(HexToInt(""), 0);
  EXPECT_EQ(HexToInt("0A"), 10);
  EXPECT_EQ(HexToInt("FF"), 255);
  EXPECT_EQ(HexToInt("1234"), 0x1234);
  try {
    HexToInt("ff");
    FAIL();
  } catch (const EQueryStr& Error) {
    EXPECT_STREQ(Error.what(), "Invalid Hex: ff");
  }
}

}  // namespace
