// The requests the serving thread hands to the GUI thread: who frees the text a message carries,
// whatever happens to the message.

#include "web/uWebCommands.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "core/uWindowMessages.h"
#include "web/uPostedTexts.h"

namespace {

struct TMessage {
  std::uint32_t Msg;
  std::uintptr_t WParam;
  std::intptr_t LParam;
};

// A window queue: what is posted waits here until the test delivers it.
class TQueue {
 public:
  TMessagePoster Poster() {
    return [this](std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) {
      if (!Accepts)
        return false;
      Messages.push_back({Msg, WParam, LParam});
      return true;
    };
  }
  bool Accepts = true;
  std::vector<TMessage> Messages;
};

class WebCommandsTest : public ::testing::Test {
 protected:
  std::shared_ptr<TPostedTexts> Texts = std::make_shared<TPostedTexts>();
  TQueue Queue;
  TWebCommandSender Sender{Queue.Poster(), Texts};
  std::vector<std::string> Handled;
  TWebCommandDispatcher Dispatcher{
      Texts,
      {[this](const std::string& ID) { Handled.push_back("action " + ID); },
       [this](const std::string& Name) { Handled.push_back("preset " + Name); },
       [this] { Handled.push_back("close"); }}};

  // Delivers the queued messages to the dispatcher, as the main window's procedure would.
  void Deliver() {
    for (const TMessage& Message : Queue.Messages)
      EXPECT_TRUE(Dispatcher.HandleMessage(Message.Msg, Message.WParam, Message.LParam));
  }
};

TEST_F(WebCommandsTest, DeliveredRequestsReachTheirHandlersAndFreeTheirText) {
  EXPECT_TRUE(Sender.PostActionRequest("MonitorOff"));
  EXPECT_TRUE(Sender.PostPresetRequest(""));
  EXPECT_TRUE(Sender.PostPresetRequest("Evening & night"));
  EXPECT_TRUE(Sender.PostCloseRequest());
  ASSERT_EQ(Queue.Messages.size(), 4u);
  EXPECT_EQ(Queue.Messages[0].Msg, WM_WEB_EXECUTE_ACTION);
  EXPECT_EQ(Queue.Messages[1].Msg, WM_WEB_START_PRESET);
  EXPECT_EQ(Queue.Messages[3].Msg, WM_WEB_CLOSE);
  EXPECT_EQ(Queue.Messages[3].WParam, 0u);
  for (const TMessage& Message : Queue.Messages)
    EXPECT_EQ(Message.LParam, 0);
  EXPECT_EQ(Texts->InFlight(), 3u);

  Deliver();
  EXPECT_EQ(Handled, (std::vector<std::string>{"action MonitorOff", "preset ",
                                               "preset Evening & night", "close"}));
  EXPECT_EQ(Texts->InFlight(), 0u);
}

TEST_F(WebCommandsTest, AFailedPostFreesTheTextAtOnce) {
  Queue.Accepts = false;
  EXPECT_FALSE(Sender.PostActionRequest("Lock"));
  EXPECT_FALSE(Sender.PostPresetRequest("Evening"));
  EXPECT_FALSE(Sender.PostCloseRequest());
  EXPECT_EQ(Texts->InFlight(), 0u);

  TWebCommandSender WithoutWindow{{}, Texts};
  EXPECT_FALSE(WithoutWindow.PostActionRequest("Lock"));
  EXPECT_FALSE(WithoutWindow.PostCloseRequest());
  EXPECT_EQ(Texts->InFlight(), 0u);
}

TEST_F(WebCommandsTest, APosterThatRaisesLeavesNothingInFlight) {
  TWebCommandSender Raising{[](std::uint32_t, std::uintptr_t, std::intptr_t) -> bool {
                              throw std::runtime_error("queue broken");
                            },
                            Texts};
  EXPECT_THROW(Raising.PostActionRequest("Lock"), std::runtime_error);
  EXPECT_EQ(Texts->InFlight(), 0u);
}

TEST_F(WebCommandsTest, ForgedAndRepeatedMessagesAreDroppedWithoutHarm) {
  ASSERT_TRUE(Sender.PostActionRequest("Lock"));
  Deliver();
  // The same message again (its text is gone), and numbers this program never posted: another
  // program may post anything to a top-level window.
  std::string Stranger = "not ours";
  for (const std::uintptr_t WParam :
       {Queue.Messages[0].WParam, std::uintptr_t{0}, std::uintptr_t{12345},
        reinterpret_cast<std::uintptr_t>(&Stranger)}) {
    EXPECT_TRUE(Dispatcher.HandleMessage(WM_WEB_EXECUTE_ACTION, WParam, 0));
    EXPECT_TRUE(Dispatcher.HandleMessage(WM_WEB_START_PRESET, WParam, 0));
  }
  EXPECT_EQ(Handled, std::vector<std::string>{"action Lock"});
  EXPECT_EQ(Stranger, "not ours");
}

TEST_F(WebCommandsTest, OtherMessagesAreLeftToTheWindow) {
  for (const std::uint32_t Msg : {WM_START_AFTER_PRESET, WM_PLANNER_EVALUATE, WM_USER_BASE + 33,
                                  WM_PING_RESULT, std::uint32_t{16}})
    EXPECT_FALSE(Dispatcher.HandleMessage(Msg, 0, 0)) << Msg;
  EXPECT_TRUE(Handled.empty());
}

TEST_F(WebCommandsTest, AHandlerThatRaisesStillFreesTheText) {
  TWebCommandDispatcher Raising{
      Texts, {[](const std::string&) { throw std::runtime_error("busy"); }, nullptr, nullptr}};
  ASSERT_TRUE(Sender.PostActionRequest("Lock"));
  ASSERT_TRUE(Sender.PostPresetRequest("Evening"));
  ASSERT_TRUE(Sender.PostCloseRequest());
  EXPECT_THROW(Raising.HandleMessage(Queue.Messages[0].Msg, Queue.Messages[0].WParam, 0),
               std::runtime_error);
  // No handler for these: handled all the same, and the text is freed.
  EXPECT_TRUE(Raising.HandleMessage(Queue.Messages[1].Msg, Queue.Messages[1].WParam, 0));
  EXPECT_TRUE(Raising.HandleMessage(Queue.Messages[2].Msg, Queue.Messages[2].WParam, 0));
  EXPECT_EQ(Texts->InFlight(), 0u);
}

TEST_F(WebCommandsTest, TextsWhoseMessagesNeverArriveGoWithTheirOwner) {
  // The window went before its queue was read. The leak checker of the sanitizer build fails
  // the run if these outlive the owner.
  auto Owner = std::make_shared<TPostedTexts>();
  TWebCommandSender Orphaning{Queue.Poster(), Owner};
  ASSERT_TRUE(Orphaning.PostActionRequest("Lock"));
  ASSERT_TRUE(Orphaning.PostPresetRequest("Evening"));
  EXPECT_EQ(Owner->InFlight(), 2u);
}

TEST_F(WebCommandsTest, PostingAndTakingOnTwoThreads) {
  // The serving thread posts while the GUI thread takes texts back; every text arrives once.
  std::mutex Lock;
  std::vector<std::uintptr_t> Posted;
  const TMessagePoster Poster = [&](std::uint32_t, std::uintptr_t WParam, std::intptr_t) {
    std::lock_guard Guard(Lock);
    Posted.push_back(WParam);
    return true;
  };
  constexpr int Count = 2000;
  std::thread Serving([&] {
    for (int I = 0; I < Count; ++I)
      ASSERT_TRUE(Texts->Post(Poster, WM_WEB_START_PRESET, std::to_string(I)));
  });
  std::vector<std::string> Received;
  while (Received.size() < static_cast<std::size_t>(Count)) {
    std::vector<std::uintptr_t> Batch;
    {
      std::lock_guard Guard(Lock);
      Batch.swap(Posted);
    }
    for (const std::uintptr_t WParam : Batch) {
      auto Text = Texts->Take(WParam);
      ASSERT_TRUE(Text);
      Received.push_back(*Text);
    }
    std::this_thread::yield();
  }
  Serving.join();
  EXPECT_EQ(Received.front(), "0");
  EXPECT_EQ(Received.back(), std::to_string(Count - 1));
  EXPECT_EQ(Texts->InFlight(), 0u);
}

}  // namespace
