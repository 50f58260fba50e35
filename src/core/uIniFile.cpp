#include "core/uIniFile.h"

#include <fstream>
#include <limits>
#include <system_error>

#include "core/uStringUtils.h"
#include "core/uFilePaths.h"
#include "core/uFileStrings.h"
#include "core/uFormat.h"

namespace {

// Settings and presets are small; anything this large is not one of them, and reading it whole
// could exhaust memory.
constexpr std::uintmax_t MaxFileSize = 64u << 20;

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view Text) {
  const auto Blank = [](char Letter) { return Letter == ' ' || Letter == '\t'; };
  while (!Text.empty() && Blank(Text.front()))
    Text.remove_prefix(1);
  while (!Text.empty() && Blank(Text.back()))
    Text.remove_suffix(1);
  return Text;
}

bool IsComment(std::string_view Line) {
  return !Line.empty() && (Line.front() == ';' || Line.front() == '#');
}

// The "]" that closes a section header: the last one when nothing follows it, else the first
// one that only a comment follows ("[General] ; main"); npos for a broken header.
std::size_t HeaderEnd(std::string_view Line) {
  if (Line.back() == ']')
    return Line.size() - 1;
  for (std::size_t Closing = Line.find(']'); Closing != Line.npos;
       Closing = Line.find(']', Closing + 1))
    if (IsComment(Trim(Line.substr(Closing + 1))))
      return Closing;
  return Line.npos;
}

bool HasLineBreak(std::string_view Text) {
  return Text.find_first_of("\r\n") != Text.npos;
}

void CheckSectionName(std::string_view Section) {
  if (Section.empty() || HasLineBreak(Section) || Trim(Section) != Section)
    throw EIniFile(Format(ResStr(uinifile::sinvalidsectionname), {Section}));
}

void CheckKeyName(std::string_view Section, std::string_view Key) {
  if (Key.empty() || HasLineBreak(Key) || Trim(Key) != Key || Key.find('=') != Key.npos ||
      Key.front() == '[' || Key.front() == ';' || Key.front() == '#')
    throw EIniFile(Format(ResStr(uinifile::sinvalidkeyname), {Key, Section}));
}

}  // namespace

TIniFile TIniFile::FromText(std::string_view Text) {
  TIniFile Document;
  if (Text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark)
    Text.remove_prefix(Utf8ByteOrderMark.size());
  TSection* Current = nullptr;
  while (!Text.empty()) {
    const std::size_t End = Text.find('\n');
    std::string_view Line = Text.substr(0, End);
    Text.remove_prefix(End == Text.npos ? Text.size() : End + 1);
    while (!Line.empty() && Line.back() == '\r')
      Line.remove_suffix(1);
    Line = Trim(Line);
    if (Line.empty() || IsComment(Line))
      continue;

    if (Line.front() == '[') {
      // A header that does not close names no section: its keys cannot be told apart from the
      // previous section's, so they are skipped rather than added to the wrong one.
      Current = nullptr;
      const std::size_t Closing = HeaderEnd(Line);
      if (Closing == Line.npos)
        continue;
      const std::string_view Name = Trim(Line.substr(1, Closing - 1));
      if (Name.empty())
        continue;
      Current = Document.FindSection(Name);
      if (!Current)
        Current = &Document.AddSection(Name);
      continue;
    }

    const std::size_t Equals = Line.find('=');
    if (Equals == Line.npos || !Current)
      continue;
    const std::string_view Key = Trim(Line.substr(0, Equals));
    if (Key.empty() || FindValue(*Current, Key))
      continue;
    Current->Values.emplace_back(std::string(Key), std::string(Trim(Line.substr(Equals + 1))));
  }
  return Document;
}

TIniFile TIniFile::LoadFromFile(const std::string& FileName) {
  const std::filesystem::path Path = Utf8ToPath(FileName);
  std::error_code Error;
  const std::uintmax_t Size = std::filesystem::file_size(Path, Error);
  if (Error)
    throw EIniFile(Format(ResStr(uinifile::scannotreadfile), {FileName, Error.message()}));
  if (Size > MaxFileSize)
    throw EIniFile(Format(ResStr(uinifile::sfiletoolarge), {FileName}));

  std::ifstream Stream(Path, std::ios::binary);
  std::string Content(static_cast<std::size_t>(Size), '\0');
  if (!Stream || !Stream.read(Content.data(), static_cast<std::streamsize>(Content.size()))) {
    // The file may have shrunk since its size was taken; what was read is all there is.
    if (!Stream.eof())
      throw EIniFile(Format(ResStr(uinifile::scannotreadfile),
                            {FileName, std::generic_category().message(errno)}));
    Content.resize(static_cast<std::size_t>(Stream.gcount()));
  }
  return FromText(Content);
}

std::string TIniFile::ToText() const {
  std::string Text;
  for (const TSection& Section : FSections) {
    if (!Text.empty())
      Text += "\r\n";
    Text += '[' + Section.Name + "]\r\n";
    for (const auto& [Key, Value] : Section.Values)
      Text += Key + '=' + Value + "\r\n";
  }
  return Text;
}

void TIniFile::SaveToFile(const std::string& FileName, const TFileReplacer& Replace) const {
  SaveFileAtomically(Utf8ToPath(FileName), ToText(), Replace);
}

std::vector<std::string> TIniFile::Sections() const {
  std::vector<std::string> Names;
  Names.reserve(FSections.size());
  for (const TSection& Section : FSections)
    Names.push_back(Section.Name);
  return Names;
}

bool TIniFile::SectionExists(std::string_view Section) const {
  return FindSection(Section) != nullptr;
}

std::vector<std::string> TIniFile::Keys(std::string_view Section) const {
  std::vector<std::string> Names;
  if (const TSection* Found = FindSection(Section))
    for (const auto& Pair : Found->Values)
      Names.push_back(Pair.first);
  return Names;
}

bool TIniFile::ValueExists(std::string_view Section, std::string_view Key) const {
  const TSection* Found = FindSection(Section);
  return Found && FindValue(*Found, Key);
}

std::string TIniFile::ReadString(std::string_view Section, std::string_view Key,
                                 std::string_view Default) const {
  const TSection* Found = FindSection(Section);
  const std::string* Value = Found ? FindValue(*Found, Key) : nullptr;
  return Value ? *Value : std::string(Default);
}

int TIniFile::ReadInteger(std::string_view Section, std::string_view Key, int Default) const {
  const TSection* Found = FindSection(Section);
  const std::string* Value = Found ? FindValue(*Found, Key) : nullptr;
  int Number = 0;
  return Value && TryTextToInt(*Value, Number) ? Number : Default;
}

void TIniFile::WriteString(std::string_view Section, std::string_view Key, std::string_view Value) {
  CheckSectionName(Section);
  CheckKeyName(Section, Key);
  if (HasLineBreak(Value))
    throw EIniFile(Format(ResStr(uinifile::svaluehaslinebreak), {Key, Section}));
  TSection* Existing = FindSection(Section);
  TSection& Target = Existing ? *Existing : AddSection(Section);
  for (auto& Pair : Target.Values) {
    if (SameText(Pair.first, Key)) {
      Pair.second = Value;
      return;
    }
  }
  Target.Values.emplace_back(std::string(Key), std::string(Value));
}

void TIniFile::WriteInteger(std::string_view Section, std::string_view Key, long long Value) {
  WriteString(Section, Key, std::to_string(Value));
}

void TIniFile::EraseSection(std::string_view Section) {
  const TSection* Found = FindSection(Section);
  if (!Found)
    return;
  FSections.erase(FSections.begin() + (Found - FSections.data()));
  RebuildIndex();
}

void TIniFile::DeleteKey(std::string_view Section, std::string_view Key) {
  if (TSection* Found = FindSection(Section))
    std::erase_if(Found->Values, [&](const auto& Pair) { return SameText(Pair.first, Key); });
}

void TIniFile::Clear() {
  FSections.clear();
  FIndex.clear();
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view Name) const {
  const auto Found = FIndex.find(LowerCaseAscii(Name));
  return Found == FIndex.end() ? nullptr : &FSections[Found->second];
}

TIniFile::TSection* TIniFile::FindSection(std::string_view Name) {
  const auto Found = FIndex.find(LowerCaseAscii(Name));
  return Found == FIndex.end() ? nullptr : &FSections[Found->second];
}

TIniFile::TSection& TIniFile::AddSection(std::string_view Name) {
  FIndex.emplace(LowerCaseAscii(Name), FSections.size());
  return FSections.emplace_back(TSection{std::string(Name), {}});
}

const std::string* TIniFile::FindValue(const TSection& Section, std::string_view Key) {
  for (const auto& Pair : Section.Values)
    if (SameText(Pair.first, Key))
      return &Pair.second;
  return nullptr;
}

void TIniFile::RebuildIndex() {
  FIndex.clear();
  for (std::size_t I = 0; I < FSections.size(); ++I)
    FIndex.emplace(LowerCaseAscii(FSections[I].Name), I);
}
