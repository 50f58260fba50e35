#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What the options dialog's text boxes accept.

// A listening address: four dot-separated decimal numbers from 0 to 255, 7 to 15 characters in
// all. Parts are plain digits without a sign or leading zeros, because the server reads the
// address with the system's parser, which takes nothing else.
bool IsIPAddressCorrect(std::string_view Text);

// The port a port box stands for: 80 when the text is not a number, none when it is a number
// that is not a port (0, or above 65535).
std::optional<std::uint16_t> PortFromText(std::string_view Text);

// Characters typed into the port box (digits, Backspace) and into the address box (digits,
// ".", Backspace); anything else is dropped.
bool AcceptsPortCharacter(char32_t Character);
bool AcceptsIPAddressCharacter(char32_t Character);
