#include "app/uVersionText.h"

std::string VersionText(unsigned Major, unsigned Minor, unsigned Release, unsigned Build) {
  std::string Text = std::to_string(Major) + "." + std::to_string(Minor);
  if (Release != 0 || Build != 0)
    Text += "." + std::to_string(Release);
  if (Build != 0)
    Text += "." + std::to_string(Build) + " Beta";
  return Text;
}

std::string VersionCopyText(std::string_view Product, std::string_view Version,
                            std::string_view BuildDate) {
  std::string Text(Product);
  Text += ' ';
  Text += Version;
  Text += " (";
  Text += BuildDate;
  Text += ')';
  return Text;
}
