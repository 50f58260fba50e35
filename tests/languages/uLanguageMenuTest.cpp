// The Language submenu on Windows: flags read from PNG files, the items of the menu model, and
// a click that finds its way back to the model.

#include "app/languagemenu.h"

#include <cstdlib>
#include <iterator>

#include <gtest/gtest.h>

#include "app/uPoFile.h"
#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32ImageEncoder.h"
#include "platform/win32/uWin32Text.h"
#include "support/uTempFolder.h"

namespace {

using TMenuHandle =
    std::unique_ptr<std::remove_pointer_t<HMENU>, TWin32HandleDeleter<HMENU, ::DestroyMenu>>;

std::string Png(int Width, int Height) {
  TRawImage Image{Width, Height,
                  std::vector<std::uint8_t>(static_cast<std::size_t>(Width * Height * 4), 0x80)};
  return TWin32ImageEncoder().EncodePng(Image).value_or("");
}

std::string LanguageFile(const std::string& Fields) {
  return PoStatement("msgid", "") + PoStatement("msgstr", Fields);
}

TEST(LanguageMenuFlagTest, ReadsPngFlagsAndScalesLargeOnesDown) {
  TTempFolder Folder;
  const struct {
    const char* Name;
    std::string Content;  // none: the file does not exist
    int Width, Height;    // 0: no bitmap
  } Cases[] = {
      {"de.png", Png(16, 11), 16, 11},
      {"wide.png", Png(64, 32), 16, 8},
      {"tall.png", Png(30, 60), 8, 16},
      {"tiny.png", Png(1, 1), 1, 1},
      {"broken.png", "not a picture", 0, 0},
      {"cut.png", Png(16, 11).substr(0, 40), 0, 0},
      {"missing.png", {}, 0, 0},
  };
  for (const auto& Case : Cases) {
    const std::string FileName = Folder.Text(Case.Name);
    if (!Case.Content.empty())
      WriteBytes(FileName, Case.Content);
    const TBitmapHandle Flag = LoadMenuFlag(FileName, 16);
    if (Case.Width == 0) {
      EXPECT_FALSE(Flag) << Case.Name;
      continue;
    }
    ASSERT_TRUE(Flag) << Case.Name;
    BITMAP Info{};
    ASSERT_EQ(GetObjectW(Flag.get(), sizeof(Info), &Info), static_cast<int>(sizeof(Info)));
    EXPECT_EQ(Info.bmWidth, Case.Width) << Case.Name;
    EXPECT_EQ(std::abs(Info.bmHeight), Case.Height) << Case.Name;
    EXPECT_EQ(Info.bmBitsPixel, 32) << Case.Name;
  }
  EXPECT_FALSE(LoadMenuFlag("", 16));
}

struct TShownItem {
  bool Separator = false;
  UINT Command = 0;
  std::string Caption;
  bool Checked = false;
  bool Flag = false;
};

TShownItem ItemAt(HMENU Menu, int Position) {
  wchar_t Caption[128] = {};
  MENUITEMINFOW Info{};
  Info.cbSize = sizeof(Info);
  Info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_BITMAP;
  Info.dwTypeData = Caption;
  Info.cch = 127;
  EXPECT_TRUE(GetMenuItemInfoW(Menu, static_cast<UINT>(Position), TRUE, &Info));
  return {(Info.fType & MFT_SEPARATOR) != 0, Info.wID, WideToUtf8(Caption),
          (Info.fState & MFS_CHECKED) != 0, Info.hbmpItem != nullptr};
}

TEST(LanguageMenuTest, ShowsTheModelWithFlagsAndSendsClicksBack) {
  TTempFolder Folder;
  const std::string Languages = Folder.Text("Languages");
  const std::string Flags = Languages + "\\Flags";
  WriteBytes(Languages + "\\kolvane.de.po",
             LanguageFile("X-Language-Name: German\nX-Country: DE\n"));
  WriteBytes(Languages + "\\kolvane.fr.po",
             LanguageFile("X-Language-Name: French & Co\nX-Country: FR\n"));
  WriteBytes(Languages + "\\kolvane.it.po",
             LanguageFile("X-Language-Name: Italian\nX-Country: IT\n"));
  WriteBytes(Languages + "\\kolvane.sv.po",
             LanguageFile("X-Language-Name: Swedish\nX-Country: SE\n"));
  WriteBytes(Flags + "\\de.png", Png(16, 11));
  WriteBytes(Flags + "\\fr.png", Png(16, 11));
  WriteBytes(Flags + "\\it.png", "no picture");  // Swedish has no flag file at all

  struct TNoSystem : TLanguageSystem {
    TSystemLanguage UserLanguage() override { return {}; }
    std::optional<bool> IsRightToLeft(std::string_view) override { return std::nullopt; }
    void SetRightToLeftLayout(bool) override {}
  } System;
  TLanguages Model(System, {});
  Model.Start(Languages, "fr", "");
  Model.ScanLanguages(Languages, Flags);
  std::vector<std::string> Chosen;
  int HowTo = 0;
  Model.OnLanguageSelected = [&](const std::string& Code) { Chosen.push_back(Code); };
  Model.OnHowToTranslate = [&] { ++HowTo; };

  TMenuHandle Menu(CreatePopupMenu());
  ASSERT_TRUE(Menu);
  TLanguageMenu LanguageMenu;
  // A first, longer menu is replaced, not added to.
  LanguageMenu.Fill(Menu.get(), Model.BuildMenu(), 100);
  LanguageMenu.Fill(Menu.get(), Model.BuildMenu(), 5000);

  const struct {
    bool Separator;
    const char* Caption;
    bool Checked;
    bool Flag;
  } Expected[] = {
      {false, "Original (English)", false, false},
      {false, "Autodetect", false, false},
      {true, "", false, false},
      {false, "French && Co", true, false},  // the chosen one: a check mark, no flag
      {false, "German", false, true},
      {false, "Italian", false, false},  // its flag cannot be read
      {false, "Swedish", false, false},
      {true, "", false, false},
      {false, "How to translate?", false, false},
  };
  ASSERT_EQ(GetMenuItemCount(Menu.get()), static_cast<int>(std::size(Expected)));
  for (int Position = 0; Position < static_cast<int>(std::size(Expected)); ++Position) {
    const TShownItem Shown = ItemAt(Menu.get(), Position);
    EXPECT_EQ(Shown.Separator, Expected[Position].Separator) << Position;
    if (Shown.Separator)
      continue;
    EXPECT_EQ(Shown.Command, 5000u + Position) << Position;
    EXPECT_EQ(Shown.Caption, Expected[Position].Caption) << Position;
    EXPECT_EQ(Shown.Checked, Expected[Position].Checked) << Position;
    EXPECT_EQ(Shown.Flag, Expected[Position].Flag) << Position;
  }

  for (UINT Command : {5004u, 5000u, 5008u, 4999u, 5009u, 104u})
    if (const std::optional<std::size_t> Position = LanguageMenu.PositionOf(Command))
      Model.MenuItemClicked(*Position);
  EXPECT_EQ(Chosen, (std::vector<std::string>{"de", "DEFAULT"}));
  EXPECT_EQ(HowTo, 1);
}

}  // namespace
