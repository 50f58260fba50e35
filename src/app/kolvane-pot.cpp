// Writes the translation template (kolvane.pot) with every resource string of the program.
// usage: kolvane-pot <output file>

#include <cstdio>
#include <fstream>
#include <string>

#include "app/uPotTemplate.h"
#include "app/uResourceCatalog.h"
#include "core/uFilePaths.h"

int main(int Count, char** Arguments) {
  if (Count != 2) {
    std::fprintf(stderr, "usage: kolvane-pot <output file>\n");
    return 2;
  }
  const auto Catalog = ResourceCatalog();
  const auto Problems = CatalogProblems(Catalog);
  for (const std::string& Problem : Problems)
    std::fprintf(stderr, "%s\n", Problem.c_str());
  if (!Problems.empty())
    return 1;
  std::ofstream Output(Utf8ToPath(Arguments[1]), std::ios::binary | std::ios::trunc);
  Output << PotTemplate(Catalog);
  Output.close();
  if (!Output) {
    std::fprintf(stderr, "cannot write %s\n", Arguments[1]);
    return 1;
  }
  return 0;
}
