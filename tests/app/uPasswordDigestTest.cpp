#include "app/uPasswordDigest.h"

#include <gtest/gtest.h>

namespace {

// Natively the digests come from libcrypto, under Wine from BCrypt: both must agree with the
// published MD5 test values.
TEST(PasswordDigestTest, IsTheUpperCaseMd5OfTheUtf8Bytes) {
  const struct {
    std::string Password;
    const char* Digest;
  } Cases[] = {
      {"", "D41D8CD98F00B204E9800998ECF8427E"},
      {"abc", "900150983CD24FB0D6963F7D28E17F72"},
      {"The quick brown fox jumps over the lazy dog", "9E107D9D372BB6826BD81D3542A419D6"},
      {"p\xC3\xA4ssw\xC3\xB6rd", "12841E4BA5E37D2FBFC78458C6714ADE"},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(PasswordDigest(Case.Password), Case.Digest) << Case.Password;
}

TEST(PasswordDigestTest, VerifiesTypedPasswordsAgainstTheStoredDigest) {
  const struct {
    const char* Typed;
    const char* Stored;
    bool Accepted;
  } Cases[] = {
      {"", "", true},
      {"abc", "", false},
      {"abc", "900150983CD24FB0D6963F7D28E17F72", true},
      {"abc", "900150983cd24fb0d6963f7d28e17f72", true},
      {"ABC", "900150983CD24FB0D6963F7D28E17F72", false},
      {"", "900150983CD24FB0D6963F7D28E17F72", false},
      {"", "D41D8CD98F00B204E9800998ECF8427E", true},
      {"abc", "abc", false},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(VerifyPassword(Case.Typed, Case.Stored), Case.Accepted)
        << "'" << Case.Typed << "' against '" << Case.Stored << "'";
}

}  // namespace
