// The alarm window for real: a worker thread plays the user while the test's thread sits in the
// window's modal loop. The sound goes to a recorder, so nothing rings.

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "actions/alarmform.h"
#include "actions/alarmform_res.h"
#include "actions/uWin32ModalWindows.h"
#include "app/uKindList.h"
#include "core/uKindRegistry.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32Locale.h"
#include "platform/win32/uWin32Text.h"
#include "uDialogTestSupport.h"

namespace {

// Takes the window's sound calls down; the window's thread writes while the user's reads.
class TRecordingSound : public TSoundPlayer {
 public:
  bool PlayFile(const std::string& File, std::uint32_t) override { return Record("file " + File); }
  bool PlayResource(const std::string& Name, const std::string& Type,
                    std::uint32_t Flags) override {
    return Record("resource " + Name + "/" + Type + " " + std::to_string(Flags));
  }
  bool PlayNothing(std::uint32_t Flags) override { return Record("stop " + std::to_string(Flags)); }

  std::vector<std::string> Calls() {
    std::lock_guard Lock(FLock);
    return FCalls;
  }

 private:
  bool Record(std::string Call) {
    std::lock_guard Lock(FLock);
    FCalls.push_back(std::move(Call));
    return true;
  }
  std::mutex FLock;
  std::vector<std::string> FCalls;
};

const std::string kRinging = "resource Alarm/WAVE 15";  // async, memory, no default, loop
const std::string kStopped = "stop 131074";             // SND_FILENAME | SND_NODEFAULT

class AlarmFormTest : public testing::Test {
 protected:
  TWin32EventLoop Loop;
  TWin32Locale Locale;
  TRecordingSound Sound;

  // Shows the alarm on this thread while User acts on it from another.
  void ShowWhile(const std::function<void(HWND Dialog)>& User) {
    std::thread Worker([&] {
      HWND Dialog = FindDialog(L"Alarm", 10000);
      ASSERT_NE(Dialog, nullptr) << "the alarm window did not appear";
      User(Dialog);
    });
    Dialog_Alarm(Loop, Locale, Sound);
    Worker.join();
  }
};

TEST_F(AlarmFormTest, ShowsTimeDateAndPictureOnTopAndRingsUntilClosed) {
  std::wstring Time, Date, Button;
  bool Picture = false, Topmost = false, InTaskBar = false;
  RECT Client{}, Frame{};
  std::vector<std::string> CallsWhileOpen;
  ShowWhile([&](HWND Dialog) {
    Time = TextOf(GetDlgItem(Dialog, IDC_ALARM_TIME));
    Date = TextOf(GetDlgItem(Dialog, IDC_ALARM_DATE));
    Button = TextOf(GetDlgItem(Dialog, IDC_ALARM_CLOSE));
    Picture = SendDlgItemMessageW(Dialog, IDC_ALARM_IMAGE, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
    const LONG_PTR Styles = GetWindowLongPtrW(Dialog, GWL_EXSTYLE);
    Topmost = (Styles & WS_EX_TOPMOST) != 0;
    InTaskBar = (Styles & WS_EX_APPWINDOW) != 0;
    GetClientRect(Dialog, &Client);
    GetWindowRect(Dialog, &Frame);
    CallsWhileOpen = Sound.Calls();
    Click(Dialog, IDC_ALARM_CLOSE);
  });
  const TDateTime Now = Loop.Now();
  EXPECT_FALSE(Time.empty());
  EXPECT_TRUE(WideToUtf8(Date) == Locale.FormatLongDate(Now) ||
              WideToUtf8(Date) == Locale.FormatLongDate(Now - std::chrono::minutes(1)))
      << WideToUtf8(Date);
  EXPECT_EQ(Button, L"Close");
  EXPECT_TRUE(Picture);
  EXPECT_TRUE(Topmost);
  EXPECT_TRUE(InTaskBar);
  EXPECT_EQ(Client.right - Client.left, 337);
  EXPECT_EQ(Client.bottom - Client.top, 312);
  EXPECT_NEAR((Frame.left + Frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((Frame.top + Frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_EQ(CallsWhileOpen, std::vector<std::string>{kRinging});
  EXPECT_EQ(Sound.Calls(), (std::vector<std::string>{kRinging, kStopped}));
}

TEST_F(AlarmFormTest, StaysWithTheTimeMovingOnUntilEscapeOrTheCloseBox) {
  const std::pair<const char*, std::function<void(HWND)>> Closers[] = {
      {"Escape", [](HWND Dialog) { SendMessageW(Dialog, WM_COMMAND, IDCANCEL, 0); }},
      {"close box", [](HWND Dialog) { PostMessageW(Dialog, WM_CLOSE, 0, 0); }},
  };
  for (const auto& [Name, Close] : Closers) {
    SCOPED_TRACE(Name);
    std::wstring First, Later;
    bool StillOpen = false;
    ShowWhile([&, &Close = Close](HWND Dialog) {
      First = TextOf(GetDlgItem(Dialog, IDC_ALARM_TIME));
      Sleep(2200);
      Later = TextOf(GetDlgItem(Dialog, IDC_ALARM_TIME));
      StillOpen = IsWindowVisible(Dialog) != FALSE;
      Close(Dialog);
    });
    EXPECT_TRUE(StillOpen) << "an alarm never closes by itself";
    EXPECT_NE(First, Later) << "the clock runs";
    EXPECT_EQ(Sound.Calls().back(), kStopped);
  }
}

TEST_F(AlarmFormTest, TheAlarmActionReturnsWhenItsWindowCloses) {
  TWin32ModalWindows ModalWindows(Loop, Locale, Sound);
  TKoServices Services{Loop};
  Services.ModalWindows = &ModalWindows;
  TKoKindRegistry Registry(Services);
  RegisterKinds(Registry);
  auto Alarm = Registry.CreateAction("Alarm");
  std::thread Worker([] {
    HWND Dialog = FindDialog(L"Alarm", 10000);
    ASSERT_NE(Dialog, nullptr);
    Click(Dialog, IDC_ALARM_CLOSE);
  });
  EXPECT_TRUE(Alarm->Run());
  Worker.join();
  EXPECT_EQ(Alarm->GetStatusText(), "Finished");
}

}  // namespace
