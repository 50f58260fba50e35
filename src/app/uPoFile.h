#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A gettext PO file as translators and their tools write it: entries of comments ("#:"
// references, "#," flags), msgctxt, msgid, msgid_plural and msgstr or msgstr[n], each a quoted
// string continued on further quoted lines, with C escapes. Reading never fails: an entry that
// is not well formed is left out and the next one is read.

struct TPoEntry {
  std::vector<std::string> References;  // the "#:" words, as written ("mainform.scaption")
  std::optional<std::string> Context;   // msgctxt
  std::string Id;                       // msgid
  std::optional<std::string> IdPlural;  // msgid_plural
  std::vector<std::string> Texts;       // msgstr, or msgstr[0], msgstr[1], ...
  bool Fuzzy = false;                   // "#, fuzzy": a guess that the translator has not checked
};

struct TPoCatalog {
  // The msgstr of the header entry (the one with an empty msgid and no context), when there is
  // one: lines "Name: value" separated by line breaks.
  std::optional<std::string> Header;
  // The other entries in file order; obsolete ("#~") and malformed entries are not here.
  std::vector<TPoEntry> Entries;
};

TPoCatalog ParsePo(std::string_view Text);

// Files larger than this are not language files; reading them would only cost memory.
inline constexpr std::size_t kMaxPoFileSize = 16 * 1024 * 1024;

// The whole file, or nothing when it cannot be read or is larger than kMaxPoFileSize.
std::optional<std::string> ReadPoFile(const std::string& FileName);

// The value of the first header line that starts with Name ("Language:", letters compared
// without case), with blanks and control characters removed at both ends; empty when no line
// has it.
std::string PoHeaderField(std::string_view Header, std::string_view Name);

// Text as a PO string: quoted and escaped, continued on a new quoted line after every line
// break, as gettext's tools write it ("msgid", "Text" gives msgid "Text").
std::string PoStatement(std::string_view Keyword, std::string_view Text);
