#include "web/uWordTokenizer.h"

TWordTokenizer::TWordTokenizer(std::string_view Text, std::initializer_list<char> Delimiters)
    : FText(Text) {
  for (const char C : Delimiters)
    FDelimiters.set(static_cast<unsigned char>(C));
}

bool TWordTokenizer::NextWord(std::string& Word) {
  while (FPosition < FText.size() && IsDelimiter(FText[FPosition]))
    ++FPosition;
  if (FPosition >= FText.size())
    return false;
  const std::size_t Start = FPosition;
  while (FPosition < FText.size() && !IsDelimiter(FText[FPosition]))
    ++FPosition;
  Word.assign(FText.substr(Start, FPosition - Start));
  return true;
}
