#pragma once

#include <string>
#include <string_view>

#include "core/uKoException.h"

class EPasswordDigest : public EKoException {
 public:
  using EKoException::EKoException;
};

// Passwords are never stored in clear: the settings keep the MD5 digest of the password's
// UTF-8 bytes as 32 upper-case hexadecimal digits, and the empty text for no password.

// Raises EPasswordDigest when the system's cryptography is not available.
std::string PasswordDigest(std::string_view Password);

// Whether Typed is the password whose digest is Stored (letters compared without case). An
// empty Stored accepts only an empty Typed; when no digest can be computed nothing is accepted.
bool VerifyPassword(std::string_view Typed, std::string_view Stored);
