#include "app/uPoFile.h"

#include <fstream>
#include <iterator>

#include "core/uFilePaths.h"
#include "core/uStringUtils.h"

namespace {

bool IsSpace(char C) {
  return C == ' ' || C == '\t' || C == '\f' || C == '\v' || C == '\r';
}

std::string_view TrimSpaces(std::string_view Text) {
  while (!Text.empty() && IsSpace(Text.front()))
    Text.remove_prefix(1);
  while (!Text.empty() && IsSpace(Text.back()))
    Text.remove_suffix(1);
  return Text;
}

bool IsOctal(char C) {
  return C >= '0' && C <= '7';
}

int HexValue(char C) {
  if (C >= '0' && C <= '9')
    return C - '0';
  if (C >= 'a' && C <= 'f')
    return C - 'a' + 10;
  if (C >= 'A' && C <= 'F')
    return C - 'A' + 10;
  return -1;
}

// One quoted string that fills the rest of a line: the decoded text, or nothing when the
// quotes or escapes are broken. A NUL character would cut the text short in every Windows call
// that shows it, so it counts as broken too.
std::optional<std::string> DecodeQuoted(std::string_view Line) {
  Line = TrimSpaces(Line);
  if (Line.size() < 2 || Line.front() != '"' || Line.back() != '"')
    return std::nullopt;
  std::string_view Body = Line.substr(1, Line.size() - 2);
  std::string Text;
  Text.reserve(Body.size());
  for (std::size_t I = 0; I < Body.size(); ++I) {
    char C = Body[I];
    if (C == '"')
      return std::nullopt;  // a quote inside must be escaped
    if (C != '\\') {
      Text += C;
      continue;
    }
    if (++I >= Body.size())
      return std::nullopt;  // the closing quote was escaped
    int Value = -1;
    switch (Body[I]) {
      case 'n':
        Value = '\n';
        break;
      case 't':
        Value = '\t';
        break;
      case 'r':
        Value = '\r';
        break;
      case 'a':
        Value = '\a';
        break;
      case 'b':
        Value = '\b';
        break;
      case 'f':
        Value = '\f';
        break;
      case 'v':
        Value = '\v';
        break;
      case '"':
      case '\\':
      case '\'':
      case '?':
        Value = Body[I];
        break;
      case 'x': {
        Value = 0;
        int Digits = 0;
        while (Digits < 2 && I + 1 < Body.size() && HexValue(Body[I + 1]) >= 0) {
          Value = Value * 16 + HexValue(Body[++I]);
          ++Digits;
        }
        if (Digits == 0)
          return std::nullopt;
        break;
      }
      default:
        if (!IsOctal(Body[I]))
          return std::nullopt;
        Value = Body[I] - '0';
        for (int Digits = 1; Digits < 3 && I + 1 < Body.size() && IsOctal(Body[I + 1]); ++Digits)
          Value = Value * 8 + (Body[++I] - '0');
        if (Value > 255)
          return std::nullopt;
        break;
    }
    if (Value == 0)
      return std::nullopt;
    Text += static_cast<char>(Value);
  }
  return Text;
}

bool StartsWith(std::string_view Text, std::string_view Prefix) {
  return Text.substr(0, Prefix.size()) == Prefix;
}

enum TField { pfNone, pfContext, pfId, pfIdPlural, pfText };

class TPoParser {
 public:
  TPoCatalog Parse(std::string_view Text) {
    if (StartsWith(Text, "\xEF\xBB\xBF"))
      Text.remove_prefix(3);
    while (!Text.empty()) {
      const std::size_t End = Text.find('\n');
      ReadLine(TrimSpaces(Text.substr(0, End)));
      if (End == std::string_view::npos)
        break;
      Text.remove_prefix(End + 1);
    }
    Finish();
    return std::move(FCatalog);
  }

 private:
  void ReadLine(std::string_view Line) {
    if (Line.empty()) {
      // Blank lines separate entries; between the comments and the msgid of one they mean
      // nothing.
      if (FField != pfNone || FBroken)
        Finish();
      return;
    }
    if (Line.front() == '#') {
      ReadComment(Line);
      return;
    }
    if (Line.front() == '"') {
      Continue(Line);
      return;
    }
    ReadKeyword(Line);
  }

  void ReadComment(std::string_view Line) {
    // Comments open the next entry; an entry still without its translation is incomplete.
    if (FField != pfNone || FBroken)
      Finish();
    if (StartsWith(Line, "#~")) {
      // An obsolete entry, kept by the tools for the translator's memory only. The comments
      // just read were its own.
      Reset();
      return;
    }
    if (StartsWith(Line, "#:")) {
      std::string_view Rest = Line.substr(2);
      while (!Rest.empty()) {
        Rest = TrimSpaces(Rest);
        const std::size_t End = Rest.find_first_of(" \t");
        if (!Rest.empty())
          FEntry.References.emplace_back(Rest.substr(0, End));
        Rest = End == std::string_view::npos ? std::string_view() : Rest.substr(End);
      }
    } else if (StartsWith(Line, "#,")) {
      for (const std::string& Flag : SplitText(Line.substr(2), ','))
        if (TrimSpaces(Flag) == "fuzzy")
          FEntry.Fuzzy = true;
    }
  }

  void ReadKeyword(std::string_view Line) {
    const std::size_t End = Line.find_first_of(" \t\"");
    const std::string_view Keyword = Line.substr(0, End);
    const std::string_view Rest =
        End == std::string_view::npos ? std::string_view() : Line.substr(End);
    TField Field = pfNone;
    if (Keyword == "msgctxt")
      Field = pfContext;
    else if (Keyword == "msgid")
      Field = pfId;
    else if (Keyword == "msgid_plural")
      Field = pfIdPlural;
    else if (Keyword == "msgstr" || IsIndexedText(Keyword))
      Field = pfText;
    if (Field == pfNone) {
      FBroken = true;
      return;
    }
    // msgctxt, or msgid without one just before, starts the next entry; what came before
    // it is finished, or dropped when incomplete or broken.
    const bool AfterContext = Field == pfId && FField == pfContext && !FBroken;
    if ((Field == pfContext || Field == pfId) && !AfterContext && (FField != pfNone || FBroken))
      Finish();
    if (!InOrder(Field) ||
        (Field == pfText && (Keyword != "msgstr") != FEntry.IdPlural.has_value()))
      FBroken = true;
    FField = Field;
    std::optional<std::string> Value = DecodeQuoted(Rest);
    if (!Value) {
      FBroken = true;
      return;
    }
    switch (Field) {
      case pfContext:
        FEntry.Context = std::move(*Value);
        break;
      case pfId:
        FEntry.Id = std::move(*Value);
        FHasId = true;
        break;
      case pfIdPlural:
        FEntry.IdPlural = std::move(*Value);
        break;
      default:
        FEntry.Texts.push_back(std::move(*Value));
        break;
    }
  }

  static bool IsIndexedText(std::string_view Keyword) {
    if (!StartsWith(Keyword, "msgstr[") || Keyword.back() != ']' || Keyword.size() < 9)
      return false;
    for (char C : Keyword.substr(7, Keyword.size() - 8))
      if (C < '0' || C > '9')
        return false;
    return true;
  }

  // msgctxt, msgid, msgid_plural and msgstr come once each and in this order; only the
  // numbered msgstr[n] of a plural entry repeat.
  bool InOrder(TField Field) const {
    switch (Field) {
      case pfContext:
        return FField == pfNone;
      case pfId:
        return FField == pfNone || FField == pfContext;
      case pfIdPlural:
        return FField == pfId;
      case pfText:
        return FField == pfId || FField == pfIdPlural || (FField == pfText && FEntry.IdPlural);
      default:
        return false;
    }
  }

  void Continue(std::string_view Line) {
    std::optional<std::string> Value = DecodeQuoted(Line);
    if (!Value || FField == pfNone) {
      FBroken = true;
      return;
    }
    switch (FField) {
      case pfContext:
        *FEntry.Context += *Value;
        break;
      case pfId:
        FEntry.Id += *Value;
        break;
      case pfIdPlural:
        *FEntry.IdPlural += *Value;
        break;
      default:
        if (!FEntry.Texts.empty())
          FEntry.Texts.back() += *Value;
        break;
    }
  }

  void Finish() {
    const bool Complete = !FBroken && FHasId && !FEntry.Texts.empty();
    if (Complete) {
      if (FEntry.Id.empty() && !FEntry.Context) {
        if (!FCatalog.Header)
          FCatalog.Header = std::move(FEntry.Texts.front());
      } else {
        FCatalog.Entries.push_back(std::move(FEntry));
      }
    }
    Reset();
  }

  void Reset() {
    FEntry = TPoEntry();
    FField = pfNone;
    FHasId = false;
    FBroken = false;
  }

  TPoCatalog FCatalog;
  TPoEntry FEntry;
  TField FField = pfNone;
  bool FHasId = false;
  bool FBroken = false;
};

}  // namespace

TPoCatalog ParsePo(std::string_view Text) {
  return TPoParser().Parse(Text);
}

std::optional<std::string> ReadPoFile(const std::string& FileName) {
  std::ifstream Stream(Utf8ToPath(FileName), std::ios::binary);
  if (!Stream)
    return std::nullopt;
  std::string Content;
  char Buffer[65536];
  while (Stream.read(Buffer, sizeof Buffer) || Stream.gcount() > 0) {
    Content.append(Buffer, static_cast<std::size_t>(Stream.gcount()));
    if (Content.size() > kMaxPoFileSize)
      return std::nullopt;
  }
  if (Stream.bad())
    return std::nullopt;
  return Content;
}

std::string PoHeaderField(std::string_view Header, std::string_view Name) {
  while (!Header.empty()) {
    const std::size_t End = Header.find('\n');
    const std::string_view Line = Header.substr(0, End);
    if (Line.size() >= Name.size() && SameText(Line.substr(0, Name.size()), Name))
      return std::string(TrimBlanks(Line.substr(Name.size())));
    if (End == std::string_view::npos)
      break;
    Header.remove_prefix(End + 1);
  }
  return {};
}

namespace {

std::string Quoted(std::string_view Text) {
  std::string Result = "\"";
  for (char C : Text) {
    switch (C) {
      case '"':
        Result += "\\\"";
        break;
      case '\\':
        Result += "\\\\";
        break;
      case '\n':
        Result += "\\n";
        break;
      case '\r':
        Result += "\\r";
        break;
      case '\t':
        Result += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(C) < 32) {
          const char Octal[] = {'\\', static_cast<char>('0' + ((C >> 6) & 7)),
                                static_cast<char>('0' + ((C >> 3) & 7)),
                                static_cast<char>('0' + (C & 7)), 0};
          Result += Octal;
        } else {
          Result += C;
        }
    }
  }
  return Result + "\"";
}

}  // namespace

std::string PoStatement(std::string_view Keyword, std::string_view Text) {
  std::string Result(Keyword);
  // A text of several lines starts with an empty string so that its lines align below.
  const std::size_t FirstBreak = Text.find('\n');
  if (FirstBreak == std::string_view::npos || FirstBreak + 1 == Text.size())
    return Result + " " + Quoted(Text) + "\n";
  Result += " \"\"\n";
  while (!Text.empty()) {
    const std::size_t End = Text.find('\n');
    const std::size_t Length = End == std::string_view::npos ? Text.size() : End + 1;
    Result += Quoted(Text.substr(0, Length)) + "\n";
    Text.remove_prefix(Length);
  }
  return Result;
}
