#pragma once

#include <string>
#include <string_view>

// Base64 as browsers send it in credentials, decoded leniently: characters outside the
// alphabet (padding, line breaks, anything else) are skipped, and a trailing group too short
// to give a byte is dropped.
std::string DecodeBase64Lenient(std::string_view Text);

struct TBasicCredentials {
  std::string UserName;
  std::string Password;
};

// Reads an Authorization header value. Only the scheme "Basic " (exactly so, with its space)
// counts; the decoded text is split at its first ":". Any other scheme, or decoded text without
// a colon, gives empty credentials.
TBasicCredentials ParseBasicCredentials(std::string_view Authorization);

// Compares a secret the client sent with the expected one in time that depends only on their
// lengths, never on how many leading bytes match, so response times do not reveal the secret
// piece by piece.
bool SecretsEqual(std::string_view Given, std::string_view Expected);
