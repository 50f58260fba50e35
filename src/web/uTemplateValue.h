#pragma once

#include <cstdint>
#include <string>
#include <variant>

// A value a template shows or tests: text, a Boolean or a number.
using TTemplateValue = std::variant<std::string, bool, std::int64_t, double>;

// Text for a value tag: Booleans are "True" or "False", numbers in decimal.
std::string TemplateValueToString(const TTemplateValue& Value);

// Truth for an IF tag. Numbers are true when not zero; a text is false when it is empty, "0" or
// "False" in any letter case, and true otherwise.
bool TemplateValueToBoolean(const TTemplateValue& Value);
