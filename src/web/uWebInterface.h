#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/uSettings.h"
#include "core/uKoServices.h"
#include "platform/uMessagePoster.h"
#include "web/uPostedTexts.h"
#include "web/uTemplates.h"
#include "web/uWebCommands.h"
#include "web/uWebInterfaceThread.h"
#include "web/uWebServer.h"

class TKoQuickActions;

// What the web interface reads and whom it asks. Everything here is used from the serving
// thread, so it must be safe there: the services' process, screen, encoder, version, CPU and
// system-information ports keep no state (the CPU sampler locks itself); the quick actions are
// only read; ListPresets only reads the presets folder; PostToMainWindow only posts.
struct TWebInterfaceSources {
  const TKoServices& Services;
  const TKoQuickActions& QuickActions;
  // The names of the saved presets, sorted (TPresets::ListPresets).
  std::function<std::vector<std::string>()> ListPresets;
  // Posts to the main window; see TMessagePoster.
  TMessagePoster PostToMainWindow;
};

// The web interface: a server, its serving thread and the page templates. A browser runs the
// quick actions, starts presets, reads system information, lists, starts and kills processes,
// takes a screenshot and closes the program.
//
// Start, Stop and the setters run on the GUI thread; pages run on the serving thread, one
// request at a time, and hand what only the GUI thread may do to the main window as posted
// messages (see uWebCommands.h), without waiting.
class TWebInterface : private TWebInterfaceThreadOwner {
 public:
  explicit TWebInterface(TWebInterfaceSources Sources);
  // Stops first.
  ~TWebInterface();
  TWebInterface(const TWebInterface&) = delete;
  TWebInterface& operator=(const TWebInterface&) = delete;

  bool Active() const { return FActive; }
  const TTemplates& Templates() const { return FTemplates; }
  // The port listened on (the chosen one when the settings say 0); 0 when stopped.
  std::uint16_t Port() const;
  // For the main window's TWebCommandDispatcher.
  const std::shared_ptr<TPostedTexts>& PostedTexts() const { return FPostedTexts; }

  // Folder (UTF-8) and mask of the template files; used by the next LoadTemplates.
  void SetTemplatesLocation(std::string Folder, std::string Mask);
  // The TLS key and certificate files (PEM); used by the next Start with HTTPS.
  void SetCertificateFiles(std::string KeyFile, std::string CertificateFile);
  // Replaces the templates with those of the folder. ETemplateError or a file-system error
  // when one of them cannot be read or parsed.
  void LoadTemplates();

  // Loads the templates and listens as the web interface's settings say. A template error
  // raises (nothing started); a server that cannot start is reported in a warning box and
  // leaves the interface stopped. True when listening. The settings are kept until Stop: the
  // options dialog stops or restarts the interface around its changes.
  bool Start(const TSettings& Settings);
  // Ends the serving thread, then closes the server.
  void Stop();
  bool Restart(const TSettings& Settings);
  // What start-up and the options dialog do with the settings: when "Enabled" is on, start, or
  // restart when already running so that a new address, port, TLS switch or credentials take
  // effect; otherwise stop. True when the interface runs afterwards. Raises like Start.
  bool ApplySettings(const TSettings& Settings);

  // Whether a request's Basic credentials match the stored user name and password digest.
  bool Authorize(const std::string& UserName, const std::string& Password) const;
  // The server's page callback: authorisation, then the page the path names.
  bool HandleWebRequest(TWebRequest& Request, TWebResponse& Response);

 private:
  void ProcessEvents(int TimeoutMs) override;

  // Pages (uWebInterfacePages.cpp). Each writes its body into Body.
  void HomePage(std::string& Body);
  void InfoPage(std::string& Body);
  void ActionPage(TWebRequest& Request, std::string& Body);
  void PresetPage(TWebRequest& Request, std::string& Body);
  void ClosePage(std::string& Body);
  void ProcessesPage(std::string& Body);
  void RunPage(TWebRequest& Request, TWebResponse& Response, std::string& Body);
  void KillPage(TWebRequest& Request, TWebResponse& Response, std::string& Body);
  void ScreenshotPage(const std::string& Path, TWebResponse& Response, std::string& Body);
  void FaviconPage(TWebResponse& Response, std::string& Body);
  // header.html, the page's template and footer.html rendered against View.
  void RenderPage(std::string_view TemplateName, TTemplateView& View, std::string& Body) const;

  // Runs a command line without waiting; false when it could not be started.
  bool RunCommand(const std::string& CommandLine);
  // Ends the processes of that executable name; how many ended.
  int KillProcesses(const std::string& ExeName);

  const TKoServices& FServices;
  const TKoQuickActions& FQuickActions;
  std::function<std::vector<std::string>()> FListPresets;
  std::shared_ptr<TPostedTexts> FPostedTexts = std::make_shared<TPostedTexts>();
  TWebCommandSender FCommands;

  // Written on the GUI thread only while the serving thread does not run.
  std::unique_ptr<TWebServer> FServer;
  std::unique_ptr<TWebInterfaceThread> FThread;
  TTemplates FTemplates;
  std::string FTemplatesFolder;
  std::string FTemplatesMask;
  std::string FKeyFile;
  std::string FCertificateFile;
  TSettings FSettings;
  std::atomic<bool> FActive{false};
};

inline constexpr std::string_view kApplicationTitle = "Kolvane";
// "Kolvane Web Interface": the pages' caption and the realm of the password prompt.
std::string WebInterfaceCaption();

// Where start-up puts the web interface's files, below the program's folder.
std::string WebInterfaceTemplatesFolder(std::string_view ProgramFolder);
inline constexpr std::string_view kWebInterfaceTemplatesMask = "*.html";
std::string WebInterfaceKeyFile(std::string_view ProgramFolder);
std::string WebInterfaceCertificateFile(std::string_view ProgramFolder);
