#include "app/uOptionsInput.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionsInputTest, AnAddressIsFourDecimalNumbersUpTo255) {
  const struct {
    const char* Text;
    bool Correct;
  } Cases[] = {
      {"127.0.0.1", true},         {"0.0.0.0", true},
      {"255.255.255.255", true},   {"192.168.100.200", true},
      {"192.168.1", false},                              // three parts
      {"1.2.3.4.5", false},                              // five parts
      {"10.0.0.256", false},                             // above 255
      {"10.0.0.999", false},       {"1.2.3.", false},    // an empty part
      {"..1.2.3", false},          {"1.2.3.4 ", false},  // a space is no digit
      {"+1.2.3.4", false},                               // nor is a sign
      {"a.b.c.d.e", false},        {"1.2.3", false},     // shorter than 7 characters
      {"1111.2.3.4", false},                             // a part of four digits
      {"001.002.003.004", false},  // leading zeros: the system's parser refuses them
      {"10.01.0.1", false},        {"", false},
      {"0000000000000000", false},  // longer than 15 characters
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(IsIPAddressCorrect(Case.Text), Case.Correct) << Case.Text;
}

TEST(OptionsInputTest, APortTextIs80WhenNotANumberAndNothingWhenNotAPort) {
  const struct {
    const char* Text;
    std::optional<std::uint16_t> Port;
  } Cases[] = {
      {"8080", 8080},
      {"1", 1},
      {"65535", 65535},
      {"00080", 80},
      {"", 80},
      {"http", 80},
      {"80a", 80},
      {"-1", 80},
      {"0", std::nullopt},
      {"00000", std::nullopt},
      {"65536", std::nullopt},
      {"99999", std::nullopt},
      {"123456789012", std::nullopt},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(PortFromText(Case.Text), Case.Port) << Case.Text;
}

TEST(OptionsInputTest, BoxesTakeOnlyTheirCharacters) {
  for (char32_t Digit = U'0'; Digit <= U'9'; ++Digit) {
    EXPECT_TRUE(AcceptsPortCharacter(Digit));
    EXPECT_TRUE(AcceptsIPAddressCharacter(Digit));
  }
  EXPECT_TRUE(AcceptsPortCharacter(8)) << "Backspace";
  EXPECT_TRUE(AcceptsIPAddressCharacter(8));
  EXPECT_TRUE(AcceptsIPAddressCharacter(U'.'));
  EXPECT_FALSE(AcceptsPortCharacter(U'.'));
  for (char32_t Other : {U'a', U' ', U'-', U':', U'\r', char32_t{0x16}, U'\u0663'}) {
    EXPECT_FALSE(AcceptsPortCharacter(Other));
    EXPECT_FALSE(AcceptsIPAddressCharacter(Other));
  }
}

}  // namespace
