#include "platform/uMd5.h"

#include <openssl/evp.h>

std::optional<TMd5Digest> Md5Digest(std::string_view Bytes) {
  TMd5Digest Digest{};
  unsigned int Length = 0;
  if (EVP_Digest(Bytes.data(), Bytes.size(), Digest.data(), &Length, EVP_md5(), nullptr) != 1 ||
      Length != Digest.size())
    return std::nullopt;
  return Digest;
}
