#include "web/uWebCommands.h"

#include <optional>

#include "core/uWindowMessages.h"

bool TWebCommandSender::PostActionRequest(std::string_view ID) const {
  return FTexts->Post(FPoster, WM_WEB_EXECUTE_ACTION, std::string(ID));
}

bool TWebCommandSender::PostPresetRequest(std::string_view Name) const {
  return FTexts->Post(FPoster, WM_WEB_START_PRESET, std::string(Name));
}

bool TWebCommandSender::PostCloseRequest() const {
  return FPoster && FPoster(WM_WEB_CLOSE, 0, 0);
}

bool TWebCommandDispatcher::HandleMessage(std::uint32_t Msg, std::uintptr_t WParam,
                                          std::intptr_t /*LParam*/) const {
  switch (Msg) {
    case WM_WEB_EXECUTE_ACTION:
    case WM_WEB_START_PRESET: {
      const std::optional<std::string> Text = FTexts->Take(WParam);
      if (!Text)
        return true;
      const auto& Handler =
          Msg == WM_WEB_EXECUTE_ACTION ? FHandlers.OnExecuteAction : FHandlers.OnStartPreset;
      if (Handler)
        Handler(*Text);
      return true;
    }
    case WM_WEB_CLOSE:
      if (FHandlers.OnClose)
        FHandlers.OnClose();
      return true;
    default:
      return false;
  }
}
