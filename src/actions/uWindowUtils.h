#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/uProcesses.h"
#include "platform/uWindowSystem.h"

inline constexpr std::uint32_t WM_CLOSE_MESSAGE = 0x0010;
inline constexpr std::uint32_t WM_QUIT_MESSAGE = 0x0012;

// How GetWindowTitle reads a title.
enum class TWindowTitleMethod : int {
  wtmSendMessage = 0,         // WM_GETTEXT, waiting as long as the window takes
  wtmSendMessageTimeout = 1,  // WM_GETTEXT, giving up on a window that does not answer in time
  wtmGetWindowText = 2,       // GetWindowTextW
};

// The window's title, at most 255 characters; empty for an unknown method or a window that did
// not answer in time.
std::string GetWindowTitle(TWindowSystem& Windows, TWindowId Window, int Method,
                           std::uint32_t TimeoutMs);

struct TWindowListItem {
  std::string Title;
  TWindowId Window = 0;
};
using TWindowList = std::vector<TWindowListItem>;

// Replaces the list's contents with the visible top-level windows that are not tool windows and
// whose title is not blank, top of the Z-order first. A window that does not answer within a
// second counts as untitled, so one hung program cannot stall the caller.
void ListWindows(TWindowSystem& Windows, TWindowList& List);

// The window a title names. A title holding "*" or "?" is a mask (see TMask) matched against the
// whole titles that ListWindows gives, and the first match wins; any other title must equal a
// window's title exactly. A blank title names no window. Raises EMaskError for a malformed mask.
TWindowId FindWindowByTitle(TWindowSystem& Windows, const std::string& Pattern);
bool WindowExists(TWindowSystem& Windows, const std::string& Pattern);

// Ask the first window the title names to close, or post it WM_QUIT; false when there is none or
// the message could not be posted.
bool CloseWindowByTitle(TWindowSystem& Windows, const std::string& Title);
bool QuitWindowByTitle(TWindowSystem& Windows, const std::string& Title);
// Ends the process that owns the first window the title names.
bool KillWindowByTitle(TWindowSystem& Windows, TProcessSystem& Processes, const std::string& Title);
