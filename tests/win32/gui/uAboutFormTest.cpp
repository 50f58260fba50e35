// The About box for real: a worker thread plays the user while the test's thread runs the box.

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/aboutform.h"
#include "app/aboutform_res.h"
#include "uDialogTestSupport.h"

namespace {

const TAboutInfo kInfo{"Kolvane", "1.2.0.3 Beta", "2026-01-02"};

std::wstring ClipboardText() {
  std::wstring Text;
  if (!OpenClipboard(nullptr))
    return L"<clipboard busy>";
  if (HANDLE Data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto Chars = static_cast<const wchar_t*>(GlobalLock(Data))) {
      Text = Chars;
      GlobalUnlock(Data);
    }
  }
  CloseClipboard();
  return Text;
}

void PutOnClipboard(const std::wstring& Text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL Memory = GlobalAlloc(GMEM_MOVEABLE, (Text.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(Memory), Text.c_str(), (Text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(Memory);
  SetClipboardData(CF_UNICODETEXT, Memory);
  CloseClipboard();
}

// A right click at the middle of a control, as the system reports it to the dialog.
void RightClickOn(HWND Dialog, int Control) {
  RECT Area;
  GetWindowRect(GetDlgItem(Dialog, Control), &Area);
  const LPARAM At = MAKELPARAM((Area.left + Area.right) / 2, (Area.top + Area.bottom) / 2);
  SendMessageW(Dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Dialog), At);
}

TEST(AboutFormTest, ShowsTheVersionAndCopiesItFromItsTopOnly) {
  TForm_About About(kInfo);
  PutOnClipboard(L"before");
  std::thread User([] {
    HWND Dialog = FindDialog(L"Kolvane", 10000);
    ASSERT_NE(Dialog, nullptr) << "the About box did not appear";
    EXPECT_EQ(TextOf(GetDlgItem(Dialog, IDC_ABOUT_VERSION)), L"Version: 1.2.0.3 Beta");
    EXPECT_EQ(TextOf(GetDlgItem(Dialog, IDC_ABOUT_DATE)), L"Date: 2026-01-02");
    EXPECT_TRUE(GetWindowLongW(Dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);

    RightClickOn(Dialog, IDC_ABOUT_TEXT);
    EXPECT_EQ(ClipboardText(), L"before") << "a right click on the text copies nothing";
    RightClickOn(Dialog, IDC_ABOUT_PRODUCT);
    EXPECT_EQ(ClipboardText(), L"Kolvane 1.2.0.3 Beta (2026-01-02)");

    // Escape reaches the dialog as IDCANCEL.
    PostMessageW(Dialog, WM_COMMAND, IDCANCEL, 0);
  });
  About.ShowModal(nullptr);
  User.join();
  EXPECT_EQ(FindDialog(L"Kolvane", 0), nullptr);
}

TEST(AboutFormTest, TheModelessBoxOpensOnceAndClosesWithItsButton) {
  TForm_About About(kInfo);
  About.Show(nullptr);
  HWND First = About.Handle();
  ASSERT_NE(First, nullptr);
  About.Show(nullptr);
  EXPECT_EQ(About.Handle(), First) << "a second request brings the open box forward";

  std::thread User([First] { PostMessageW(First, WM_COMMAND, IDOK, 0); });
  MSG Message;
  const ULONGLONG Deadline = GetTickCount64() + 10000;
  while (About.Handle() && GetTickCount64() < Deadline) {
    while (PeekMessageW(&Message, nullptr, 0, 0, PM_REMOVE)) {
      if (!About.PreTranslate(Message)) {
        TranslateMessage(&Message);
        DispatchMessageW(&Message);
      }
    }
    Sleep(5);
  }
  User.join();
  EXPECT_EQ(About.Handle(), nullptr);
  EXPECT_FALSE(IsWindow(First));
}

}  // namespace
