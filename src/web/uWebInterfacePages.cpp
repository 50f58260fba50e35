// The pages of the web interface, built on the serving thread.

#include <exception>
#include <optional>

#include "actions/uPlannerQuickActions.h"
#include "actions/uProcessLauncher.h"
#include "actions/uDisplayActionsStrings.h"
#include "actions/uProcessList.h"
#include "actions/uScreenshot.h"
#include "core/uFormat.h"
#include "core/uStringUtils.h"
#include "events/uCPUUsageData.h"
#include "platform/uSystemInformation.h"
#include "web/uApplicationIcon.h"
#include "web/uHtmlText.h"
#include "web/uSystemInfoText.h"
#include "web/uWebInterface.h"
#include "web/uWebInterfaceStrings.h"

using namespace uwebinterface;

namespace {

constexpr std::uint8_t kJpegQuality = 50;

// Every text a page shows may come from outside (a preset's file name, a process's name, a
// request's parameter), so every text is escaped when the template reads it, quotes included
// because templates put values in attributes too.
void PreparePageView(TTemplateView& View) {
  View.SetOnGetValue([](const std::string&, TTemplateValue& Value) {
    if (auto* Text = std::get_if<std::string>(&Value))
      *Text = HTMLEscape(*Text, true);
  });
  View.SetValue("HeaderCaption", WebInterfaceCaption());
}

void AddExtra(TTemplateView& View, const char* URL, std::string Title) {
  TTemplateView& Item = View.AddChildView("Extra");
  Item.SetValue("URL", std::string(URL));
  Item.SetValue("Title", std::move(Title));
}

void AddInfo(TTemplateView& View, const TResString& Caption, std::string Value) {
  TTemplateView& Item = View.AddChildView("InfoList");
  Item.SetValue("Caption", ResStr(Caption));
  Item.SetValue("Value", std::move(Value));
}

std::optional<std::string> Parameter(TWebRequest& Request, std::string_view Name) {
  std::string Value;
  if (!Request.Parameters().TryGetValue(Name, Value))
    return std::nullopt;
  return Value;
}

}  // namespace

void TWebInterface::RenderPage(std::string_view TemplateName, TTemplateView& View,
                               std::string& Body) const {
  Body += FTemplates.GetByName("header.html").Render(View);
  Body += FTemplates.GetByName(TemplateName).Render(View);
  Body += FTemplates.GetByName("footer.html").Render(View);
}

void TWebInterface::HomePage(std::string& Body) {
  TTemplateView View;
  PreparePageView(View);
  View.SetValue("SectionActions", ResStr(sactions));
  View.SetValue("Execute", ResStr(sexecute));
  View.AddChildViewList("Actions");
  for (const auto& Action : FQuickActions.QuickActions()) {
    TTemplateView& Item = View.AddChildView("Actions");
    Item.SetValue("ID", Action->GetID());
    Item.SetValue("Name", Action->GetName());
  }

  View.SetValue("SectionPresets", ResStr(spresets));
  View.SetValue("Start", ResStr(sstart));
  View.SetValue("NoPresetsFound", ResStr(snopresetsfound));
  View.AddChildViewList("Presets");
  const std::vector<std::string> Presets =
      FListPresets ? FListPresets() : std::vector<std::string>{};
  View.SetValue("PresetsAvailable", !Presets.empty());
  for (const std::string& Name : Presets) {
    TTemplateView& Item = View.AddChildView("Presets");
    Item.SetValue("ID", Name);
    Item.SetValue("Name", Name);
  }

  View.SetValue("SectionExtra", ResStr(sextra));
  View.AddChildViewList("Extra");
  AddExtra(View, "/info", ResStr(ssysteminformation));
  AddExtra(View, "/processes", ResStr(sprocessmanagement));
  AddExtra(View, "/screenshot.png", ResStr(sdesktopscreenshot) + " (PNG)");
  AddExtra(View, "/screenshot.jpg", ResStr(sdesktopscreenshot) + " (JPG)");
  AddExtra(View, "/close", ResStr(scloseapplication));
  RenderPage("home.html", View, Body);
}

void TWebInterface::InfoPage(std::string& Body) {
  TTemplateView View;
  PreparePageView(View);
  View.AddChildViewList("InfoList");
  View.SetValue("BackToHome", ResStr(sbacktohome));
  View.SetValue("SectionInfo", ResStr(ssysteminformation));

  TSystemInformation* System = FServices.SystemInformation;
  AddInfo(View, ssystemuptimeheader, System ? UpTimeText(System->UpTimeMilliseconds()) : "");
  // A machine whose counters cannot be read still gets its page; the figure stays empty.
  std::string Usage;
  if (FServices.CPUUsage) {
    try {
      Usage = CPUUsageText(FServices.CPUUsage->GetTotalCPUUsage());
    } catch (const std::exception&) {
    }
  }
  AddInfo(View, scpuusageheader, std::move(Usage));
  AddInfo(View, sloggedinasheader, System ? System->UserName().value_or("") : "");
  RenderPage("info.html", View, Body);
}

// The requests are posted only once the page has been rendered: a page that fails reaches the
// client as an error, and then nothing must happen behind its back.

void TWebInterface::ActionPage(TWebRequest& Request, std::string& Body) {
  TTemplateView View;
  PreparePageView(View);
  const std::optional<std::string> ID = Parameter(Request, "id");
  const TKoQuickActionObject* Action = ID ? FQuickActions.FindQuickAction(*ID) : nullptr;
  View.SetValue("Message", Action ? Format(ResStr(srequestedexecuteaction), {Action->GetName()})
                                  : ResStr(sinvalidqueryparameters));
  View.SetValue("BackToHome", ResStr(sbacktohome));
  RenderPage("message.html", View, Body);
  if (Action)
    (void)FCommands.PostActionRequest(*ID);
}

void TWebInterface::PresetPage(TWebRequest& Request, std::string& Body) {
  TTemplateView View;
  PreparePageView(View);
  const std::optional<std::string> Name = Parameter(Request, "name");
  View.SetValue("Message", Name ? Format(ResStr(srequestedstartpreset), {*Name})
                                : ResStr(sinvalidqueryparameters));
  View.SetValue("BackToHome", ResStr(sbacktohome));
  RenderPage("message.html", View, Body);
  if (Name)
    (void)FCommands.PostPresetRequest(*Name);
}

void TWebInterface::ClosePage(std::string& Body) {
  TTemplateView View;
  PreparePageView(View);
  View.SetValue("Message", ResStr(sprogramisclosing));
  RenderPage("message.html", View, Body);
  (void)FCommands.PostCloseRequest();
}

void TWebInterface::ProcessesPage(std::string& Body) {
  TTemplateView View;
  PreparePageView(View);
  View.SetValue("BackToHome", ResStr(sbacktohome));
  View.SetValue("SectionProcesses", ResStr(srunningprocesses));
  View.SetValue("SectionProcessManagement", ResStr(sprocessmanagement));
  const bool Enabled = FSettings.WebInterfaceAllowCmdExec;
  View.SetValue("ProcessManagementEnabled", Enabled);
  if (Enabled) {
    View.SetValue("RunCommand", ResStr(sruncommand));
    View.SetValue("KillProcess", ResStr(skillprocess));
  }
  View.AddChildViewList("Processes");
  TProcessList Processes;
  if (FServices.Processes)
    (void)ListProcesses(*FServices.Processes, Processes);
  for (const TProcessListItem& Process : Processes)
    View.AddChildView("Processes").SetValue("ProcessName", Process.Name);
  RenderPage("processes.html", View, Body);
}

void TWebInterface::RunPage(TWebRequest& Request, TWebResponse& Response, std::string& Body) {
  if (!FSettings.WebInterfaceAllowCmdExec) {
    Response.StatusCode = 403;
    return;
  }
  TTemplateView View;
  PreparePageView(View);
  const std::optional<std::string> Command = Parameter(Request, "command");
  std::string Message = ResStr(sinvalidqueryparameters);
  if (Command)
    Message = ResStr(RunCommand(*Command) ? scommandexecutedsuccessfully : scommandfailedtoexecute);
  View.SetValue("Message", std::move(Message));
  View.SetValue("BackToHome", ResStr(sbacktohome));
  RenderPage("message.html", View, Body);
}

void TWebInterface::KillPage(TWebRequest& Request, TWebResponse& Response, std::string& Body) {
  if (!FSettings.WebInterfaceAllowCmdExec) {
    Response.StatusCode = 403;
    return;
  }
  TTemplateView View;
  PreparePageView(View);
  const std::optional<std::string> ExeName = Parameter(Request, "process");
  std::string Message = ResStr(sinvalidqueryparameters);
  if (ExeName) {
    const int Killed = KillProcesses(*ExeName);
    Message =
        Killed > 0 ? Format(ResStr(skillednumprocesses), {Killed}) : ResStr(snomatchingprocesses);
  }
  View.SetValue("Message", std::move(Message));
  View.SetValue("BackToHome", ResStr(sbacktohome));
  RenderPage("message.html", View, Body);
}

void TWebInterface::ScreenshotPage(const std::string& Path, TWebResponse& Response,
                                   std::string& Body) {
  if (!FServices.ScreenCapture || !FServices.ImageEncoder || !FServices.SystemVersion)
    throw EScreenshot(ResStr(uscreenshot::scapturefailed));
  const TScreenshotPorts Ports{*FServices.ScreenCapture, *FServices.ImageEncoder,
                               *FServices.SystemVersion};
  const std::size_t Dot = Path.rfind('.');
  const std::string Extension =
      Dot == std::string::npos ? std::string() : LowerCaseAscii(std::string_view(Path).substr(Dot));
  Response.Charset.clear();
  if (Extension == ".jpg" || Extension == ".jpeg") {
    Response.ContentType = "image/jpeg";
    Body = WriteScreenshotJpeg(Ports, kJpegQuality);
  } else {
    Response.ContentType = "image/png";
    Body = WriteScreenshotPng(Ports);
  }
}

void TWebInterface::FaviconPage(TWebResponse& Response, std::string& Body) {
  Response.ContentType = "image/x-icon";
  Response.Charset.clear();
  Body.assign(ApplicationIconFile());
}

bool TWebInterface::RunCommand(const std::string& CommandLine) {
  if (!FServices.Processes)
    return false;
  try {
    (void)StartCommandLine(*FServices.Processes, CommandLine, {}, false);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

int TWebInterface::KillProcesses(const std::string& ExeName) {
  return FServices.Processes ? KillProcessesByName(*FServices.Processes, ExeName) : 0;
}
