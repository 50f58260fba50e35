#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/uKoException.h"

class EQueryStr : public EKoException {
 public:
  using EKoException::EKoException;
};

// The settings of one event or action as ordered key/value pairs, and their one-line text form
// KEY=VALUE; in which "%", ";", "=" and control characters are written as %XX. Keys are kept
// trimmed and in upper case; a pair keeps the place where its key was first written.
class TQueryStr {
 public:
  void WriteString(std::string_view Key, std::string_view Value);
  std::string ReadString(std::string_view Key) const;
  bool HasKey(std::string_view Key) const;

  void WriteInteger(std::string_view Key, int Value);
  int ReadInteger(std::string_view Key, int Default = 0) const;

  void WriteBool(std::string_view Key, bool Value);
  bool ReadBool(std::string_view Key) const;

  int Count() const;
  const std::vector<std::string>& Keys() const { return FKeys; }
  const std::vector<std::string>& Values() const { return FValues; }

  std::string Encode() const;
  // Adds the pairs of a configuration text; raises EQueryStr for a malformed one.
  void Decode(std::string_view Text);

 private:
  int IndexOf(const std::string& NormalizedKey) const;

  std::vector<std::string> FKeys;
  std::vector<std::string> FValues;
};

// "True"/"False" with UseWords, else "1"/"0".
std::string BoolToText(bool Value, bool UseWords);
// "1" or TRUE in any case give true, "0" or FALSE give false, anything else the default.
bool TextToBool(std::string_view Text, bool Default);
// Upper-case hexadecimal digits only; an empty text gives 0. Raises EQueryStr otherwise.
int HexToInt(std::string_view Text);
