// Template files as anyone may write them: parsing either builds a tree or raises
// ETemplateError, and rendering the tree raises nothing else.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "web/uTemplates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TTemplate Template;
  try {
    Template.Parse(std::string_view(reinterpret_cast<const char*>(Data), Size));
  } catch (const ETemplateError&) {
    return 0;
  }
  (void)Template.ToString();
  TTemplateView View;
  View.SetValue("A", "<a>");
  View.SetValue("B", true);
  View.SetValue("C", std::int64_t{0});
  View.AddChildView("L").SetValue("A", false);
  View.AddChildView("L").AddChildView("L");
  View.AddChildViewList("E");
  View.SetOnGetValue([](const std::string&, TTemplateValue&) {});
  try {
    (void)Template.Render(View);
  } catch (const ETemplateError&) {
  }
  (void)View.ToString();
  return 0;
}
