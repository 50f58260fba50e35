#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

using TMd5Digest = std::array<std::uint8_t, 16>;

// The MD5 digest of Bytes from the platform's own cryptography (BCrypt on Windows, libcrypto
// elsewhere); nothing when the platform cannot compute it.
std::optional<TMd5Digest> Md5Digest(std::string_view Bytes);
