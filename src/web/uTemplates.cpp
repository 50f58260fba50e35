#include "web/uTemplates.h"

#include <fstream>
#include <iterator>

#include "core/uFilePaths.h"
#include "core/uFormat.h"
#include "web/uTemplatesStrings.h"
#include "web/uTextPreview.h"
#include "web/uWordTokenizer.h"

namespace {

// Real pages nest a handful of blocks; the bound keeps a hostile or broken file from exhausting
// the stack of the thread that parses or renders it.
constexpr int MaxBlockDepth = 100;

struct TTagSpan {
  std::size_t Open = 0;   // index of "{{"
  std::size_t Close = 0;  // index of the "}}" that ends the tag
  std::string_view Content(std::string_view Text) const {
    return Text.substr(Open + 2, Close - Open - 2);
  }
};

// A "{{" without a later "}}" is no tag, and neither is anything after it.
bool FindTag(std::string_view Text, std::size_t From, TTagSpan& Tag) {
  const std::size_t Open = Text.find("{{", From);
  if (Open == std::string_view::npos)
    return false;
  const std::size_t Close = Text.find("}}", Open + 2);
  if (Close == std::string_view::npos)
    return false;
  Tag.Open = Open;
  Tag.Close = Close;
  return true;
}

std::string_view TrimControls(std::string_view Text) {
  while (!Text.empty() && static_cast<unsigned char>(Text.front()) <= 32)
    Text.remove_prefix(1);
  while (!Text.empty() && static_cast<unsigned char>(Text.back()) <= 32)
    Text.remove_suffix(1);
  return Text;
}

std::unique_ptr<TTemplateNode> BuildTagNode(std::string_view Content) {
  TWordTokenizer Tokenizer(Content, {'\t', '\n', '\r', ' '});
  std::vector<std::string> Words;
  std::string Word;
  // Words beyond the third are ignored, so there is no need to split further.
  while (Words.size() < 3 && Tokenizer.NextWord(Word))
    Words.push_back(Word);
  if (Words.empty())
    throw ETemplateError(ResStr(utemplates::semptytagcontent));
  if (Words.size() == 1)
    return std::make_unique<TTemplateNode>(tntLabel, Words[0]);
  const std::string& Keyword = Words[0];
  if (Keyword == "IFDEF")
    return std::make_unique<TTemplateNode>(tntIfDefined, Words[1]);
  if (Keyword == "FOR")
    return std::make_unique<TTemplateNode>(tntForLoop, Words[1]);
  if (Keyword == "IF") {
    if (Words.size() == 2)
      return std::make_unique<TTemplateNode>(tntIfCondition, Words[1]);
    if (Words[1] != "NOT") {
      throw ETemplateError(ResStr(utemplates::sinvalidifsyntax) + std::string(Content));
    }
    return std::make_unique<TTemplateNode>(tntIfCondition, Words[2], true);
  }
  throw ETemplateError(ResStr(utemplates::sunknownkeyword) + std::string(Content));
}

bool IsBlock(TTemplateNodeType Type) {
  return Type == tntForLoop || Type == tntIfCondition || Type == tntIfDefined;
}

// The closing tag is the first later tag whose content is "END" + the opening content; blocks
// are not counted, so an identical inner block ends the outer one. Without a closing tag the
// block runs to the end of the text.
std::string_view TakeBlockBody(std::string_view Text, std::size_t& Position,
                               std::string_view OpeningContent) {
  const std::string Closing = "END" + std::string(OpeningContent);
  std::size_t Search = Position;
  TTagSpan Tag;
  while (FindTag(Text, Search, Tag)) {
    if (TrimControls(Tag.Content(Text)) == Closing) {
      const std::string_view Body = Text.substr(Position, Tag.Open - Position);
      Position = Tag.Close + 2;
      return Body;
    }
    Search = Tag.Close + 2;
  }
  const std::string_view Body = Text.substr(Position);
  Position = Text.size();
  return Body;
}

void ParseInto(TTemplateNode& Node, std::string_view Text, int Depth) {
  std::size_t Position = 0;
  while (Position < Text.size()) {
    TTagSpan Tag;
    if (!FindTag(Text, Position, Tag)) {
      Node.AddChild(std::make_unique<TTemplateNode>(tntText, std::string(Text.substr(Position))));
      return;
    }
    if (Tag.Open > Position) {
      Node.AddChild(std::make_unique<TTemplateNode>(
          tntText, std::string(Text.substr(Position, Tag.Open - Position))));
    }
    const std::string_view Content = TrimControls(Tag.Content(Text));
    TTemplateNode& Child = Node.AddChild(BuildTagNode(Content));
    Position = Tag.Close + 2;
    if (!IsBlock(Child.NodeType()))
      continue;
    if (Depth >= MaxBlockDepth) {
      throw ETemplateError(Format(ResStr(utemplates::snestedtoodeeply), {MaxBlockDepth}) +
                           std::string(Content));
    }
    ParseInto(Child, TakeBlockBody(Text, Position, Content), Depth + 1);
  }
}

const char* NodeTypeName(TTemplateNodeType Type) {
  switch (Type) {
    case tntNone:
      return "tntNone";
    case tntText:
      return "tntText";
    case tntLabel:
      return "tntLabel";
    case tntForLoop:
      return "tntForLoop";
    case tntIfCondition:
      return "tntIfCondition";
    case tntIfDefined:
      return "tntIfDefined";
  }
  return "?";
}

char AsciiLower(char C) {
  return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C;
}

}  // namespace

TTemplateNode::TTemplateNode(TTemplateNodeType NodeType, std::string Text, bool Negate)
    : FNodeType(NodeType), FText(std::move(Text)), FNegate(Negate) {}

TTemplateNode& TTemplateNode::AddChild(std::unique_ptr<TTemplateNode> Child) {
  FChildren.push_back(std::move(Child));
  return *FChildren.back();
}

void TTemplateNode::Parse(std::string_view Text) {
  ParseInto(*this, Text, 0);
}

std::string TTemplateNode::RenderChildren(TTemplateView& View) const {
  std::string Result;
  for (const auto& Child : FChildren)
    Result += Child->Render(View);
  return Result;
}

std::string TTemplateNode::Render(TTemplateView& View) const {
  switch (FNodeType) {
    case tntNone:
      return RenderChildren(View);
    case tntText:
      return FText;
    case tntLabel:
      return TemplateValueToString(View.GetValue(FText));
    case tntForLoop: {
      std::string Result;
      for (const auto& Child : View.GetChildViews(FText, false))
        Result += RenderChildren(*Child);
      return Result;
    }
    case tntIfCondition:
      if (TemplateValueToBoolean(View.GetValue(FText)) != FNegate)
        return RenderChildren(View);
      return {};
    case tntIfDefined:
      if (View.IsDefined(FText))
        return RenderChildren(View);
      return {};
  }
  throw ETemplateError(ResStr(utemplates::sunsupportedblocktype) +
                       std::to_string(static_cast<int>(FNodeType)));
}

std::string TTemplateNode::Dump(int Level) const {
  std::string Result(static_cast<std::size_t>(Level) * 4, ' ');
  Result += "[";
  Result += NodeTypeName(FNodeType);
  Result += "] ";
  switch (FNodeType) {
    case tntNone:
      break;
    case tntText:
      Result += TextPreview(FText);
      break;
    case tntIfCondition:
      if (FNegate)
        Result += "NOT ";
      Result += FText;
      break;
    default:
      Result += FText;
  }
  Result += "\r\n";
  for (const auto& Child : FChildren)
    Result += Child->Dump(Level + 1);
  return Result;
}

void TTemplate::LoadFromFile(const std::string& FileName) {
  std::ifstream Stream(Utf8ToPath(FileName), std::ios::binary);
  if (!Stream)
    throw EKoException(Format(ResStr(utemplates::scannotopenfile), {FileName}));
  LoadFromStream(Stream);
}

void TTemplate::LoadFromStream(std::istream& Stream) {
  const std::string Text((std::istreambuf_iterator<char>(Stream)),
                         std::istreambuf_iterator<char>());
  Parse(Text);
}

void TTemplates::LoadFromFolder(const std::string& Folder, std::string_view Mask) {
  const std::string Prefix = IncludeTrailingPathDelimiter(Folder);
  // A missing or unreadable folder is a broken installation: say which folder, rather than
  // serving pages that all fail for want of their templates.
  std::error_code Error;
  std::filesystem::directory_iterator Entry(Utf8ToPath(Folder), Error);
  for (; !Error && Entry != std::filesystem::directory_iterator(); Entry.increment(Error)) {
    std::error_code KindError;
    if (Entry->is_directory(KindError))
      continue;
    const std::string Name = PathToUtf8(Entry->path().filename());
    if (MatchesFileMask(Name, Mask))
      LoadFromFile(Prefix + Name);
  }
  if (Error)
    throw ETemplateError(Format(ResStr(utemplates::scannotopenfolder), {Folder}));
}

TTemplate& TTemplates::LoadFromFile(const std::string& FileName) {
  auto Template = std::make_unique<TTemplate>();
  Template->SetName(ExtractFileName(FileName));
  Template->LoadFromFile(FileName);
  FItems.push_back(std::move(Template));
  return *FItems.back();
}

TTemplate* TTemplates::FindByName(std::string_view Name) const {
  for (const auto& Template : FItems) {
    if (Template->Name() == Name)
      return Template.get();
  }
  return nullptr;
}

TTemplate& TTemplates::GetByName(std::string_view Name) const {
  if (auto Template = FindByName(Name))
    return *Template;
  throw ETemplateError(Format(ResStr(utemplates::stemplatenotfound), {Name}));
}

bool MatchesFileMask(std::string_view FileName, std::string_view Mask) {
  // Greedy match with one step of backtracking to the last "*": linear enough for file names.
  std::size_t Name = 0, Pattern = 0;
  std::size_t StarPattern = std::string_view::npos, StarName = 0;
  while (Name < FileName.size()) {
    if (Pattern < Mask.size() &&
        (Mask[Pattern] == '?' || AsciiLower(Mask[Pattern]) == AsciiLower(FileName[Name]))) {
      ++Name;
      ++Pattern;
    } else if (Pattern < Mask.size() && Mask[Pattern] == '*') {
      StarPattern = Pattern++;
      StarName = Name;
    } else if (StarPattern != std::string_view::npos) {
      Pattern = StarPattern + 1;
      Name = ++StarName;
    } else {
      return false;
    }
  }
  while (Pattern < Mask.size() && Mask[Pattern] == '*')
    ++Pattern;
  return Pattern == Mask.size();
}
