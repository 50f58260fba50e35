#pragma once

#include <stdexcept>
#include <string>

// Base of every error Kolvane raises on purpose. The message is the text shown to the user.
class EKoException : public std::runtime_error {
 public:
  explicit EKoException(const std::string& Message) : std::runtime_error(Message) {}
};
