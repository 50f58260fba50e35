#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/uMessagePoster.h"
#include "web/uPostedTexts.h"

// The web interface's requests that only the GUI thread may carry out, because they touch the
// planner, the lists or the windows: run a quick action (WM_WEB_EXECUTE_ACTION), start a preset
// (WM_WEB_START_PRESET) and close the program (WM_WEB_CLOSE). The serving thread posts them
// without waiting; the main window handles them when its loop gets to them.

// The serving thread's side. Each request is posted to the main window; false when it was not
// (no main window), and then nothing is left behind.
class TWebCommandSender {
 public:
  TWebCommandSender(TMessagePoster Poster, std::shared_ptr<TPostedTexts> Texts)
      : FPoster(std::move(Poster)), FTexts(std::move(Texts)) {}

  bool PostActionRequest(std::string_view ID) const;
  bool PostPresetRequest(std::string_view Name) const;
  bool PostCloseRequest() const;

 private:
  TMessagePoster FPoster;
  std::shared_ptr<TPostedTexts> FTexts;
};

// What the main window does with each request.
struct TWebCommandHandlers {
  std::function<void(const std::string& ID)> OnExecuteAction;
  std::function<void(const std::string& Name)> OnStartPreset;
  std::function<void()> OnClose;
};

// The main window's side: its window procedure hands every message here first.
class TWebCommandDispatcher {
 public:
  TWebCommandDispatcher(std::shared_ptr<TPostedTexts> Texts, TWebCommandHandlers Handlers)
      : FTexts(std::move(Texts)), FHandlers(std::move(Handlers)) {}

  // True when Msg is one of the three requests; the window procedure then answers 0. The text
  // a request carries leaves its carrier before the handler runs, so a handler that raises
  // leaks nothing.
  // A request whose text this program did not post is dropped without calling any handler.
  bool HandleMessage(std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) const;

 private:
  std::shared_ptr<TPostedTexts> FTexts;
  TWebCommandHandlers FHandlers;
};
