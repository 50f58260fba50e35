#include "app/uPasswordDigest.h"

#include "app/uPasswordDigestStrings.h"
#include "core/uStringUtils.h"
#include "platform/uMd5.h"

std::string PasswordDigest(std::string_view Password) {
  const std::optional<TMd5Digest> Digest = Md5Digest(Password);
  if (!Digest)
    throw EPasswordDigest(ResStr(upassworddigest::sdigestunavailable));
  constexpr char HexDigits[] = "0123456789ABCDEF";
  std::string Text;
  Text.reserve(Digest->size() * 2);
  for (std::uint8_t Byte : *Digest) {
    Text += HexDigits[Byte >> 4];
    Text += HexDigits[Byte & 0x0F];
  }
  return Text;
}

bool VerifyPassword(std::string_view Typed, std::string_view Stored) {
  if (Stored.empty())
    return Typed.empty();
  try {
    return SameText(PasswordDigest(Typed), Stored);
  } catch (const EPasswordDigest&) {
    return false;
  }
}
