// Query strings as any client may send them: parsing never fails, and every parsed name can be
// looked up again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "web/uWebParameters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Query(reinterpret_cast<const char*>(Data), Size);
  TWebParameters Parameters;
  ParseQueryString(Query, Parameters);
  std::string Value;
  for (const auto& [Name, Stored] : Parameters.Items()) {
    if (!Parameters.TryGetValue(Name, Value) || Value != Stored)
      std::abort();
  }
  if (DecodeQueryComponent(Query).size() > Query.size())
    std::abort();
  return 0;
}
