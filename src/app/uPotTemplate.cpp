#include "app/uPotTemplate.h"

#include <set>

#include "app/uPoFile.h"

std::string PotTemplate(std::span<const TResString* const> Strings) {
  std::string Text =
      "# Kolvane translation template. Copy it to kolvane.<code>.po in the \"Languages\" folder\n"
      "# (kolvane.de.po, kolvane.pt_BR.po), fill in the header and translate the msgstr lines.\n"
      "# Keep every %s, %d and %1:s of the English text: a translation without them is not used.\n";
  Text += PoStatement("msgid", "");
  Text += PoStatement("msgstr",
                      "Project-Id-Version: Kolvane\n"
                      "MIME-Version: 1.0\n"
                      "Content-Type: text/plain; charset=UTF-8\n"
                      "Content-Transfer-Encoding: 8bit\n"
                      "Language: \n"
                      "X-Language-Name: \n"
                      "X-Language-Name-Native: \n"
                      "X-Country: \n"
                      "X-Country-Name: \n"
                      "X-Translators: \n");
  for (const TResString* String : Strings) {
    Text += "\n#: ";
    Text += String->Id;
    Text += "\n";
    Text += PoStatement("msgctxt", String->Id);
    Text += PoStatement("msgid", String->Default);
    Text += PoStatement("msgstr", "");
  }
  return Text;
}

std::vector<std::string> CatalogProblems(std::span<const TResString* const> Strings) {
  std::vector<std::string> Problems;
  std::set<std::string_view> Seen;
  for (const TResString* String : Strings) {
    const std::string_view Id = String->Id;
    if (!Seen.insert(Id).second)
      Problems.push_back(std::string(Id) + ": used by two resource strings");
    const std::size_t Dot = Id.find('.');
    bool WellFormed = Dot != std::string_view::npos && Dot > 0 && Dot + 1 < Id.size();
    for (char C : Id)
      if (!((C >= 'a' && C <= 'z') || (C >= '0' && C <= '9') || C == '_' || C == '.'))
        WellFormed = false;
    if (!WellFormed)
      Problems.push_back(std::string(Id) + ": not a lower-case \"unit.identifier\"");
  }
  return Problems;
}
