#include "platform/uMd5.h"

#include <memory>

#include "platform/win32/uWindows.h"

#include <bcrypt.h>

namespace {

void CloseAlgorithm(BCRYPT_ALG_HANDLE Algorithm) {
  BCryptCloseAlgorithmProvider(Algorithm, 0);
}
void DestroyHash(BCRYPT_HASH_HANDLE Hash) {
  BCryptDestroyHash(Hash);
}

template <void (*Close)(void*)>
struct TBCryptDeleter {
  using pointer = void*;
  void operator()(void* Handle) const noexcept {
    if (Handle)
      Close(Handle);
  }
};

}  // namespace

std::optional<TMd5Digest> Md5Digest(std::string_view Bytes) {
  BCRYPT_ALG_HANDLE OpenedAlgorithm = nullptr;
  if (!BCRYPT_SUCCESS(
          BCryptOpenAlgorithmProvider(&OpenedAlgorithm, BCRYPT_MD5_ALGORITHM, nullptr, 0)))
    return std::nullopt;
  std::unique_ptr<void, TBCryptDeleter<CloseAlgorithm>> Algorithm(OpenedAlgorithm);

  // Since Windows 7 the provider keeps the hash object itself when given no buffer.
  BCRYPT_HASH_HANDLE CreatedHash = nullptr;
  if (!BCRYPT_SUCCESS(BCryptCreateHash(Algorithm.get(), &CreatedHash, nullptr, 0, nullptr, 0, 0)))
    return std::nullopt;
  std::unique_ptr<void, TBCryptDeleter<DestroyHash>> Hash(CreatedHash);

  while (!Bytes.empty()) {
    const ULONG Chunk = static_cast<ULONG>(std::min<std::size_t>(Bytes.size(), 1u << 30));
    auto* Data = reinterpret_cast<PUCHAR>(const_cast<char*>(Bytes.data()));
    if (!BCRYPT_SUCCESS(BCryptHashData(Hash.get(), Data, Chunk, 0)))
      return std::nullopt;
    Bytes.remove_prefix(Chunk);
  }
  TMd5Digest Digest{};
  if (!BCRYPT_SUCCESS(
          BCryptFinishHash(Hash.get(), Digest.data(), static_cast<ULONG>(Digest.size()), 0)))
    return std::nullopt;
  return Digest;
}
