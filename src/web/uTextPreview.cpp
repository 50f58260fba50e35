#include "web/uTextPreview.h"

namespace {

bool IsBreak(char C) {
  return C == '\t' || C == '\n' || C == '\r';
}

}  // namespace

std::string TextPreview(std::string_view Text, std::size_t Limit) {
  std::size_t Start = 0;
  while (Start < Text.size() && (IsBreak(Text[Start]) || Text[Start] == ' '))
    ++Start;
  std::size_t End = Start;
  if (End < Text.size()) {
    ++End;
    while (End < Text.size() && End - Start <= Limit && !IsBreak(Text[End]))
      ++End;
  }
  std::string Result = "(";
  Result += std::to_string(Text.size());
  Result += ") ";
  Result.append(Text.substr(Start, End - Start));
  if (End < Text.size())
    Result += "...";
  return Result;
}
