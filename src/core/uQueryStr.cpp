#include "core/uQueryStr.h"

#include "core/uFormat.h"
#include "core/uQueryStrStrings.h"
#include "core/uStringUtils.h"

namespace {

std::string NormalizeKey(std::string_view Key) {
  std::string Normalized = UpperCaseAscii(TrimBlanks(Key));
  if (Normalized.empty())
    throw EQueryStr(ResStr(uquerystr::semptykey));
  return Normalized;
}

std::string NormalizeKeyForReading(std::string_view Key) {
  return UpperCaseAscii(TrimBlanks(Key));
}

bool NeedsEscape(char C) {
  auto Code = static_cast<unsigned char>(C);
  return C == '%' || C == ';' || C == '=' || (Code >= 1 && Code <= 31);
}

std::string Escape(std::string_view Text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string Result;
  Result.reserve(Text.size());
  for (char C : Text) {
    if (!NeedsEscape(C)) {
      Result += C;
      continue;
    }
    auto Code = static_cast<unsigned char>(C);
    Result += '%';
    Result += kDigits[Code >> 4];
    Result += kDigits[Code & 15];
  }
  return Result;
}

std::string Unescape(std::string_view Text) {
  std::string Result;
  Result.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] != '%') {
      Result += Text[I];
      continue;
    }
    if (Text.size() - I - 1 < 2)
      throw EQueryStr(ResStr(uquerystr::sincorrectlyescaped) + std::string(Text));
    Result += static_cast<char>(HexToInt(Text.substr(I + 1, 2)) & 0xFF);
    I += 2;
  }
  return Result;
}

}  // namespace

int TQueryStr::IndexOf(const std::string& NormalizedKey) const {
  for (std::size_t I = 0; I < FKeys.size(); ++I)
    if (FKeys[I] == NormalizedKey)
      return static_cast<int>(I);
  return -1;
}

void TQueryStr::WriteString(std::string_view Key, std::string_view Value) {
  std::string Normalized = NormalizeKey(Key);
  int Index = IndexOf(Normalized);
  if (Index >= 0) {
    FValues[static_cast<std::size_t>(Index)] = Value;
    return;
  }
  FKeys.push_back(std::move(Normalized));
  FValues.emplace_back(Value);
}

std::string TQueryStr::ReadString(std::string_view Key) const {
  int Index = IndexOf(NormalizeKeyForReading(Key));
  return Index >= 0 ? FValues[static_cast<std::size_t>(Index)] : std::string();
}

bool TQueryStr::HasKey(std::string_view Key) const {
  return IndexOf(NormalizeKeyForReading(Key)) >= 0;
}

void TQueryStr::WriteInteger(std::string_view Key, int Value) {
  WriteString(Key, std::to_string(Value));
}

int TQueryStr::ReadInteger(std::string_view Key, int Default) const {
  if (!HasKey(Key))
    return Default;
  return TextToIntDef(ReadString(Key), Default);
}

void TQueryStr::WriteBool(std::string_view Key, bool Value) {
  WriteString(Key, BoolToText(Value, true));
}

bool TQueryStr::ReadBool(std::string_view Key) const {
  return TextToBool(ReadString(Key), false);
}

int TQueryStr::Count() const {
  if (FKeys.size() != FValues.size())
    throw EQueryStr(Format(ResStr(uquerystr::snotsynchronized), {FKeys.size(), FValues.size()}));
  return static_cast<int>(FKeys.size());
}

std::string TQueryStr::Encode() const {
  std::string Result;
  const int Pairs = Count();
  for (int I = 0; I < Pairs; ++I) {
    Result += Escape(FKeys[static_cast<std::size_t>(I)]);
    Result += '=';
    Result += Escape(FValues[static_cast<std::size_t>(I)]);
    Result += ';';
  }
  return Result;
}

void TQueryStr::Decode(std::string_view Text) {
  // A trailing fragment without "=" is dropped, and so is a lone last character: the loop only
  // looks for a pair while at least two characters remain.
  std::size_t Pos = 0;
  while (Pos + 1 < Text.size()) {
    std::size_t Equals = Text.find('=', Pos);
    if (Equals == std::string_view::npos)
      break;
    std::size_t End = Text.find(';', Equals + 1);
    if (End == std::string_view::npos)
      End = Text.size();
    WriteString(Unescape(Text.substr(Pos, Equals - Pos)),
                Unescape(Text.substr(Equals + 1, End - Equals - 1)));
    Pos = End + 1;
  }
}

std::string BoolToText(bool Value, bool UseWords) {
  if (UseWords)
    return Value ? "True" : "False";
  return Value ? "1" : "0";
}

bool TextToBool(std::string_view Text, bool Default) {
  if (Text == "1" || SameText(Text, "TRUE"))
    return true;
  if (Text == "0" || SameText(Text, "FALSE"))
    return false;
  return Default;
}

int HexToInt(std::string_view Text) {
  unsigned Result = 0;
  for (char C : Text) {
    unsigned Digit;
    if (C >= '0' && C <= '9')
      Digit = static_cast<unsigned>(C - '0');
    else if (C >= 'A' && C <= 'F')
      Digit = static_cast<unsigned>(C - 'A' + 10);
    else
      throw EQueryStr(ResStr(uquerystr::sinvalidhex) + std::string(Text));
    Result = Result * 16 + Digit;
  }
  return static_cast<int>(Result);
}
