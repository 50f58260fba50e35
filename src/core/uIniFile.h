#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/uAtomicFile.h"
#include "core/uKoException.h"

class EIniFile : public EKoException {
 public:
  using EKoException::EKoException;
};

// An INI document in memory: sections in brackets, one Key=Value pair per line. Section and key
// names compare ignoring ASCII letter case; sections keep the order in which the file has them.
// Values are taken as they stand (no quotes are added or removed), only trimmed of the blanks
// around them, so a text that contains ";", "=" or "#" needs nothing special.
//
// Reading never fails on content: files with CR LF or LF, a UTF-8 byte-order mark, blank lines
// and comment lines (";" or "#" first) are read, and a line that is neither is skipped. Keys
// before the first section and keys under a broken section header are skipped too; a repeated
// section continues the first one, and of a repeated key the first value counts, as Windows'
// own profile functions read them.
//
// Writing produces a file that reads back to the same document: names and values that would
// not (a line break anywhere, "=" in a key, "]" closing a section name early) raise EIniFile.
class TIniFile {
 public:
  TIniFile() = default;

  static TIniFile FromText(std::string_view Text);
  // Raises EIniFile when the file cannot be read.
  static TIniFile LoadFromFile(const std::string& FileName);

  // The whole document with CR LF line ends and a blank line between sections.
  std::string ToText() const;
  // Replaces the file whole and safely (SaveFileAtomically); raises EFileSave on failure, when
  // the previous file is still intact.
  void SaveToFile(const std::string& FileName, const TFileReplacer& Replace = {}) const;

  // Section names as first written, in file order.
  std::vector<std::string> Sections() const;
  bool SectionExists(std::string_view Section) const;
  std::vector<std::string> Keys(std::string_view Section) const;
  bool ValueExists(std::string_view Section, std::string_view Key) const;

  std::string ReadString(std::string_view Section, std::string_view Key,
                         std::string_view Default) const;
  // A decimal integer with an optional sign; Default when the key is missing or its value is
  // not such a number or does not fit.
  int ReadInteger(std::string_view Section, std::string_view Key, int Default) const;

  // Adds the section and the key at the end when they are new, otherwise changes the value in
  // place.
  void WriteString(std::string_view Section, std::string_view Key, std::string_view Value);
  void WriteInteger(std::string_view Section, std::string_view Key, long long Value);

  void EraseSection(std::string_view Section);
  void DeleteKey(std::string_view Section, std::string_view Key);
  void Clear();

 private:
  struct TSection {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Values;
  };

  const TSection* FindSection(std::string_view Name) const;
  TSection* FindSection(std::string_view Name);
  TSection& AddSection(std::string_view Name);
  static const std::string* FindValue(const TSection& Section, std::string_view Key);
  void RebuildIndex();

  std::vector<TSection> FSections;
  // Lower-cased name to position in FSections, so that files with many sections load quickly.
  std::unordered_map<std::string, std::size_t> FIndex;
};
