// The password prompt for real: a worker thread types and clicks while the test's thread sits
// in the prompt's modal loop; the whole protection check runs with the real prompt and the real
// warning box.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "app/passwordform.h"
#include "app/passwordform_res.h"
#include "app/uPasswordDigest.h"
#include "app/uProtection.h"
#include "platform/win32/uWin32Text.h"
#include "platform/win32/uWin32UserInterface.h"

namespace {

HWND FindOwnWindow(const wchar_t* Title, DWORD TimeoutMs) {
  const ULONGLONG Deadline = GetTickCount64() + TimeoutMs;
  while (GetTickCount64() < Deadline) {
    HWND Window = nullptr;
    while ((Window = FindWindowExW(nullptr, Window, L"#32770", Title)) != nullptr) {
      DWORD Owner = 0;
      GetWindowThreadProcessId(Window, &Owner);
      if (Owner == GetCurrentProcessId() && IsWindowVisible(Window))
        return Window;
    }
    Sleep(20);
  }
  return nullptr;
}

HWND FindPrompt() {
  return FindOwnWindow(L"Kolvane - Protection", 10000);
}

std::wstring TextOf(HWND Window) {
  wchar_t Buffer[512] = {};
  GetWindowTextW(Window, Buffer, 512);
  return Buffer;
}

void Type(HWND Prompt, const std::wstring& Text) {
  SendMessageW(GetDlgItem(Prompt, IDC_PASSWORD_EDIT), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(Text.c_str()));
}

void Click(HWND Dialog, int Button) {
  SendMessageW(GetDlgItem(Dialog, Button), BM_CLICK, 0, 0);
}

// Opens the prompt on this thread while User acts on it from another.
bool AskWhile(const std::function<void(HWND Prompt)>& User, std::string& Entered) {
  std::thread Worker([&] {
    HWND Prompt = FindPrompt();
    ASSERT_NE(Prompt, nullptr) << "the prompt did not appear";
    User(Prompt);
  });
  const bool Accepted = AskPassword("Kolvane", Entered);
  Worker.join();
  return Accepted;
}

TEST(PasswordFormTest, OKReturnsTheTypedPasswordMaskedWithStars) {
  std::wstring Label;
  wchar_t Mask = 0;
  bool Masked = false;
  std::string Entered = "left over";
  EXPECT_TRUE(AskWhile(
      [&](HWND Prompt) {
        Label = TextOf(GetDlgItem(Prompt, IDC_PASSWORD_LABEL));
        HWND Edit = GetDlgItem(Prompt, IDC_PASSWORD_EDIT);
        Mask = static_cast<wchar_t>(SendMessageW(Edit, EM_GETPASSWORDCHAR, 0, 0));
        Masked = (GetWindowLongPtrW(Edit, GWL_STYLE) & ES_PASSWORD) != 0;
        Type(Prompt, L"p\u00e4ss w\u00f6rd");
        Click(Prompt, IDOK);
      },
      Entered));
  EXPECT_EQ(Entered, "p\xC3\xA4ss w\xC3\xB6rd");
  EXPECT_EQ(Label, L"Enter the password:");
  EXPECT_TRUE(Masked);
  EXPECT_EQ(Mask, L'*');
}

TEST(PasswordFormTest, CancelEscapeAndTheCloseBoxReturnNothing) {
  const std::function<void(HWND)> Ways[] = {
      [](HWND Prompt) { Click(Prompt, IDCANCEL); },
      [](HWND Prompt) { SendMessageW(Prompt, WM_COMMAND, IDCANCEL, 0); },
      [](HWND Prompt) { PostMessageW(Prompt, WM_CLOSE, 0, 0); },
  };
  for (const auto& Way : Ways) {
    std::string Entered;
    EXPECT_FALSE(AskWhile(
        [&](HWND Prompt) {
          Type(Prompt, L"typed but cancelled");
          Way(Prompt);
        },
        Entered));
    EXPECT_EQ(Entered, "");
  }
}

TEST(PasswordFormTest, DisablesTheProgramsOtherWindowsMeanwhile) {
  HWND Other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100,
                               100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(Other, nullptr);
  bool OtherEnabled = true;
  std::string Entered;
  AskWhile(
      [&](HWND Prompt) {
        OtherEnabled = IsWindowEnabled(Other);
        Click(Prompt, IDCANCEL);
      },
      Entered);
  EXPECT_FALSE(OtherEnabled);
  EXPECT_TRUE(IsWindowEnabled(Other));
  DestroyWindow(Other);
}

// The check as the main window runs it: a wrong password, the real warning box answered with
// Retry, then the right one; and a wrong one answered with Cancel.
class ProtectionFlowTest : public ::testing::Test {
 protected:
  ProtectionFlowTest() {
    Settings.ProtectionEnabled = true;
    Settings.ProtectionPassword = PasswordDigest("secret");
  }

  TSettings Settings;
  TWin32UserInterface UserInterface;
  TProtection Protection{Settings,
                         [](std::string& Entered) { return AskPassword("Kolvane", Entered); },
                         UserInterface};
};

TEST_F(ProtectionFlowTest, WrongThenRetryThenRight) {
  std::wstring Warning;
  std::thread Worker([&] {
    HWND Prompt = FindPrompt();
    ASSERT_NE(Prompt, nullptr);
    Type(Prompt, L"wrong");
    PostMessageW(Prompt, WM_COMMAND, IDOK, 0);
    HWND Box = FindOwnWindow(L"Kolvane", 10000);
    ASSERT_NE(Box, nullptr) << "no warning box";
    Warning = TextOf(GetDlgItem(Box, 0xFFFF));
    PostMessageW(Box, WM_COMMAND, IDRETRY, 0);
    Prompt = FindPrompt();
    ASSERT_NE(Prompt, nullptr) << "no second prompt after Retry";
    Type(Prompt, L"secret");
    PostMessageW(Prompt, WM_COMMAND, IDOK, 0);
  });
  EXPECT_TRUE(Protection.CheckProtection());
  Worker.join();
  EXPECT_EQ(Warning, L"Incorrect password. Please try again.");
  EXPECT_FALSE(Protection.PromptingPassword());
}

TEST_F(ProtectionFlowTest, WrongThenCancelRefuses) {
  bool SecondPrompt = true;
  std::thread Worker([&] {
    HWND Prompt = FindPrompt();
    ASSERT_NE(Prompt, nullptr);
    Type(Prompt, L"wrong");
    PostMessageW(Prompt, WM_COMMAND, IDOK, 0);
    HWND Box = FindOwnWindow(L"Kolvane", 10000);
    ASSERT_NE(Box, nullptr) << "no warning box";
    PostMessageW(Box, WM_COMMAND, IDCANCEL, 0);
    SecondPrompt = FindOwnWindow(L"Kolvane - Protection", 500) != nullptr;
  });
  EXPECT_FALSE(Protection.CheckProtection());
  Worker.join();
  EXPECT_FALSE(SecondPrompt);
}

// A tray click while the prompt is open asks again: the answer is an immediate refusal.
std::atomic<int> NestedAnswer{-1};

LRESULT CALLBACK TrayStandIn(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_APP) {
    auto Protection = reinterpret_cast<TProtection*>(GetWindowLongPtrW(Window, GWLP_USERDATA));
    NestedAnswer = Protection->CheckProtection() ? 1 : 0;
    return 0;
  }
  return DefWindowProcW(Window, Msg, WParam, LParam);
}

TEST_F(ProtectionFlowTest, ACheckWhileThePromptIsOpenRefusesAtOnce) {
  // A message posted to this thread reaches it inside the prompt's modal loop, as the tray
  // icon's click does.
  HWND Tray = CreateWindowExW(0, L"STATIC", L"tray", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(Tray, nullptr);
  SetWindowLongPtrW(Tray, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&Protection));
  SetWindowLongPtrW(Tray, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayStandIn));
  NestedAnswer = -1;
  std::thread Worker([&] {
    HWND Prompt = FindPrompt();
    ASSERT_NE(Prompt, nullptr);
    PostMessageW(Tray, WM_APP, 0, 0);
    const ULONGLONG Deadline = GetTickCount64() + 5000;
    while (NestedAnswer < 0 && GetTickCount64() < Deadline)
      Sleep(20);
    Type(Prompt, L"secret");
    PostMessageW(Prompt, WM_COMMAND, IDOK, 0);
  });
  EXPECT_TRUE(Protection.CheckProtection());
  Worker.join();
  EXPECT_EQ(NestedAnswer, 0);
  EXPECT_EQ(FindOwnWindow(L"Kolvane - Protection", 200), nullptr) << "a second prompt is open";
  DestroyWindow(Tray);
}

}  // namespace
