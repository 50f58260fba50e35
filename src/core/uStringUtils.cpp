#include "core/uStringUtils.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

char UpperAscii(char C) {
  return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C;
}
char LowerAscii(char C) {
  return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C;
}
bool IsBlank(char C) {
  return static_cast<unsigned char>(C) < 33;
}

}  // namespace

std::string_view TrimBlanks(std::string_view Text) {
  while (!Text.empty() && IsBlank(Text.front()))
    Text.remove_prefix(1);
  while (!Text.empty() && IsBlank(Text.back()))
    Text.remove_suffix(1);
  return Text;
}

std::string UpperCaseAscii(std::string_view Text) {
  std::string Result(Text);
  std::transform(Result.begin(), Result.end(), Result.begin(), UpperAscii);
  return Result;
}

std::string LowerCaseAscii(std::string_view Text) {
  std::string Result(Text);
  std::transform(Result.begin(), Result.end(), Result.begin(), LowerAscii);
  return Result;
}

bool SameText(std::string_view A, std::string_view B) {
  return CompareText(A, B) == 0;
}

int CompareText(std::string_view A, std::string_view B) {
  const std::size_t Common = std::min(A.size(), B.size());
  for (std::size_t I = 0; I < Common; ++I) {
    auto Left = static_cast<unsigned char>(UpperAscii(A[I]));
    auto Right = static_cast<unsigned char>(UpperAscii(B[I]));
    if (Left != Right)
      return Left < Right ? -1 : 1;
  }
  if (A.size() == B.size())
    return 0;
  return A.size() < B.size() ? -1 : 1;
}

namespace {
bool IsContinuationByte(char C) {
  return (static_cast<unsigned char>(C) & 0xC0) == 0x80;
}
}  // namespace

std::size_t Utf8Length(std::string_view Text) {
  std::size_t Count = 0;
  for (char C : Text)
    Count += IsContinuationByte(C) ? 0 : 1;
  return Count;
}

std::string Utf8Left(std::string_view Text, std::size_t Characters) {
  std::size_t Seen = 0;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (IsContinuationByte(Text[I]))
      continue;
    if (Seen == Characters)
      return std::string(Text.substr(0, I));
    ++Seen;
  }
  return std::string(Text);
}

std::vector<std::string> SplitText(std::string_view Text, char Separator) {
  std::vector<std::string> Parts;
  std::size_t Start = 0;
  for (;;) {
    std::size_t End = Text.find(Separator, Start);
    if (End == std::string_view::npos) {
      Parts.emplace_back(Text.substr(Start));
      return Parts;
    }
    Parts.emplace_back(Text.substr(Start, End - Start));
    Start = End + 1;
  }
}

bool TryTextToInt(std::string_view Text, int& Value) {
  while (!Text.empty() && (Text.front() == ' ' || Text.front() == '\t'))
    Text.remove_prefix(1);
  bool Negative = false;
  if (!Text.empty() && (Text.front() == '-' || Text.front() == '+')) {
    Negative = Text.front() == '-';
    Text.remove_prefix(1);
  }
  if (Text.empty())
    return false;
  std::int64_t Result = 0;
  for (char C : Text) {
    if (C < '0' || C > '9')
      return false;
    Result = Result * 10 + (C - '0');
    if (Result > std::int64_t{std::numeric_limits<int>::max()} + 1)
      return false;
  }
  if (Negative)
    Result = -Result;
  if (Result > std::numeric_limits<int>::max() || Result < std::numeric_limits<int>::min())
    return false;
  Value = static_cast<int>(Result);
  return true;
}

int TextToIntDef(std::string_view Text, int Default) {
  int Value;
  return TryTextToInt(Text, Value) ? Value : Default;
}
