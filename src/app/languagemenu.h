#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "app/uLanguages.h"
#include "platform/win32/uWin32Handles.h"

// The flag of a language for a menu item: the PNG at FileName as a 32-bit bitmap with
// premultiplied alpha (what menus draw with transparency), scaled down to fit MaxSize pixels
// either way. Null when the file is missing or is no image Windows can read.
TBitmapHandle LoadMenuFlag(const std::string& FileName, int MaxSize);

// The main window's Language submenu, drawn from TLanguages::BuildMenu. The entry at position N
// of the model gets the command FirstCommand + N, so a WM_COMMAND goes back to the model with
// TLanguages::MenuItemClicked(*PositionOf(Command)). The flag bitmaps belong to this object: it
// must outlive the menu it filled, or fill it again.
class TLanguageMenu {
 public:
  TLanguageMenu() = default;
  TLanguageMenu(const TLanguageMenu&) = delete;
  TLanguageMenu& operator=(const TLanguageMenu&) = delete;

  // Empties Menu and adds Items; the checked language shows a check mark instead of its flag.
  void Fill(HMENU Menu, const std::vector<TLanguageMenuItem>& Items, UINT FirstCommand);
  // The model position of a command of the last Fill; nothing for any other command.
  std::optional<std::size_t> PositionOf(UINT Command) const;

 private:
  std::vector<TBitmapHandle> FFlags;
  UINT FFirstCommand = 0;
  std::size_t FCount = 0;
};
