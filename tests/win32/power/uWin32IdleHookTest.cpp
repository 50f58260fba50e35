// The shipped hook library, loaded by name from beside the executable.

#include <gtest/gtest.h>

#include <thread>

#include "events/uEventUserInactive.h"
#include "events/uTimerInactivity.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32UserInput.h"
#include "uWin32TestInput.h"

namespace {

constexpr const char* kExports[] = {"StartHook", "StopHook", "GetCurrentTime", "GetElapsedTime",
                                    "GetElapsedTimeEx"};

TEST(Win32IdleHookTest, LibraryLoadsOnceWithItsFiveExports) {
  TWin32UserInput Input;
  THookLibrary* Library = Input.HookLibrary(kHookLibraryFileName);
  ASSERT_NE(Library, nullptr) << "Idlehook.dll beside the executable";
  for (const char* Export : kExports)
    EXPECT_TRUE(Library->HasExport(Export)) << Export;
  EXPECT_FALSE(Library->HasExport("DllMain"));
  EXPECT_EQ(Input.HookLibrary(kHookLibraryFileName), Library);
}

TEST(Win32IdleHookTest, MissingLibraryOrExportsAreFailuresNotCrashes) {
  TWin32UserInput Input;
  EXPECT_EQ(Input.HookLibrary("NoSuchIdlehook.dll"), nullptr);
  // A real library without any of the exports.
  THookLibrary* Other = Input.HookLibrary("version.dll");
  ASSERT_NE(Other, nullptr);
  for (const char* Export : kExports)
    EXPECT_FALSE(Other->HasExport(Export)) << Export;
  Other->StartHook();
  Other->StopHook();
  EXPECT_EQ(Other->CurrentTime(), 0u);
  EXPECT_EQ(Other->ElapsedTimeEx(0), 0u);
}

TEST(Win32IdleHookTest, ElapsedTimeGrowsAndInputFromAnyThreadResetsIt) {
  TWin32UserInput Input;
  THookLibrary* Library = Input.HookLibrary(kHookLibraryFileName);
  ASSERT_NE(Library, nullptr);
  for (int Round = 0; Round < 2; ++Round) {  // the watching thread ends and starts again
    Library->StartHook();
    const std::uint32_t Start = Library->CurrentTime();
    EXPECT_LT(GetTickCount() - Start, 100u) << "the library's clock is the tick count";
    // The library watches on its own thread: nothing needs to be pumped here. The tick count
    // moves in steps of up to 16 ms.
    Sleep(300);
    EXPECT_GE(Library->ElapsedTimeEx(Start), 250u);
    EXPECT_LT(Library->ElapsedTimeEx(Start), 5000u);
    EXPECT_GE(Library->ElapsedTimeEx(Start - 10000), Library->ElapsedTimeEx(Start))
        << "time before the start does not count, but an earlier start does";

    std::thread([] { SendHarmlessKey(); }).join();
    const ULONGLONG Deadline = GetTickCount64() + 3000;
    while (Library->ElapsedTimeEx(Start) >= 250 && GetTickCount64() < Deadline)
      Sleep(20);
    EXPECT_LT(Library->ElapsedTimeEx(Start), 250u) << "round " << Round;
    EXPECT_LT(Library->ElapsedTime(), 1000u);
    Library->StopHook();
  }
}

TEST(Win32IdleHookTest, TwoInjectionHookEventsShareTheLibrary) {
  TWin32EventLoop Loop;
  TWin32UserInput Input;
  TKoServices Services{Loop};
  Services.UserInput = &Input;
  auto First = TKoEventObject::Create<TKoEventUserInactive>(Services);
  auto Second = TKoEventObject::Create<TKoEventUserInactive>(Services);
  // Two seconds, so that the tick after an input surely reads less.
  First->SetConfigText("TIME=0:00:02;METHOD=2;");
  Second->SetConfigText("TIME=0:00:02;METHOD=2;");
  First->Start();
  Second->Start();
  ASSERT_TRUE(PumpUntil([&] { return First->Triggered() && Second->Triggered(); }, 5000));
  First->Stop();
  // The library still watches for the second one.
  SendMouseNudge();
  EXPECT_TRUE(PumpUntil([&] { return !Second->Triggered(); }, 5000));
  Second->Stop();
}

}  // namespace
