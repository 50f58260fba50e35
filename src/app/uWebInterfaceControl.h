#pragma once

struct TSettings;

// What the options dialog needs of the web interface: whether it runs, and starting it again
// or stopping it after the settings changed. The web interface takes its own copy of what it
// needs from the settings when it starts and never reads the caller's object afterwards, so the
// dialog may change the settings while the serving thread answers requests.
class TWebInterfaceControl {
 public:
  virtual ~TWebInterfaceControl() = default;
  // Listening with the settings it was last started with.
  virtual bool Active() const = 0;
  // Stops the interface when it runs, then starts it with Settings (address, port, HTTPS,
  // credentials, command-line permission). A failure to listen is reported to the user by the
  // web interface itself and leaves it stopped; other failures (templates that cannot be
  // loaded) are raised, leave it stopped too, and the dialog shows their message.
  virtual void Restart(const TSettings& Settings) = 0;
  // Stops it; nothing happens when it is not running.
  virtual void Stop() = 0;
};
