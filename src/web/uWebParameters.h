#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The parameters of a request's query string, in the order they first appeared. Names compare
// exactly, byte for byte; storing a name again replaces its value, so the last repeat wins.
class TWebParameters {
 public:
  using TItem = std::pair<std::string, std::string>;

  void SetValue(std::string_view Name, std::string_view Value);
  // False, with an empty Value, when the name is absent.
  bool TryGetValue(std::string_view Name, std::string& Value) const;
  const std::vector<TItem>& Items() const { return FItems; }
  void Clear() { FItems.clear(); }

 private:
  std::vector<TItem> FItems;
};

// Adds the pieces of Query (the text after "?") to Target. Each piece up to the next "&" is
// split at its first "=" (a piece without one is all name), and name and value are decoded: "+"
// is a space and "%" with two hexadecimal digits is that byte. A "%" not followed by two
// hexadecimal digits stays as it was written, so nothing a browser sends is lost.
void ParseQueryString(std::string_view Query, TWebParameters& Target);

// The decoding applied to each name and value.
std::string DecodeQueryComponent(std::string_view Text);
