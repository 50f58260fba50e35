// Translation files as anyone may write them: reading never fails, and whatever a file
// installs, every text of the program still formats with its usual arguments.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/uLanguages.h"
#include "app/uPoFile.h"
#include "app/uResourceCatalog.h"
#include "app/uTranslationCheck.h"
#include "core/uFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  const TPoCatalog Catalog = ParsePo(Text);
  if (Catalog.Header && PoHeaderField(*Catalog.Header, "Language:").size() > Size)
    std::abort();
  const auto Strings = ResourceCatalog();
  const TTranslationResult Result = InstallTranslations(Text, Strings);
  if (Result.Installed > Strings.size())
    std::abort();
  for (const TResString* String : Strings) {
    const std::string Translated = ResStr(*String);
    if (!IsValidUtf8(Translated) || !SamePlaceholders(String->Default, Translated))
      std::abort();
    (void)Format(Translated, {"text", 42, 2.5});
  }
  ClearResourceTranslations();
  return 0;
}
