#include "actions/uWindowUtils.h"

#include <optional>

#include "actions/uMasks.h"
#include "actions/uProcessList.h"
#include "actions/uTextCompare.h"

namespace {

constexpr std::uint32_t kListTitleTimeoutMs = 1000;

bool PostToWindowTitled(TWindowSystem& Windows, const std::string& Title, std::uint32_t Msg) {
  if (Title.empty())
    return false;
  const TWindowId Window = FindWindowByTitle(Windows, Title);
  if (!Window)
    return false;
  return Windows.PostMessage(Window, Msg, 0, 0);
}

}  // namespace

std::string GetWindowTitle(TWindowSystem& Windows, TWindowId Window, int Method,
                           std::uint32_t TimeoutMs) {
  switch (static_cast<TWindowTitleMethod>(Method)) {
    case TWindowTitleMethod::wtmSendMessage:
      return Windows.SendGetText(Window);
    case TWindowTitleMethod::wtmSendMessageTimeout:
      return Windows.SendGetTextTimeout(Window, TimeoutMs).value_or(std::string());
    case TWindowTitleMethod::wtmGetWindowText:
      return Windows.ReadWindowText(Window);
  }
  return {};
}

void ListWindows(TWindowSystem& Windows, TWindowList& List) {
  List.clear();
  for (const TTopLevelWindow& Candidate : Windows.EnumTopLevelWindows()) {
    if (!Candidate.Visible || Candidate.ToolWindow)
      continue;
    std::string Title = GetWindowTitle(Windows, Candidate.Window,
                                       static_cast<int>(TWindowTitleMethod::wtmSendMessageTimeout),
                                       kListTitleTimeoutMs);
    if (IsBlank(Title))
      continue;
    List.push_back({std::move(Title), Candidate.Window});
  }
}

TWindowId FindWindowByTitle(TWindowSystem& Windows, const std::string& Pattern) {
  if (IsBlank(Pattern))
    return 0;
  if (!HasMaskWildcards(Pattern))
    return Windows.FindWindowByExactTitle(Pattern);
  const TMask Mask(Pattern);
  TWindowList List;
  ListWindows(Windows, List);
  for (const TWindowListItem& Item : List) {
    if (Mask.Matches(Item.Title))
      return Item.Window;
  }
  return 0;
}

bool WindowExists(TWindowSystem& Windows, const std::string& Pattern) {
  return FindWindowByTitle(Windows, Pattern) != 0;
}

bool CloseWindowByTitle(TWindowSystem& Windows, const std::string& Title) {
  return PostToWindowTitled(Windows, Title, WM_CLOSE_MESSAGE);
}

bool QuitWindowByTitle(TWindowSystem& Windows, const std::string& Title) {
  return PostToWindowTitled(Windows, Title, WM_QUIT_MESSAGE);
}

bool KillWindowByTitle(TWindowSystem& Windows, TProcessSystem& Processes,
                       const std::string& Title) {
  if (Title.empty())
    return false;
  const TWindowId Window = FindWindowByTitle(Windows, Title);
  if (!Window)
    return false;
  return TerminateProcessById(Processes, Windows.WindowProcessId(Window));
}
