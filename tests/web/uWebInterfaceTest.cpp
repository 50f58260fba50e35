// The web interface's pages over real sockets on 127.0.0.1, on the simulated machine, with the
// templates the program ships.

#include "web/uWebInterface.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "actions/uPlannerQuickActions.h"
#include "app/uPasswordDigest.h"
#include "core/uStringUtils.h"
#include "core/uWindowMessages.h"
#include "events/uCPUUsageData.h"
#include "platform/sim/uSimEventLoop.h"
#include "platform/sim/uSimMachine.h"
#include "platform/sim/uSimPerformanceData.h"
#include "platform/sim/uSimScreen.h"
#include "platform/sim/uSimSystemInformation.h"
#include "platform/sim/uSimUserInterface.h"
#include "support/uTempFolder.h"
#include "uHttpTestClient.h"
#include "web/uApplicationIcon.h"
#include "web/uTemplateError.h"

namespace {

using TResponse = THttpTestClient::TResponse;

std::string Base64(std::string_view Text) {
  static constexpr char Digits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string Result;
  for (std::size_t I = 0; I < Text.size(); I += 3) {
    const std::size_t Count = std::min<std::size_t>(3, Text.size() - I);
    std::uint32_t Bits = 0;
    for (std::size_t J = 0; J < 3; ++J)
      Bits = Bits << 8 | (J < Count ? static_cast<unsigned char>(Text[I + J]) : 0u);
    for (std::size_t J = 0; J < 4; ++J)
      Result += J <= Count ? Digits[(Bits >> (18 - 6 * J)) & 63] : '=';
  }
  return Result;
}

std::string BasicAuthorization(std::string_view User, std::string_view Password) {
  return "Authorization: Basic " + Base64(std::string(User) + ":" + std::string(Password)) + "\r\n";
}

bool Contains(const std::string& Text, const std::string& Part) {
  return Text.find(Part) != std::string::npos;
}

// The shipped templates, copied so that a test may spoil one of them.
class TTemplateCopy {
 public:
  TTemplateCopy() {
    for (const char* Name :
         {"header.html", "footer.html", "home.html", "info.html", "message.html", "processes.html"})
      WriteBytes(FFolder.Text(Name), ReadBytes(std::string(KOLVANE_WEB_TEMPLATES) + "/" + Name));
  }
  std::string Folder() const { return FFolder.Text(); }
  void Write(const std::string& Name, std::string_view Text) {
    WriteBytes(FFolder.Text(Name), Text);
  }
  void Remove(const std::string& Name) { std::filesystem::remove(Utf8ToPath(FFolder.Text(Name))); }

 private:
  TTempFolder FFolder;
};

class WebInterfaceTest : public ::testing::Test {
 protected:
  struct TPosted {
    std::uint32_t Msg;
    std::string Text;  // what the message carried, taken back as the main window would
  };

  WebInterfaceTest() {
    Services.UserInterface = &UserInterface;
    Services.SystemVersion = &Machine;
    Services.Processes = &Machine.Processes;
    Services.ScreenCapture = &Screen;
    Services.ImageEncoder = &Screen;
    Services.CPUUsage = &CPUUsage;
    Services.SystemInformation = &System;
    Settings.WebInterfaceIP = "127.0.0.1";
    Settings.WebInterfacePort = 0;
    Performance.SetProcessorCount(2);
  }

  // Starts the interface on a free port of 127.0.0.1.
  void Start(const std::string& TemplatesFolder = KOLVANE_WEB_TEMPLATES) {
    Web.SetTemplatesLocation(TemplatesFolder, "*.html");
    ASSERT_TRUE(Web.Start(Settings));
    ASSERT_NE(Web.Port(), 0);
  }

  TResponse Get(const std::string& Target, const std::string& Headers = {}) {
    return THttpTestClient::Get(Web.Port(), Target, Headers);
  }

  void SetPresets(std::vector<std::string> Names) {
    std::lock_guard Guard(FLock);
    FPresets = std::move(Names);
  }
  void FailPosts() {
    std::lock_guard Guard(FLock);
    FPostSucceeds = false;
  }

  // The messages posted since the last call, each text taken back from its carrier.
  std::vector<TPosted> TakePosted() {
    std::vector<std::pair<std::uint32_t, std::uintptr_t>> Raw;
    {
      std::lock_guard Guard(FLock);
      Raw.swap(FPosted);
    }
    std::vector<TPosted> Result;
    for (const auto& [Msg, WParam] : Raw) {
      std::string Text;
      if (Msg != WM_WEB_CLOSE)
        Text = Web.PostedTexts()->Take(WParam).value_or("(no carrier)");
      Result.push_back({Msg, Text});
    }
    EXPECT_EQ(Web.PostedTexts()->InFlight(), 0u);
    return Result;
  }

  TSimEventLoop Loop;
  TSimMachine Machine;
  TSimUserInterface UserInterface;
  TSimScreen Screen;
  TSimSystemInformation System;
  std::atomic<std::uint64_t> ClockMs{0};
  TSimPerformanceData Performance{[this] { return ClockMs.load(); }};
  TCPUUsageData CPUUsage{Performance, Machine};
  TKoServices Services{Loop};
  TKoQuickActions QuickActions{Services};
  TSettings Settings;

 private:
  std::mutex FLock;
  std::vector<std::string> FPresets;
  std::vector<std::pair<std::uint32_t, std::uintptr_t>> FPosted;
  bool FPostSucceeds = true;

 protected:
  // Last, so it stops before anything it reads goes.
  TWebInterface Web{{Services, QuickActions,
                     [this] {
                       std::lock_guard Guard(FLock);
                       return FPresets;
                     },
                     [this](std::uint32_t Msg, std::uintptr_t WParam, std::intptr_t LParam) {
                       EXPECT_EQ(LParam, 0);
                       std::lock_guard Guard(FLock);
                       if (FPostSucceeds)
                         FPosted.emplace_back(Msg, WParam);
                       return FPostSucceeds;
                     }}};
};

// --- Pages ------------------------------------------------------------------------------------

TEST_F(WebInterfaceTest, HomePageListsQuickActionsPresetsAndExtras) {
  SetPresets({"Evening", "Download & <Shutdown>"});
  Start();
  const TResponse Page = Get("/");
  EXPECT_EQ(Page.Status, 200);
  EXPECT_EQ(Page.Header("content-type"), "text/html; charset=utf-8");
  EXPECT_EQ(Page.Header("cache-control"), "no-cache, no-store, must-revalidate");
  const std::string& Body = Page.Body;
  EXPECT_TRUE(Contains(Body, "<title>Kolvane Web Interface</title>")) << Body;
  // Every quick action in menu order, each with its identifier for the request.
  std::size_t At = 0;
  for (const auto& Action : QuickActions.QuickActions()) {
    const std::size_t Found = Body.find("value=\"" + Action->GetID() + "\"", At);
    ASSERT_NE(Found, std::string::npos) << Action->GetID();
    EXPECT_TRUE(Contains(Body, "<td>" + Action->GetName() + "</td>"));
    At = Found;
  }
  EXPECT_TRUE(Contains(Body, ">Execute</button>"));
  EXPECT_TRUE(Contains(Body, "<td>Evening</td>"));
  EXPECT_TRUE(Contains(Body, "value=\"Download &amp; &lt;Shutdown&gt;\""));
  EXPECT_TRUE(Contains(Body, "<td>Download &amp; &lt;Shutdown&gt;</td>"));
  EXPECT_FALSE(Contains(Body, "<Shutdown>"));
  EXPECT_FALSE(Contains(Body, "(no presets found)"));
  const char* Extras[] = {
      "<a href=\"/info\">System information</a>",
      "<a href=\"/processes\">Process management</a>",
      "<a href=\"/screenshot.png\">Screenshot of the desktop (PNG)</a>",
      "<a href=\"/screenshot.jpg\">Screenshot of the desktop (JPG)</a>",
      "<a href=\"/close\">Close the application</a>",
  };
  At = 0;
  for (const char* Extra : Extras) {
    const std::size_t Found = Body.find(Extra, At);
    ASSERT_NE(Found, std::string::npos) << Extra;
    At = Found;
  }
}

TEST_F(WebInterfaceTest, HomePageWithoutPresetsSaysSo) {
  Start();
  const TResponse Page = Get("/");
  EXPECT_EQ(Page.Status, 200);
  EXPECT_TRUE(Contains(Page.Body, "<p>(no presets found)</p>"));
  EXPECT_FALSE(Contains(Page.Body, "action=\"/preset\""));
}

TEST_F(WebInterfaceTest, ActionRequestsArePostedForKnownQuickActionsOnly) {
  Start();
  struct TCase {
    const char* Target;
    const char* Message;
    const char* Posted;  // nullptr: nothing posted
  } Cases[] = {
      {"/action?id=MonitorOff", "Requested &quot;Turn Off Monitor&quot; action to be executed.",
       "MonitorOff"},
      // The name shown is the action's, the identifier posted is the one typed.
      {"/action?id=shutdown", "Requested &quot;Shutdown&quot; action to be executed.", "shutdown"},
      {"/action?id=Turn+Off+Monitor", "Invalid query parameters!", nullptr},
      {"/action?id=", "Invalid query parameters!", nullptr},
      {"/action?ID=Lock", "Invalid query parameters!", nullptr},
      {"/action", "Invalid query parameters!", nullptr},
  };
  for (const TCase& Case : Cases) {
    const TResponse Page = Get(Case.Target);
    EXPECT_EQ(Page.Status, 200) << Case.Target;
    EXPECT_TRUE(Contains(Page.Body, "<p class=\"message\">" + std::string(Case.Message) + "</p>"))
        << Case.Target << "\n"
        << Page.Body;
    EXPECT_TRUE(Contains(Page.Body, ">Back to home page</a>")) << Case.Target;
    const auto Posted = TakePosted();
    if (Case.Posted) {
      ASSERT_EQ(Posted.size(), 1u) << Case.Target;
      EXPECT_EQ(Posted[0].Msg, WM_WEB_EXECUTE_ACTION);
      EXPECT_EQ(Posted[0].Text, Case.Posted);
    } else {
      EXPECT_TRUE(Posted.empty()) << Case.Target;
    }
  }
  // Nothing ran here: running is the main window's business.
  EXPECT_TRUE(Machine.Calls.empty());
}

TEST_F(WebInterfaceTest, PresetRequestsArePostedAsGivenEvenEmpty) {
  SetPresets({"Evening"});
  Start();
  struct TCase {
    const char* Target;
    const char* Message;
    const char* Posted;
  } Cases[] = {
      {"/preset?name=My+Preset%21", "Requested &quot;My Preset!&quot; preset to be started.",
       "My Preset!"},
      // Not checked against the list: the main window finds out whether it loads.
      {"/preset?name=Nowhere", "Requested &quot;Nowhere&quot; preset to be started.", "Nowhere"},
      {"/preset?name=", "Requested &quot;&quot; preset to be started.", ""},
      {"/preset?name=%3Cb%3E%26%22",
       "Requested &quot;&lt;b&gt;&amp;&quot;&quot; preset to be started.", "<b>&\""},
      {"/preset", "Invalid query parameters!", nullptr},
  };
  for (const TCase& Case : Cases) {
    const TResponse Page = Get(Case.Target);
    EXPECT_EQ(Page.Status, 200) << Case.Target;
    EXPECT_TRUE(Contains(Page.Body, "<p class=\"message\">" + std::string(Case.Message) + "</p>"))
        << Case.Target << "\n"
        << Page.Body;
    const auto Posted = TakePosted();
    if (Case.Posted) {
      ASSERT_EQ(Posted.size(), 1u) << Case.Target;
      EXPECT_EQ(Posted[0].Msg, WM_WEB_START_PRESET);
      EXPECT_EQ(Posted[0].Text, Case.Posted);
    } else {
      EXPECT_TRUE(Posted.empty()) << Case.Target;
    }
  }
}

TEST_F(WebInterfaceTest, CloseRendersItsMessageThenPostsTheRequest) {
  Start();
  const TResponse Page = Get("/close");
  EXPECT_EQ(Page.Status, 200);
  EXPECT_TRUE(Contains(Page.Body, "<p class=\"message\">Program is closing.</p>"));
  EXPECT_FALSE(Contains(Page.Body, "Back to home page"));
  const auto Posted = TakePosted();
  ASSERT_EQ(Posted.size(), 1u);
  EXPECT_EQ(Posted[0].Msg, WM_WEB_CLOSE);
}

TEST_F(WebInterfaceTest, APageThatCannotBeRenderedPostsNothing) {
  // A message template that shows "BackToHome" unguarded cannot render the close page; the
  // other message pages must not post behind an error page either.
  TTemplateCopy Templates;
  Templates.Write("message.html", "<p>{{Message}}</p><a href=\"/\">{{BackToHome}}</a>");
  Start(Templates.Folder());
  EXPECT_EQ(Get("/close").Status, 500);
  EXPECT_EQ(Get("/action?id=Lock").Status, 200);
  ASSERT_EQ(TakePosted().size(), 1u);

  Templates.Write("message.html", "{{Undefined}}");
  ASSERT_TRUE(Web.Restart(Settings));
  for (const char* Target : {"/action?id=Lock", "/preset?name=Evening", "/close"})
    EXPECT_EQ(Get(Target).Status, 500) << Target;
  EXPECT_TRUE(TakePosted().empty());
}

TEST_F(WebInterfaceTest, AFailedPostStillAnswersAndLeavesNothingBehind) {
  Start();
  FailPosts();
  for (const char* Target : {"/action?id=Lock", "/preset?name=Evening", "/close"})
    EXPECT_EQ(Get(Target).Status, 200) << Target;
  EXPECT_EQ(Web.PostedTexts()->InFlight(), 0u);
}

TEST_F(WebInterfaceTest, ProcessesPageListsEveryProcessEscaped) {
  Machine.AddProcess("explorer.exe");
  Machine.AddProcess("<img src=x onerror=alert(1)>.exe");
  Machine.AddProcess("explorer.exe");
  Start();
  const TResponse Page = Get("/processes");
  EXPECT_EQ(Page.Status, 200);
  const std::string& Body = Page.Body;
  EXPECT_TRUE(Contains(Body, "Running processes"));
  const std::size_t First = Body.find("<td>explorer.exe</td>");
  ASSERT_NE(First, std::string::npos);
  EXPECT_NE(Body.find("<td>explorer.exe</td>", First + 1), std::string::npos);  // kept twice
  EXPECT_TRUE(Contains(Body, "<td>&lt;img src=x onerror=alert(1)&gt;.exe</td>"));
  EXPECT_FALSE(Contains(Body, "<img"));
  // Without "AllowCmdExec" there is nothing to run or kill with.
  EXPECT_FALSE(Contains(Body, "action=\"/run\""));
  EXPECT_FALSE(Contains(Body, "Kill process"));
}

TEST_F(WebInterfaceTest, ProcessesPageOffersManagementWhenAllowed) {
  Settings.WebInterfaceAllowCmdExec = true;
  Machine.AddProcess("notepad.exe");
  Start();
  const TResponse Page = Get("/processes");
  EXPECT_EQ(Page.Status, 200);
  EXPECT_TRUE(Contains(Page.Body, "Process management"));
  EXPECT_TRUE(Contains(Page.Body, "action=\"/run\""));
  EXPECT_TRUE(Contains(Page.Body, ">Run command</button>"));
  EXPECT_TRUE(Contains(Page.Body, ">Kill process</button>"));
  EXPECT_TRUE(Contains(Page.Body, "<option value=\"notepad.exe\">"));

  Machine.SnapshotFails = true;
  const TResponse Empty = Get("/processes");
  EXPECT_EQ(Empty.Status, 200);
  EXPECT_FALSE(Contains(Empty.Body, "notepad.exe"));
}

TEST_F(WebInterfaceTest, RunAndKillAreRefusedUnlessAllowed) {
  Machine.AddProcess("victim.exe");
  Start();
  for (const char* Target :
       {"/run?command=calc.exe", "/kill?process=victim.exe", "/run", "/kill"}) {
    const TResponse Page = Get(Target);
    EXPECT_EQ(Page.Status, 403) << Target;
    EXPECT_EQ(Page.Body, "") << Target;
  }
  EXPECT_TRUE(Machine.Calls.empty());
  EXPECT_TRUE(Machine.HasProcess(100));
}

TEST_F(WebInterfaceTest, RunStartsTheCommandLineWithoutWaiting) {
  Settings.WebInterfaceAllowCmdExec = true;
  Machine.OnLaunch = [](const TLaunchRequest& Request) {
    return TLaunchResult{Request.CommandLine.rfind("missing", 0) != 0, 2, 0};
  };
  Start();
  struct TCase {
    const char* Target;
    const char* Message;
    const char* Launched;  // nullptr: nothing started
  } Cases[] = {
      {"/run?command=notepad.exe+%22C%3A%5Ca+b.txt%22", "Command executed successfully.",
       "CreateProcessW notepad.exe \"C:\\a b.txt\""},
      {"/run?command=missing.exe", "Failed to execute command!", "CreateProcessW missing.exe"},
      {"/run?command=", "Failed to execute command!", nullptr},
      {"/run?command=+++", "Failed to execute command!", nullptr},
      {"/run", "Invalid query parameters!", nullptr},
  };
  for (const TCase& Case : Cases) {
    Machine.Calls.clear();
    const TResponse Page = Get(Case.Target);
    EXPECT_EQ(Page.Status, 200) << Case.Target;
    EXPECT_TRUE(Contains(Page.Body, "<p class=\"message\">" + std::string(Case.Message) + "</p>"))
        << Case.Target;
    if (Case.Launched)
      EXPECT_EQ(Machine.Calls, std::vector<std::string>{Case.Launched});
    else
      EXPECT_TRUE(Machine.Calls.empty()) << Case.Target;
  }
}

TEST_F(WebInterfaceTest, KillEndsEveryProcessOfThatName) {
  Settings.WebInterfaceAllowCmdExec = true;
  Machine.AddProcess("victim.exe");
  Machine.AddProcess("other.exe");
  Machine.AddProcess("Victim.EXE");
  Start();
  struct TCase {
    const char* Target;
    const char* Message;
  } Cases[] = {
      {"/kill?process=VICTIM.exe", "Killed 2 processes."},
      {"/kill?process=VICTIM.exe", "No matching processes found!"},
      {"/kill?process=", "No matching processes found!"},
      {"/kill?process=+other.exe", "No matching processes found!"},
      {"/kill", "Invalid query parameters!"},
  };
  for (const TCase& Case : Cases) {
    const TResponse Page = Get(Case.Target);
    EXPECT_EQ(Page.Status, 200) << Case.Target;
    EXPECT_TRUE(Contains(Page.Body, "<p class=\"message\">" + std::string(Case.Message) + "</p>"))
        << Case.Target << "\n"
        << Page.Body;
  }
  ASSERT_EQ(Machine.ProcessTable.size(), 1u);
  EXPECT_EQ(Machine.ProcessTable[0].ExeFile, "other.exe");
}

TEST_F(WebInterfaceTest, ScreenshotsComeAsJpegOrPngByTheirPath) {
  Start();
  struct TCase {
    const char* Target;
    const char* ContentType;
    const char* Body;  // what the simulated encoder writes
  } Cases[] = {
      {"/screenshot.jpg", "image/jpeg", "JPEG quality 50 4x3"},
      {"/screenshot.jpeg", "image/jpeg", "JPEG quality 50 4x3"},
      {"/screenshot.png", "image/png", "PNG 4x3"},
      {"/screenshot", "image/png", "PNG 4x3"},
  };
  for (const TCase& Case : Cases) {
    const TResponse Page = Get(Case.Target);
    EXPECT_EQ(Page.Status, 200) << Case.Target;
    EXPECT_EQ(Page.Header("content-type"), Case.ContentType) << Case.Target;
    EXPECT_EQ(Page.Body, Case.Body) << Case.Target;
    EXPECT_EQ(Page.Header("cache-control"), "no-cache, no-store, must-revalidate");
  }
  Screen.Screen.reset();
  EXPECT_EQ(Get("/screenshot.jpg").Status, 500);
}

TEST_F(WebInterfaceTest, FaviconIsTheProgramsIcon) {
  Start();
  const TResponse Page = Get("/favicon.ico");
  EXPECT_EQ(Page.Status, 200);
  EXPECT_EQ(Page.Header("content-type"), "image/x-icon");
  EXPECT_EQ(Page.Body, ReadBytes(KOLVANE_ICON_FILE));
  EXPECT_EQ(Page.Body.substr(0, 4), std::string("\0\0\1\0", 4));
}

TEST_F(WebInterfaceTest, InfoPageShowsUpTimeUsageAndUser) {
  System.SetUpTime((26 * 3600 + 5 * 60 + 9) * 1000ull + 999);
  System.SetUserName("J\xc3\xb6rg <admin>");
  Performance.SetUsage(62.2);
  CPUUsage.CollectCPUData();
  ClockMs = 1000;
  Start();
  const TResponse Page = Get("/info");
  EXPECT_EQ(Page.Status, 200);
  const std::string& Body = Page.Body;
  EXPECT_TRUE(Contains(Body, "System information"));
  const std::size_t UpTime = Body.find("<tr><th>System up time:</th><td>26:05:09</td></tr>");
  const std::size_t Usage = Body.find("<tr><th>CPU usage:</th><td>62 %</td></tr>");
  const std::size_t User =
      Body.find("<tr><th>Logged in as:</th><td>J\xc3\xb6rg &lt;admin&gt;</td></tr>");
  ASSERT_NE(UpTime, std::string::npos) << Body;
  ASSERT_NE(Usage, std::string::npos) << Body;
  ASSERT_NE(User, std::string::npos) << Body;
  EXPECT_LT(UpTime, Usage);
  EXPECT_LT(Usage, User);
  EXPECT_TRUE(Contains(Body, ">Back to home page</a>"));
}

TEST_F(WebInterfaceTest, InfoPageShowsWhatItCannotReadAsEmpty) {
  System.SetUserName(std::nullopt);
  Performance.QueryFails = true;
  Start();
  const TResponse Page = Get("/info");
  EXPECT_EQ(Page.Status, 200);
  EXPECT_TRUE(Contains(Page.Body, "<tr><th>CPU usage:</th><td></td></tr>")) << Page.Body;
  EXPECT_TRUE(Contains(Page.Body, "<tr><th>Logged in as:</th><td></td></tr>"));
}

TEST_F(WebInterfaceTest, UnknownRoutesAnswer404WithAnEmptyBody) {
  Start();
  for (const char* Target :
       {"/Info", "/screenshot.JPG", "/%61ction?id=Lock", "/index.html", "/action/", "//"}) {
    const TResponse Page = Get(Target);
    EXPECT_EQ(Page.Status, 404) << Target;
    EXPECT_EQ(Page.Body, "") << Target;
  }
  EXPECT_TRUE(TakePosted().empty());
}

// --- Authorisation ----------------------------------------------------------------------------

TEST_F(WebInterfaceTest, BasicCredentialsAreCheckedAgainstTheStoredDigest) {
  Web.SetTemplatesLocation(KOLVANE_WEB_TEMPLATES, "*.html");
  const std::string Digest = PasswordDigest("s3cret");
  struct TCase {
    std::string StoredUser, StoredDigest, Headers;
    int Status;
  } Cases[] = {
      {"", "", "", 200},
      {"", "", BasicAuthorization("anyone", "anything"), 200},
      {"admin", Digest, "", 401},
      {"admin", Digest, BasicAuthorization("admin", "s3cret"), 200},
      {"admin", LowerCaseAscii(Digest), BasicAuthorization("admin", "s3cret"), 200},
      {"admin", Digest, BasicAuthorization("Admin", "s3cret"), 401},
      {"admin", Digest, BasicAuthorization("admin", "S3cret"), 401},
      {"admin", Digest, BasicAuthorization("admin", ""), 401},
      {"admin", Digest, "Authorization: basic " + Base64("admin:s3cret") + "\r\n", 401},
      {"admin", "", BasicAuthorization("admin", ""), 200},
      {"admin", "", BasicAuthorization("admin", "x"), 401},
      {"admin", "", "", 401},
      {"", Digest, BasicAuthorization("", "s3cret"), 200},
      {"", Digest, BasicAuthorization("", "wrong"), 401},
  };
  for (const TCase& Case : Cases) {
    Settings.WebInterfaceUsername = Case.StoredUser;
    Settings.WebInterfacePassword = Case.StoredDigest;
    ASSERT_TRUE(Web.Restart(Settings));
    const TResponse Page = Get("/action?id=Lock", Case.Headers);
    EXPECT_EQ(Page.Status, Case.Status)
        << Case.StoredUser << " / " << Case.StoredDigest << " / " << Case.Headers;
    if (Case.Status == 401) {
      EXPECT_EQ(Page.Header("www-authenticate"),
                "Basic realm=\"Kolvane Web Interface\", charset=\"UTF-8\"");
      EXPECT_TRUE(TakePosted().empty()) << "refused requests do nothing";
    } else {
      EXPECT_EQ(TakePosted().size(), 1u);
    }
  }
}

TEST_F(WebInterfaceTest, EveryRouteAsksForCredentials) {
  Settings.WebInterfaceUsername = "admin";
  Settings.WebInterfacePassword = PasswordDigest("pw");
  Settings.WebInterfaceAllowCmdExec = true;
  Start();
  for (const char* Target :
       {"/", "/info", "/processes", "/run?command=x", "/kill?process=x", "/screenshot.png",
        "/favicon.ico", "/close", "/preset?name=x", "/nope"}) {
    const TResponse Page = Get(Target);
    EXPECT_EQ(Page.Status, 401) << Target;
    EXPECT_FALSE(Contains(Page.Body, "Kolvane Web Interface")) << Target;
  }
  EXPECT_TRUE(TakePosted().empty());
  EXPECT_TRUE(Machine.Calls.empty());
  EXPECT_TRUE(Screen.Calls.empty());
}

// --- Starting and stopping --------------------------------------------------------------------

TEST_F(WebInterfaceTest, ATemplateErrorStopsTheStartAndReachesTheCaller) {
  TTemplateCopy Templates;
  Templates.Write("home.html", "{{IF A B}}");
  Web.SetTemplatesLocation(Templates.Folder(), "*.html");
  EXPECT_THROW(Web.Start(Settings), ETemplateError);
  EXPECT_FALSE(Web.Active());
  EXPECT_EQ(Web.Port(), 0);
  EXPECT_TRUE(UserInterface.Shown.empty());
}

TEST_F(WebInterfaceTest, AMissingTemplateFailsOnlyItsPage) {
  TTemplateCopy Templates;
  Templates.Remove("info.html");
  Start(Templates.Folder());
  EXPECT_EQ(Get("/info").Status, 500);
  EXPECT_EQ(Get("/").Status, 200);
}

TEST_F(WebInterfaceTest, AServerThatCannotListenIsReportedAndCanBeStartedLater) {
  Start();
  const std::uint16_t Taken = Web.Port();
  TWebInterface Second({Services, QuickActions, {}, {}});
  Second.SetTemplatesLocation(KOLVANE_WEB_TEMPLATES, "*.html");
  Settings.WebInterfacePort = Taken;
  EXPECT_FALSE(Second.Start(Settings));
  EXPECT_FALSE(Second.Active());
  ASSERT_EQ(UserInterface.Shown.size(), 1u);
  EXPECT_EQ(UserInterface.Shown[0].Caption, "");  // the application's title
  EXPECT_EQ(UserInterface.Shown[0].Text.rfind("Failed to start web server: ", 0), 0u)
      << UserInterface.Shown[0].Text;
  EXPECT_EQ(UserInterface.Shown[0].Kind, dkWarning);
  EXPECT_EQ(UserInterface.Shown[0].Buttons, dbOK);

  Web.Stop();
  EXPECT_FALSE(Web.Active());
  EXPECT_TRUE(Second.Start(Settings));
  EXPECT_EQ(THttpTestClient::Get(Taken, "/").Status, 200);
}

TEST_F(WebInterfaceTest, SettingsStartRestartAndStopTheInterface) {
  Web.SetTemplatesLocation(KOLVANE_WEB_TEMPLATES, "*.html");
  Settings.WebInterfaceEnabled = false;
  EXPECT_FALSE(Web.ApplySettings(Settings));
  EXPECT_FALSE(Web.Active());

  Settings.WebInterfaceEnabled = true;
  ASSERT_TRUE(Web.ApplySettings(Settings));
  EXPECT_EQ(Get("/").Status, 200);

  // New credentials take effect on a running interface.
  Settings.WebInterfaceUsername = "admin";
  ASSERT_TRUE(Web.ApplySettings(Settings));
  EXPECT_EQ(Get("/").Status, 401);
  EXPECT_EQ(Get("/", BasicAuthorization("admin", "")).Status, 200);

  Settings.WebInterfaceEnabled = false;
  EXPECT_FALSE(Web.ApplySettings(Settings));
  EXPECT_FALSE(Web.Active());
  EXPECT_EQ(Web.Port(), 0);
  EXPECT_TRUE(UserInterface.Shown.empty());
}

TEST_F(WebInterfaceTest, SettingsTheServerRefusesAreReportedAndNothingRuns) {
  Web.SetTemplatesLocation(KOLVANE_WEB_TEMPLATES, "*.html");
  TTempFolder Missing;
  Web.SetCertificateFiles(Missing.Text("domain.key"), Missing.Text("domain.crt"));
  struct TCase {
    const char* IP;
    bool HTTPS;
    const char* Reason;  // part of the warning's text
  } Cases[] = {
      {"300.1.2.3", false, "\"300.1.2.3\" is not a valid IP address"},
      {"localhost", false, "\"localhost\" is not a valid IP address"},
      // Without its certificate (or without OpenSSL) there is no HTTPS, and no plain HTTP either.
      {"127.0.0.1", true, ""},
  };
  for (const TCase& Case : Cases) {
    Settings.WebInterfaceIP = Case.IP;
    Settings.WebInterfaceHTTPS = Case.HTTPS;
    UserInterface.Shown.clear();
    EXPECT_FALSE(Web.Start(Settings)) << Case.IP;
    EXPECT_FALSE(Web.Active());
    EXPECT_EQ(Web.Port(), 0);
    ASSERT_EQ(UserInterface.Shown.size(), 1u) << Case.IP;
    EXPECT_EQ(UserInterface.Shown[0].Kind, dkWarning);
    EXPECT_EQ(UserInterface.Shown[0].Text.rfind("Failed to start web server: ", 0), 0u)
        << UserInterface.Shown[0].Text;
    EXPECT_TRUE(Contains(UserInterface.Shown[0].Text, Case.Reason)) << UserInterface.Shown[0].Text;
  }
}

TEST_F(WebInterfaceTest, RestartReloadsTheTemplates) {
  TTemplateCopy Templates;
  Start(Templates.Folder());
  Templates.Write("footer.html", "<!-- new footer --></main></body></html>");
  EXPECT_FALSE(Contains(Get("/").Body, "new footer"));
  ASSERT_TRUE(Web.Restart(Settings));
  EXPECT_TRUE(Contains(Get("/").Body, "new footer"));
  Web.Stop();
  EXPECT_EQ(Web.Port(), 0);
  EXPECT_EQ(Web.Templates().Count(), 6u);  // kept after a stop
}

}  // namespace
