#include "core/uWindowMessenger.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/sim/uSimEventLoop.h"

namespace {

TEST(WindowMessengerTest, DeliversPostedMessagesOnTheLoopThreadInOrder) {
  TSimEventLoop Loop;
  std::vector<std::uintptr_t> Received;
  std::vector<std::thread::id> Threads;
  TWindowMessenger Messenger(Loop, [&](TWindowMessage& Message) {
    if (Message.Msg != 1044)
      return;
    Received.push_back(Message.WParam);
    Threads.push_back(std::this_thread::get_id());
    Message.Handled = true;
  });

  std::thread Worker([&] {
    for (std::uintptr_t I = 0; I < 100; ++I)
      ASSERT_TRUE(Messenger.PostMessage(1044, I, 0));
  });
  Worker.join();
  EXPECT_TRUE(Received.empty()) << "nothing is delivered before the loop runs";

  Loop.ProcessMessages();
  ASSERT_EQ(Received.size(), 100u);
  for (std::uintptr_t I = 0; I < 100; ++I)
    EXPECT_EQ(Received[I], I);
  for (auto Id : Threads)
    EXPECT_EQ(Id, std::this_thread::get_id());
}

TEST(WindowMessengerTest, HandsEveryMessageToTheHandler) {
  TSimEventLoop Loop;
  std::vector<std::uint32_t> Seen;
  TWindowMessenger Messenger(Loop, [&](TWindowMessage& Message) { Seen.push_back(Message.Msg); });
  ASSERT_TRUE(Messenger.PostMessage(1, 0, 0));
  Loop.Broadcast(0x218, 4, 0);
  ASSERT_TRUE(Messenger.PostMessage(2, 0, 0));
  Loop.Advance(10);
  EXPECT_EQ(Seen, (std::vector<std::uint32_t>{0x218, 1, 2}));
}

TEST(WindowMessengerTest, FailsWithAClearMessageWhenNoWindowCanBeMade) {
  TSimEventLoop Loop;
  Loop.FailNextWindow();
  try {
    TWindowMessenger Messenger(Loop, [](TWindowMessage&) {});
    FAIL() << "expected an error";
  } catch (const EKoException& Error) {
    EXPECT_STREQ(Error.what(), "Failed to allocate a new window handle.");
  }
}

TEST(WindowMessengerTest, PostingAfterTheMessengerIsGoneFailsAndNothingArrives) {
  TSimEventLoop Loop;
  int Delivered = 0;
  auto Messenger = std::make_unique<TWindowMessenger>(Loop, [&](TWindowMessage&) { ++Delivered; });
  ASSERT_TRUE(Messenger->PostMessage(1, 0, 0));
  Messenger.reset();
  Loop.ProcessMessages();
  EXPECT_EQ(Delivered, 0);
}

TEST(WindowMessengerTest, PostedMessagesComeBeforeTimersThatFallDueMeanwhile) {
  TSimEventLoop Loop;
  std::vector<std::string> Order;
  TWindowMessenger Messenger(Loop, [&](TWindowMessage&) { Order.push_back("message"); });
  auto Timer = Loop.CreateTimer([&] {
    Order.push_back("timer");
    ASSERT_TRUE(Messenger.PostMessage(7, 0, 0));
  });
  Timer->Arm(100);
  ASSERT_TRUE(Messenger.PostMessage(7, 0, 0));
  Loop.Advance(200);
  EXPECT_EQ(Order, (std::vector<std::string>{"message", "timer", "message", "timer", "message"}));
}

}  // namespace
