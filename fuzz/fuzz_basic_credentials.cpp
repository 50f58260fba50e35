// Authorization headers as any client may send them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "web/uBasicCredentials.h"
#include "web/uHtmlText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  const TBasicCredentials Raw = ParseBasicCredentials(Text);
  const TBasicCredentials Basic = ParseBasicCredentials("Basic " + std::string(Text));
  const std::string Decoded = DecodeBase64Lenient(Text);
  if (Decoded.size() > Size * 3 / 4 + 1)
    std::abort();
  // With a colon in the decoded text the user name is everything before the first one.
  if (Decoded.find(':') != std::string::npos && Basic.UserName + ":" + Basic.Password != Decoded) {
    std::abort();
  }
  (void)Raw;
  const std::string_view Left = Text.substr(0, Size / 2), Right = Text.substr(Size / 2);
  if (SecretsEqual(Left, Right) != (Left == Right))
    std::abort();
  if (ToPrintableASCII(Text).size() != Size)
    std::abort();
  (void)HTMLEscape(Text, true);
  return 0;
}
