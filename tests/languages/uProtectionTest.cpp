#include "app/uProtection.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <stdexcept>
#include <utility>

#include "app/uPasswordDigest.h"
#include "app/uPasswordFormModel.h"
#include "core/uResourceStrings.h"
#include "platform/sim/uSimUserInterface.h"

namespace {

// A user who types the scripted passwords one prompt after another; nothing scripted is Cancel.
class ProtectionTest : public ::testing::Test {
 protected:
  ProtectionTest() {
    Settings.ProtectionEnabled = true;
    Settings.ProtectionPassword = PasswordDigest("secret");
  }

  bool Ask(std::string& Entered) {
    ++Prompts;
    if (WhilePrompting)
      WhilePrompting();
    if (Typed.empty() || !Typed.front()) {
      if (!Typed.empty())
        Typed.pop_front();
      Entered.clear();
      return false;
    }
    Entered = *Typed.front();
    Typed.pop_front();
    return true;
  }

  TSettings Settings;
  TSimUserInterface UserInterface;
  std::deque<std::optional<std::string>> Typed;
  std::function<void()> WhilePrompting;
  int Prompts = 0;
  TProtection Protection{Settings, [this](std::string& Entered) { return Ask(Entered); },
                         UserInterface};
};

TEST_F(ProtectionTest, DisabledProtectionPassesWithoutAPrompt) {
  Settings.ProtectionEnabled = false;
  EXPECT_TRUE(Protection.CheckProtection());
  EXPECT_EQ(Prompts, 0);
}

TEST_F(ProtectionTest, TheRightPasswordPassesAtOnce) {
  const struct {
    std::string Stored;
    std::string Typed;
  } Cases[] = {
      {PasswordDigest("secret"), "secret"},
      {"5EBE2294ECD0E0F08EAB7690D2A6EE69", "secret"},
      {"5ebe2294ecd0e0f08eab7690d2a6ee69", "secret"},  // written in lower case by hand
      {"", ""},                                        // enabled without a password
  };
  for (const auto& Case : Cases) {
    Settings.ProtectionPassword = Case.Stored;
    Prompts = 0;
    Typed = {Case.Typed};
    EXPECT_TRUE(Protection.CheckProtection()) << Case.Stored;
    EXPECT_EQ(Prompts, 1);
  }
  EXPECT_TRUE(UserInterface.Shown.empty());
}

TEST_F(ProtectionTest, CancelInThePromptRefuses) {
  Typed = {std::nullopt};
  EXPECT_FALSE(Protection.CheckProtection());
  EXPECT_EQ(Prompts, 1);
  EXPECT_TRUE(UserInterface.Shown.empty());
}

TEST_F(ProtectionTest, AWrongPasswordOffersRetryAsOftenAsTheUserLikes) {
  Typed = {"wrong", "", "SECRET", "secret"};
  EXPECT_TRUE(Protection.CheckProtection());
  EXPECT_EQ(Prompts, 4);
  ASSERT_EQ(UserInterface.Shown.size(), 3u);
  for (const auto& Shown : UserInterface.Shown) {
    EXPECT_EQ(Shown.Text, "Incorrect password. Please try again.");
    EXPECT_EQ(Shown.Kind, dkWarning);
    EXPECT_EQ(Shown.Buttons, dbRetryCancel);
  }
}

TEST_F(ProtectionTest, CancelInTheWarningRefusesWithoutAnotherPrompt) {
  Typed = {"wrong", "secret"};
  UserInterface.Answer(drCancel);
  EXPECT_FALSE(Protection.CheckProtection());
  EXPECT_EQ(Prompts, 1);
  EXPECT_EQ(UserInterface.Shown.size(), 1u);
}

TEST_F(ProtectionTest, EmptyStoredPasswordAcceptsOnlyAnEmptyEntry) {
  Settings.ProtectionPassword.clear();
  Typed = {"anything"};
  UserInterface.Answer(drCancel);
  EXPECT_FALSE(Protection.CheckProtection());
}

// A click on the tray icon while the prompt is open asks again: that second check must refuse
// at once instead of opening a second prompt.
TEST_F(ProtectionTest, ACheckDuringThePromptRefusesAtOnce) {
  std::optional<bool> Nested;
  bool PromptingMeanwhile = false;
  bool Clicked = false;
  WhilePrompting = [&] {
    if (std::exchange(Clicked, true))
      return;
    PromptingMeanwhile = Protection.PromptingPassword();
    Nested = Protection.CheckProtection();
  };
  Typed = {"secret"};
  EXPECT_TRUE(Protection.CheckProtection());
  EXPECT_EQ(Nested, false);
  EXPECT_TRUE(PromptingMeanwhile);
  EXPECT_EQ(Prompts, 1);
  EXPECT_FALSE(Protection.PromptingPassword());
}

TEST_F(ProtectionTest, TheGuardIsClearedOnEveryWayOut) {
  Typed = {std::nullopt};
  EXPECT_FALSE(Protection.CheckProtection());
  EXPECT_FALSE(Protection.PromptingPassword());

  WhilePrompting = [] { throw std::runtime_error("no window"); };
  EXPECT_THROW(Protection.CheckProtection(), std::runtime_error);
  EXPECT_FALSE(Protection.PromptingPassword());

  WhilePrompting = nullptr;
  Typed = {"secret"};
  EXPECT_TRUE(Protection.CheckProtection()) << "a failed prompt must not lock out later checks";
}

TEST_F(ProtectionTest, ReadsTheSettingsAtEveryCheck) {
  Typed = {"new"};
  Settings.ProtectionPassword = PasswordDigest("new");
  EXPECT_TRUE(Protection.CheckProtection());
  Settings.ProtectionEnabled = false;
  EXPECT_TRUE(Protection.CheckProtection());
  EXPECT_EQ(Prompts, 1);
}

TEST(PasswordFormModelTest, CaptionAndResult) {
  TPasswordFormModel Model("Kolvane");
  EXPECT_EQ(Model.Caption(), "Kolvane - Protection");
  EXPECT_EQ(Model.EnterPasswordLabel(), "Enter the password:");
  EXPECT_FALSE(Model.Accepted());

  Model.OKPressed("p\xC3\xA4ss");
  EXPECT_TRUE(Model.Accepted());
  EXPECT_EQ(Model.Password(), "p\xC3\xA4ss");
  Model.CancelPressed();
  EXPECT_FALSE(Model.Accepted());
  EXPECT_EQ(Model.Password(), "");

  SetResourceTranslation("tform_password.caption", "Schutz");
  EXPECT_EQ(Model.Caption(), "Kolvane - Schutz");
  ClearResourceTranslations();
}

}  // namespace
