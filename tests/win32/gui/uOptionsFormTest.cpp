// The options dialog for real: a worker thread plays the user while the test's thread sits in
// the dialog's modal loop. Message boxes go to the simulated user interface unless a test wants
// the real one.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "app/optionsform.h"
#include "app/optionsform_res.h"
#include "app/uAutorun.h"
#include "app/uPasswordDigest.h"
#include "platform/win32/uWin32UserInterface.h"
#include "support/uOptionsTestHost.h"

#include <commctrl.h>

namespace {

HWND FindTopLevel(const wchar_t* Title, DWORD TimeoutMs) {
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

// A control of the dialog, on whichever page it sits.
HWND Item(HWND Dialog, int Id) {
  if (HWND Found = GetDlgItem(Dialog, Id))
    return Found;
  HWND Page = nullptr;
  while ((Page = FindWindowExW(Dialog, Page, L"#32770", nullptr)) != nullptr)
    if (HWND Found = GetDlgItem(Page, Id))
      return Found;
  ADD_FAILURE() << "no control " << Id;
  return nullptr;
}

std::wstring TextOf(HWND Window) {
  wchar_t Buffer[1024] = {};
  SendMessageW(Window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(Buffer));
  return Buffer;
}

bool Checked(HWND Dialog, int Id) {
  return SendMessageW(Item(Dialog, Id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Enabled(HWND Dialog, int Id) {
  return IsWindowEnabled(Item(Dialog, Id));
}

bool PageShown(HWND Dialog, int ControlOnPage) {
  return IsWindowVisible(GetParent(Item(Dialog, ControlOnPage)));
}

void Click(HWND Dialog, int Id) {
  SendMessageW(Item(Dialog, Id), BM_CLICK, 0, 0);
}

void Type(HWND Dialog, int Id, const wchar_t* Text) {
  SendMessageW(Item(Dialog, Id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text));
}

// Clicks the page's tab as the mouse would.
void ClickTab(HWND Dialog, TOptionsPage Page) {
  HWND Tabs = Item(Dialog, IDC_OPTIONS_PAGES);
  RECT Tab{};
  SendMessageW(Tabs, TCM_GETITEMRECT, Page, reinterpret_cast<LPARAM>(&Tab));
  const LPARAM Where = MAKELPARAM((Tab.left + Tab.right) / 2, (Tab.top + Tab.bottom) / 2);
  SendMessageW(Tabs, WM_LBUTTONDOWN, MK_LBUTTON, Where);
  SendMessageW(Tabs, WM_LBUTTONUP, 0, Where);
}

// Waits until Condition holds, for what the dialog's thread does with posted messages.
bool Eventually(const std::function<bool()>& Condition) {
  const ULONGLONG Deadline = GetTickCount64() + 5000;
  while (!Condition()) {
    if (GetTickCount64() > Deadline)
      return false;
    Sleep(20);
  }
  return true;
}

struct TShown {
  bool Saved = false;
  TOptionsPage Page = opGeneral;
};

// Shows the dialog on this thread while User acts on it from another.
TShown ShowWhile(TOptionsTestHost& Host, TOptionsPage Page,
                 const std::function<void(HWND Dialog)>& User, HWND Owner = nullptr,
                 TUserInterface* UserInterface = nullptr) {
  std::thread Worker([&] {
    HWND Dialog = FindTopLevel(L"Options", 10000);
    ASSERT_NE(Dialog, nullptr) << "the options dialog did not appear";
    User(Dialog);
  });
  TOptionsServices Services = Host.Services();
  TOptionsServices Chosen{
      Services.Registry,        Services.ApplicationFileName,
      Services.WebInterface,    Services.Network,
      Services.SleepPrevention, UserInterface ? *UserInterface : Services.UserInterface,
      Services.PlannerRunning,  Services.ShowTrayIcon,
      Services.ApplyTablesFont};
  TShown Shown;
  Shown.Page = Page;
  Shown.Saved = Dialog_Options(Owner, Shown.Page, Host.Settings, Chosen);
  Worker.join();
  return Shown;
}

class OptionsFormTest : public testing::Test, protected TOptionsTestHost {};

TEST_F(OptionsFormTest, OpensOnTheAskedPageAndRemembersTheLastOne) {
  const struct {
    TOptionsPage Page;
    int ControlOnPage;
  } Pages[] = {
      {opGeneral, IDC_OPTIONS_ALWAYSONTOP},
      {opAdvanced, IDC_OPTIONS_HIDETRAYICON},
      {opWebInterface, IDC_OPTIONS_WEBINTERFACEIP},
      {opProtection, IDC_OPTIONS_PROTECTIONPASSWORD},
  };
  for (const auto& Case : Pages) {
    bool Shown = false;
    int OthersShown = 0;
    LRESULT Selected = -1;
    const TShown Result = ShowWhile(*this, Case.Page, [&](HWND Dialog) {
      Selected = SendMessageW(Item(Dialog, IDC_OPTIONS_PAGES), TCM_GETCURSEL, 0, 0);
      Shown = PageShown(Dialog, Case.ControlOnPage);
      for (const auto& Other : Pages)
        OthersShown += Other.Page != Case.Page && PageShown(Dialog, Other.ControlOnPage);
      Click(Dialog, IDCANCEL);
    });
    EXPECT_FALSE(Result.Saved);
    EXPECT_EQ(Result.Page, Case.Page);
    EXPECT_EQ(Selected, Case.Page);
    EXPECT_TRUE(Shown) << Case.Page;
    EXPECT_EQ(OthersShown, 0) << Case.Page;
  }

  bool ProtectionShown = false;
  const TShown Result = ShowWhile(*this, opGeneral, [&](HWND Dialog) {
    ClickTab(Dialog, opProtection);
    ProtectionShown = PageShown(Dialog, IDC_OPTIONS_PROTECTIONPASSWORD);
    Click(Dialog, IDCANCEL);
  });
  EXPECT_TRUE(ProtectionShown);
  EXPECT_EQ(Result.Page, opProtection) << "the main window reopens it there";
  EXPECT_EQ(Settings, TSettings()) << "Cancel changes nothing";
  EXPECT_TRUE(Log.empty());
}

TEST_F(OptionsFormTest, ShowsTheSettingsTheRegistryAndTheEnabledStates) {
  Settings.ShowTrayMessages = false;
  Settings.WebInterfaceEnabled = false;
  Settings.WebInterfacePort = 8080;
  Settings.WebInterfaceUsername = "admin";
  Settings.ProtectionEnabled = true;
  Settings.ProtectionPassword = PasswordDigest("guard");
  SetAutorun(Registry, Program, true, true);
  bool DisableTrayMessages = false, AutorunAllUsers = false, AutorunCurrentUser = true;
  bool IPEnabled = true, PortEnabled = true, ProtectionBoxEnabled = false;
  std::wstring Port, Username, Password, Repeat, Caption, SaveCaption;
  ShowWhile(*this, opProtection, [&](HWND Dialog) {
    DisableTrayMessages = Checked(Dialog, IDC_OPTIONS_DISABLETRAYMESSAGES);
    AutorunAllUsers = Checked(Dialog, IDC_OPTIONS_AUTORUNALLUSERS);
    AutorunCurrentUser = Checked(Dialog, IDC_OPTIONS_AUTORUNCURRENTUSER);
    IPEnabled = Enabled(Dialog, IDC_OPTIONS_WEBINTERFACEIP);
    PortEnabled = Enabled(Dialog, IDC_OPTIONS_WEBINTERFACEPORT);
    ProtectionBoxEnabled = Enabled(Dialog, IDC_OPTIONS_PROTECTIONPASSWORDREPEAT);
    Port = TextOf(Item(Dialog, IDC_OPTIONS_WEBINTERFACEPORT));
    Username = TextOf(Item(Dialog, IDC_OPTIONS_WEBINTERFACEUSERNAME));
    Password = TextOf(Item(Dialog, IDC_OPTIONS_PROTECTIONPASSWORD));
    Repeat = TextOf(Item(Dialog, IDC_OPTIONS_PROTECTIONPASSWORDREPEAT));
    Caption = TextOf(Item(Dialog, IDC_OPTIONS_HIDETRAYICON));
    SaveCaption = TextOf(Item(Dialog, IDOK));
    Click(Dialog, IDCANCEL);
  });
  EXPECT_TRUE(DisableTrayMessages);
  EXPECT_TRUE(AutorunAllUsers);
  EXPECT_FALSE(AutorunCurrentUser);
  EXPECT_FALSE(IPEnabled);
  EXPECT_FALSE(PortEnabled);
  EXPECT_TRUE(ProtectionBoxEnabled);
  EXPECT_EQ(Port, L"8080");
  EXPECT_EQ(Username, L"admin");
  EXPECT_EQ(Password, L"**********");
  EXPECT_EQ(Repeat, L"**********");
  EXPECT_EQ(Caption, L"Never show Tray Icon (for advanced users only)");
  EXPECT_EQ(SaveCaption, L"Save");
}

TEST_F(OptionsFormTest, SaveStoresTheChangesAndAppliesThem) {
  PlannerRunning = true;
  const TShown Result = ShowWhile(*this, opGeneral, [&](HWND Dialog) {
    Click(Dialog, IDC_OPTIONS_ALWAYSONTOP);
    Click(Dialog, IDC_OPTIONS_AUTORUNCURRENTUSER);
    ClickTab(Dialog, opAdvanced);
    Click(Dialog, IDC_OPTIONS_PREVENTSYSTEMSLEEPWHILERUNNING);
    Click(Dialog, IDC_OPTIONS_DISABLETRAYMESSAGES);
    ClickTab(Dialog, opWebInterface);
    Click(Dialog, IDC_OPTIONS_WEBINTERFACEENABLE);
    Type(Dialog, IDC_OPTIONS_WEBINTERFACEIP, L"0.0.0.0");
    Type(Dialog, IDC_OPTIONS_WEBINTERFACEPORT, L"8181");
    Type(Dialog, IDC_OPTIONS_WEBINTERFACEUSERNAME, L"admin");
    Type(Dialog, IDC_OPTIONS_WEBINTERFACEPASSWORD, L"secret");
    Click(Dialog, IDOK);
  });
  EXPECT_TRUE(Result.Saved);
  EXPECT_EQ(Result.Page, opWebInterface);
  EXPECT_TRUE(Settings.AlwaysOnTop);
  EXPECT_TRUE(Settings.PreventSystemSleepWhileRunning);
  EXPECT_FALSE(Settings.ShowTrayMessages);
  EXPECT_TRUE(Settings.WebInterfaceEnabled);
  EXPECT_EQ(Settings.WebInterfaceIP, "0.0.0.0");
  EXPECT_EQ(Settings.WebInterfacePort, 8181);
  EXPECT_EQ(Settings.WebInterfaceUsername, "admin");
  EXPECT_EQ(Settings.WebInterfacePassword, PasswordDigest("secret"));
  EXPECT_EQ(Log, (std::vector<std::string>{"web interface restarted on 0.0.0.0:8181",
                                           "tray icon shown", "tables font larger"}));
  EXPECT_TRUE(SleepPrevention.Preventing());
  EXPECT_TRUE(IsAutorunEnabled(Registry, Program, false));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(OptionsFormTest, AWarningKeepsTheDialogOpenUntilTheInputIsRight) {
  bool OpenAfterMismatch = false, OpenAfterAddress = false;
  const TShown Result = ShowWhile(*this, opProtection, [&](HWND Dialog) {
    Click(Dialog, IDC_OPTIONS_PROTECTIONENABLE);
    Type(Dialog, IDC_OPTIONS_PROTECTIONPASSWORD, L"one");
    Type(Dialog, IDC_OPTIONS_PROTECTIONPASSWORDREPEAT, L"two");
    Click(Dialog, IDOK);
    OpenAfterMismatch = IsWindowVisible(Dialog);

    Type(Dialog, IDC_OPTIONS_PROTECTIONPASSWORDREPEAT, L"one");
    ClickTab(Dialog, opWebInterface);
    Click(Dialog, IDC_OPTIONS_WEBINTERFACEENABLE);
    Type(Dialog, IDC_OPTIONS_WEBINTERFACEIP, L"192.168.1");
    Click(Dialog, IDOK);
    OpenAfterAddress = IsWindowVisible(Dialog);

    Type(Dialog, IDC_OPTIONS_WEBINTERFACEIP, L"192.168.1.5");
    Click(Dialog, IDOK);
  });
  EXPECT_TRUE(OpenAfterMismatch);
  EXPECT_TRUE(OpenAfterAddress);
  EXPECT_TRUE(Result.Saved);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Protection passwords do not match!",
                                                  "Web Interface IP address is incorrect!"}));
  EXPECT_EQ(Settings.ProtectionPassword, PasswordDigest("one"));
  EXPECT_EQ(Settings.WebInterfaceIP, "192.168.1.5");
}

TEST_F(OptionsFormTest, ControlsFollowTheBoxesTheyDependOn) {
  Settings.StartOnWakeUp = true;
  Settings.StartOnWakeUpOnlyIfWasRunning = true;
  bool OnlyIfChecked = true, OnlyIfEnabled = true, IPEnabled = false, HTTPSEnabled = false;
  bool AllUsers = true, CurrentUser = false, PasswordEnabled = false;
  ShowWhile(*this, opAdvanced, [&](HWND Dialog) {
    Click(Dialog, IDC_OPTIONS_STARTONWAKEUP);
    OnlyIfChecked = Checked(Dialog, IDC_OPTIONS_STARTONWAKEUPONLYIFWASRUNNING);
    OnlyIfEnabled = Enabled(Dialog, IDC_OPTIONS_STARTONWAKEUPONLYIFWASRUNNING);
    ClickTab(Dialog, opWebInterface);
    Click(Dialog, IDC_OPTIONS_WEBINTERFACEENABLE);
    IPEnabled = Enabled(Dialog, IDC_OPTIONS_WEBINTERFACEIP);
    HTTPSEnabled = Enabled(Dialog, IDC_OPTIONS_WEBINTERFACEENABLEHTTPS);
    ClickTab(Dialog, opProtection);
    Click(Dialog, IDC_OPTIONS_PROTECTIONENABLE);
    PasswordEnabled = Enabled(Dialog, IDC_OPTIONS_PROTECTIONPASSWORD);
    ClickTab(Dialog, opGeneral);
    Click(Dialog, IDC_OPTIONS_AUTORUNALLUSERS);
    Click(Dialog, IDC_OPTIONS_AUTORUNCURRENTUSER);
    AllUsers = Checked(Dialog, IDC_OPTIONS_AUTORUNALLUSERS);
    CurrentUser = Checked(Dialog, IDC_OPTIONS_AUTORUNCURRENTUSER);
    Click(Dialog, IDCANCEL);
  });
  EXPECT_FALSE(OnlyIfChecked);
  EXPECT_FALSE(OnlyIfEnabled);
  EXPECT_TRUE(IPEnabled);
  EXPECT_TRUE(HTTPSEnabled);
  EXPECT_TRUE(PasswordEnabled);
  EXPECT_FALSE(AllUsers);
  EXPECT_TRUE(CurrentUser);
}

TEST_F(OptionsFormTest, EnterSavesAndEscapeCancels) {
  const TShown Saved = ShowWhile(*this, opWebInterface, [&](HWND Dialog) {
    Click(Dialog, IDC_OPTIONS_WEBINTERFACEENABLE);
    PostMessageW(Item(Dialog, IDC_OPTIONS_WEBINTERFACEPORT), WM_KEYDOWN, VK_RETURN, 0);
  });
  EXPECT_TRUE(Saved.Saved);
  EXPECT_TRUE(Settings.WebInterfaceEnabled);

  const TShown Cancelled = ShowWhile(*this, opWebInterface, [&](HWND Dialog) {
    Click(Dialog, IDC_OPTIONS_WEBINTERFACEENABLE);
    PostMessageW(Item(Dialog, IDC_OPTIONS_WEBINTERFACEPORT), WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_FALSE(Cancelled.Saved);
  EXPECT_TRUE(Settings.WebInterfaceEnabled);
}

TEST_F(OptionsFormTest, AddressAndPortBoxesTakeOnlyTheirCharacters) {
  Settings.WebInterfaceEnabled = true;
  std::wstring Port, Address;
  int Choices = 0;
  Network.HostAddresses = {"192.168.7.7"};
  ShowWhile(*this, opWebInterface, [&](HWND Dialog) {
    HWND PortBox = Item(Dialog, IDC_OPTIONS_WEBINTERFACEPORT);
    Type(Dialog, IDC_OPTIONS_WEBINTERFACEPORT, L"");
    for (wchar_t Typed : {L'8', L'x', L'.', L'1', L'-', L'8', L'1'})
      SendMessageW(PortBox, WM_CHAR, Typed, 0);
    Port = TextOf(PortBox);

    HWND Combo = Item(Dialog, IDC_OPTIONS_WEBINTERFACEIP);
    HWND AddressBox = FindWindowExW(Combo, nullptr, L"Edit", nullptr);
    Type(Dialog, IDC_OPTIONS_WEBINTERFACEIP, L"");
    for (wchar_t Typed : {L'1', L'0', L'.', L'a', L' ', L'0', L'.', L'0', L'.', L'9'})
      SendMessageW(AddressBox, WM_CHAR, Typed, 0);
    SendMessageW(Combo, CB_SHOWDROPDOWN, TRUE, 0);
    Choices = static_cast<int>(SendMessageW(Combo, CB_GETCOUNT, 0, 0));
    SendMessageW(Combo, CB_SHOWDROPDOWN, FALSE, 0);
    Address = TextOf(Combo);
    Click(Dialog, IDCANCEL);
  });
  EXPECT_EQ(Port, L"8181") << "digits only";
  EXPECT_EQ(Address, L"10.0.0.9") << "opening the list keeps what was typed";
  EXPECT_EQ(Choices, 3);
}

TEST_F(OptionsFormTest, EnteringAPasswordBoxEmptiesIt) {
  Settings.ProtectionEnabled = true;
  Settings.ProtectionPassword = PasswordDigest("guard");
  bool Emptied = false;
  std::wstring Repeat;
  const TShown Result = ShowWhile(*this, opProtection, [&](HWND Dialog) {
    HWND Password = Item(Dialog, IDC_OPTIONS_PROTECTIONPASSWORD);
    PostMessageW(Dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Password), TRUE);
    Emptied = Eventually([&] { return TextOf(Password).empty(); });
    Repeat = TextOf(Item(Dialog, IDC_OPTIONS_PROTECTIONPASSWORDREPEAT));
    Click(Dialog, IDC_OPTIONS_PROTECTIONENABLE);  // off, so the boxes need not match
    Click(Dialog, IDOK);
  });
  EXPECT_TRUE(Emptied);
  EXPECT_EQ(Repeat, L"**********") << "only the box entered";
  EXPECT_TRUE(Result.Saved);
  EXPECT_EQ(Settings.ProtectionPassword, "") << "left empty, the password is removed";
}

TEST_F(OptionsFormTest, ThePortCheckAnswersInAMessage) {
  Settings.WebInterfaceEnabled = true;
  Network.Taken.insert({"127.0.0.1", 8080});
  ShowWhile(*this, opWebInterface, [&](HWND Dialog) {
    Click(Dialog, IDC_OPTIONS_WEBINTERFACECHECK);
    Type(Dialog, IDC_OPTIONS_WEBINTERFACEPORT, L"8080");
    Click(Dialog, IDC_OPTIONS_WEBINTERFACECHECK);
    Click(Dialog, IDCANCEL);
  });
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"IP address and Port seem to be available.",
                                      "IP address and Port are taken by another application!"}));
}

TEST_F(OptionsFormTest, ARealWarningBoxAppearsAboveTheDialog) {
  TWin32UserInterface RealBoxes;
  std::wstring Text;
  bool OpenAfterwards = false;
  ShowWhile(
      *this, opAdvanced,
      [&](HWND Dialog) {
        PostMessageW(Item(Dialog, IDC_OPTIONS_HIDETRAYICONWARNING), BM_CLICK, 0, 0);
        HWND Box = FindTopLevel(L"Kolvane", 10000);
        ASSERT_NE(Box, nullptr) << "no warning box";
        Text = TextOf(GetDlgItem(Box, 0xFFFF));
        PostMessageW(Box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(Eventually([&] { return !IsWindow(Box); }));
        OpenAfterwards = IsWindowVisible(Dialog);
        Click(Dialog, IDCANCEL);
      },
      nullptr, &RealBoxes);
  EXPECT_NE(Text.find(L"Once the tray icon is hidden"), std::wstring::npos);
  EXPECT_TRUE(OpenAfterwards);
}

TEST_F(OptionsFormTest, CentredOnAVisibleOwnerOtherwiseNextToTheTray) {
  HWND Owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80,
                               700, 560, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(Owner, nullptr);
  RECT Centred{}, Cornered{};
  bool OwnerEnabled = true;
  ShowWhile(
      *this, opGeneral,
      [&](HWND Dialog) {
        GetWindowRect(Dialog, &Centred);
        OwnerEnabled = IsWindowEnabled(Owner);
        Click(Dialog, IDCANCEL);
      },
      Owner);
  EXPECT_FALSE(OwnerEnabled) << "modal";
  EXPECT_TRUE(IsWindowEnabled(Owner)) << "enabled again";
  EXPECT_NEAR((Centred.left + Centred.right) / 2, 100 + 700 / 2, 2);
  EXPECT_NEAR((Centred.top + Centred.bottom) / 2, 80 + 560 / 2, 2);

  ShowWindow(Owner, SW_HIDE);
  ShowWhile(
      *this, opGeneral,
      [&](HWND Dialog) {
        GetWindowRect(Dialog, &Cornered);
        Click(Dialog, IDCANCEL);
      },
      Owner);
  RECT WorkArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &WorkArea, 0);
  EXPECT_EQ(Cornered.right, WorkArea.right);
  EXPECT_EQ(Cornered.bottom, WorkArea.bottom);
  DestroyWindow(Owner);
}

}  // namespace
