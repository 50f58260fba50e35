#include "web/uHtmlText.h"

std::string HTMLEscape(std::string_view Text, bool EscapeQuotes) {
  // One pass gives the same result as replacing each character over the whole text in turn,
  // ampersand first.
  std::string Result;
  Result.reserve(Text.size() + Text.size() / 8);
  for (const char C : Text) {
    switch (C) {
      case '&':
        Result += "&amp;";
        break;
      case '<':
        Result += "&lt;";
        break;
      case '>':
        Result += "&gt;";
        break;
      case '"':
        if (EscapeQuotes) {
          Result += "&quot;";
        } else {
          Result += C;
        }
        break;
      case '\'':
        if (EscapeQuotes) {
          Result += "&#39;";
        } else {
          Result += C;
        }
        break;
      default:
        Result += C;
    }
  }
  return Result;
}

std::string ToPrintableASCII(std::string_view Text) {
  std::string Result(Text);
  for (char& C : Result) {
    const auto Byte = static_cast<unsigned char>(C);
    if (Byte < 32 || Byte > 126)
      C = '?';
  }
  return Result;
}
