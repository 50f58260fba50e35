#include "web/uBasicCredentials.h"

#include <cstdint>

namespace {

int Base64Digit(unsigned char C) {
  if (C >= 'A' && C <= 'Z')
    return C - 'A';
  if (C >= 'a' && C <= 'z')
    return C - 'a' + 26;
  if (C >= '0' && C <= '9')
    return C - '0' + 52;
  if (C == '+')
    return 62;
  if (C == '/')
    return 63;
  return -1;
}

}  // namespace

std::string DecodeBase64Lenient(std::string_view Text) {
  std::string Result;
  Result.reserve(Text.size() / 4 * 3 + 2);
  std::uint32_t Bits = 0;
  int BitCount = 0;
  for (const char C : Text) {
    const int Digit = Base64Digit(static_cast<unsigned char>(C));
    if (Digit < 0)
      continue;
    Bits = (Bits << 6) | static_cast<std::uint32_t>(Digit);
    BitCount += 6;
    if (BitCount >= 8) {
      BitCount -= 8;
      Result += static_cast<char>((Bits >> BitCount) & 0xFF);
    }
  }
  return Result;
}

TBasicCredentials ParseBasicCredentials(std::string_view Authorization) {
  constexpr std::string_view Scheme = "Basic ";
  TBasicCredentials Result;
  if (Authorization.substr(0, Scheme.size()) != Scheme)
    return Result;
  const std::string Decoded = DecodeBase64Lenient(Authorization.substr(Scheme.size()));
  const std::size_t Colon = Decoded.find(':');
  if (Colon == std::string::npos)
    return Result;
  Result.UserName = Decoded.substr(0, Colon);
  Result.Password = Decoded.substr(Colon + 1);
  return Result;
}

bool SecretsEqual(std::string_view Given, std::string_view Expected) {
  // Every byte of the longer text is visited whatever the contents; the difference of the
  // lengths is folded in so texts of unequal length never compare equal.
  const std::size_t Length = Given.size() > Expected.size() ? Given.size() : Expected.size();
  volatile unsigned char Difference = Given.size() == Expected.size() ? 0 : 1;
  for (std::size_t I = 0; I < Length; ++I) {
    const unsigned char A = I < Given.size() ? static_cast<unsigned char>(Given[I]) : 0;
    const unsigned char B = I < Expected.size() ? static_cast<unsigned char>(Expected[I]) : 0;
    Difference = Difference | static_cast<unsigned char>(A ^ B);
  }
  return Difference == 0;
}
