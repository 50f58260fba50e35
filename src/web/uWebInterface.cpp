#include "web/uWebInterface.h"

#include <exception>

#include "app/uPasswordDigest.h"
#include "core/uFilePaths.h"
#include "core/uStringUtils.h"
#include "platform/uUserInterface.h"
#include "web/uBasicCredentials.h"
#include "web/uWebInterfaceStrings.h"

TWebInterface::TWebInterface(TWebInterfaceSources Sources)
    : FServices(Sources.Services),
      FQuickActions(Sources.QuickActions),
      FListPresets(std::move(Sources.ListPresets)),
      FCommands(std::move(Sources.PostToMainWindow), FPostedTexts) {}

TWebInterface::~TWebInterface() {
  Stop();
}

std::uint16_t TWebInterface::Port() const {
  return FServer ? FServer->Port() : 0;
}

void TWebInterface::SetTemplatesLocation(std::string Folder, std::string Mask) {
  FTemplatesFolder = std::move(Folder);
  FTemplatesMask = std::move(Mask);
}

void TWebInterface::SetCertificateFiles(std::string KeyFile, std::string CertificateFile) {
  FKeyFile = std::move(KeyFile);
  FCertificateFile = std::move(CertificateFile);
}

void TWebInterface::LoadTemplates() {
  FTemplates.Clear();
  FTemplates.LoadFromFolder(FTemplatesFolder, FTemplatesMask);
}

bool TWebInterface::Start(const TSettings& Settings) {
  if (FActive)
    return true;
  LoadTemplates();
  FSettings = Settings;
  try {
    auto Server = std::make_unique<TWebServer>();
    Server->SetOnRequest([this](TWebRequest& Request, TWebResponse& Response) {
      return HandleWebRequest(Request, Response);
    });
    Server->ConfigureTLS(FKeyFile, FCertificateFile, Settings.WebInterfaceHTTPS);
    Server->Start(Settings.WebInterfacePort, Settings.WebInterfaceIP);
    FServer = std::move(Server);
  } catch (const std::exception& Error) {
    if (FServices.UserInterface)
      FServices.UserInterface->MessageDialog({}, Error.what(), dkWarning, dbOK);
    return false;
  }
  // Active before the thread runs, so its first step already serves.
  FThread = std::make_unique<TWebInterfaceThread>(static_cast<TWebInterfaceThreadOwner&>(*this));
  FActive = true;
  FThread->Start();
  return true;
}

void TWebInterface::Stop() {
  if (FThread) {
    FThread->Terminate();
    // The serving thread never waits for the GUI thread (it only posts), so a plain wait
    // cannot deadlock.
    FThread->WaitFor();
    FThread.reset();
  }
  FActive = false;
  if (FServer) {
    FServer->Stop(false);
    FServer.reset();
  }
}

bool TWebInterface::Restart(const TSettings& Settings) {
  if (FActive)
    Stop();
  return Start(Settings);
}

bool TWebInterface::ApplySettings(const TSettings& Settings) {
  if (!Settings.WebInterfaceEnabled) {
    Stop();
    return false;
  }
  return Restart(Settings);
}

void TWebInterface::ProcessEvents(int TimeoutMs) {
  if (FActive && FServer)
    FServer->ProcessEvents(TimeoutMs);
}

bool TWebInterface::Authorize(const std::string& UserName, const std::string& Password) const {
  const std::string& StoredUser = FSettings.WebInterfaceUsername;
  const std::string& StoredDigest = FSettings.WebInterfacePassword;
  if (StoredUser.empty() && StoredDigest.empty())
    return true;
  if (!SecretsEqual(UserName, StoredUser))
    return false;
  if (StoredDigest.empty())
    return Password.empty();
  std::string Digest;
  try {
    Digest = PasswordDigest(Password);
  } catch (const EPasswordDigest&) {
    return false;
  }
  // The digest is written in upper case; a stored one may be in either.
  return SecretsEqual(Digest, UpperCaseAscii(StoredDigest));
}

bool TWebInterface::HandleWebRequest(TWebRequest& Request, TWebResponse& Response) {
  if (!Authorize(Request.UserName, Request.Password)) {
    Response.StatusCode = 401;
    Response.Realm = WebInterfaceCaption();
    return true;
  }
  std::string Body;
  const std::string& Path = Request.Path;
  if (Path == "/screenshot.png" || Path == "/screenshot.jpg" || Path == "/screenshot.jpeg" ||
      Path == "/screenshot")
    ScreenshotPage(Path, Response, Body);
  else if (Path == "/run")
    RunPage(Request, Response, Body);
  else if (Path == "/processes")
    ProcessesPage(Body);
  else if (Path == "/preset")
    PresetPage(Request, Body);
  else if (Path == "/kill")
    KillPage(Request, Response, Body);
  else if (Path == "/info")
    InfoPage(Body);
  else if (Path == "/favicon.ico")
    FaviconPage(Response, Body);
  else if (Path == "/close")
    ClosePage(Body);
  else if (Path == "/action")
    ActionPage(Request, Body);
  else if (Path != "/")
    Response.StatusCode = 404;
  else
    HomePage(Body);
  Response.SetContent(std::move(Body));
  return true;
}

std::string WebInterfaceCaption() {
  return std::string(kApplicationTitle) + " " + ResStr(uwebinterface::swebinterface);
}

std::string WebInterfaceTemplatesFolder(std::string_view ProgramFolder) {
  return IncludeTrailingPathDelimiter(std::string(ProgramFolder)) + "WebInterface" + PathDelim +
         "Templates";
}

std::string WebInterfaceKeyFile(std::string_view ProgramFolder) {
  return IncludeTrailingPathDelimiter(std::string(ProgramFolder)) + "WebInterface" + PathDelim +
         "Certificates" + PathDelim + "domain.key";
}

std::string WebInterfaceCertificateFile(std::string_view ProgramFolder) {
  return IncludeTrailingPathDelimiter(std::string(ProgramFolder)) + "WebInterface" + PathDelim +
         "Certificates" + PathDelim + "domain.crt";
}
