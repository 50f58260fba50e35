#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "web/uTemplateError.h"
#include "web/uTemplateView.h"

// The tag language: {{Name}} shows a value; {{FOR List}}...{{ENDFOR List}} repeats its body for
// each child view of a list; {{IF Name}}, {{IF NOT Name}} and {{IFDEF Name}} keep their body or
// drop it. A block closes with "END" followed by its opening tag's content, spacing included.
enum TTemplateNodeType : std::uint8_t {
  tntNone,
  tntText,
  tntLabel,
  tntForLoop,
  tntIfCondition,
  tntIfDefined,
};

class TTemplateNode {
 public:
  explicit TTemplateNode(TTemplateNodeType NodeType = tntNone, std::string Text = {},
                         bool Negate = false);
  virtual ~TTemplateNode() = default;
  TTemplateNode(const TTemplateNode&) = delete;
  TTemplateNode& operator=(const TTemplateNode&) = delete;

  TTemplateNodeType NodeType() const { return FNodeType; }
  // Literal text of a text node; the value or list name of the others.
  const std::string& Text() const { return FText; }
  bool Negate() const { return FNegate; }
  const std::vector<std::unique_ptr<TTemplateNode>>& Children() const { return FChildren; }
  TTemplateNode& AddChild(std::unique_ptr<TTemplateNode> Child);

  // Parses Text into children of this node; ETemplateError on a malformed tag.
  void Parse(std::string_view Text);
  std::string Render(TTemplateView& View) const;

  // Debug dump of the tree, one node a line.
  virtual std::string ToString() const { return Dump(0); }
  std::string Dump(int Level) const;

 private:
  std::string RenderChildren(TTemplateView& View) const;

  TTemplateNodeType FNodeType;
  std::string FText;
  bool FNegate;
  std::vector<std::unique_ptr<TTemplateNode>> FChildren;
};

// One template file, parsed.
class TTemplate : public TTemplateNode {
 public:
  // The file name with extension, without folder, as found on disk ("header.html").
  const std::string& Name() const { return FName; }
  void SetName(std::string Name) { FName = std::move(Name); }

  // FileName is UTF-8. The bytes reach the page as they are, without any character-set change.
  void LoadFromFile(const std::string& FileName);
  void LoadFromStream(std::istream& Stream);

 private:
  std::string FName;
};

// The set of templates a web interface serves from, in load order.
class TTemplates {
 public:
  // Loads each file of Folder matching Mask ("*.html"; "*" and "?" match any run or any one
  // character, letter case aside as on Windows), in the order the file system lists them. The
  // list is not cleared first. One bad file stops the load with its error.
  void LoadFromFolder(const std::string& Folder, std::string_view Mask);
  // Loads and appends one template; on an error nothing is appended.
  TTemplate& LoadFromFile(const std::string& FileName);

  // The first template with exactly this name, or nullptr.
  TTemplate* FindByName(std::string_view Name) const;
  // As FindByName, but ETemplateError when there is none.
  TTemplate& GetByName(std::string_view Name) const;

  std::size_t Count() const { return FItems.size(); }
  TTemplate& operator[](std::size_t Index) const { return *FItems[Index]; }
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<TTemplate>> FItems;
};

// Whether FileName matches a file mask with "*" and "?", ignoring ASCII letter case.
bool MatchesFileMask(std::string_view FileName, std::string_view Mask);
