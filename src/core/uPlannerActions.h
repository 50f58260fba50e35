#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/uKoCreateKey.h"
#include "core/uKoServices.h"
#include "core/uQueryStr.h"

enum TKoActionStatus : std::uint8_t {
  kasNone = 0,      // not run yet, or reset
  kasStarted = 1,   // running
  kasFinished = 2,  // ran and succeeded
  kasError = 3,     // ran and failed
};

// What the planner does after an action.
enum TKoActionOutcome : std::uint8_t {
  kaoContinue = 0,
  kaoStop = 1,
  kaoRestartEvents = 2,
  kaoCloseApplication = 3,
  kaoRunPreset = 4,
};

// A thing the planner does. Kinds derive from this class, inherit its constructor and are made
// only by Create<Kind>():
//   class TKoActionShutdown : public TKoActionObject { using TKoActionObject::TKoActionObject; ...
//   };
class TKoActionObject {
 public:
  using TFactory = std::unique_ptr<TKoActionObject> (*)(const TKoServices&);

  explicit TKoActionObject(const TKoCreateKey& Key) : FServices(Key.Services()) {}
  virtual ~TKoActionObject() = default;
  TKoActionObject(const TKoActionObject&) = delete;
  TKoActionObject& operator=(const TKoActionObject&) = delete;

  // Constructs, then runs InitIdentity and SetDefaults.
  template <typename TKind>
  static std::unique_ptr<TKind> Create(const TKoServices& Services);

  virtual void SaveConfig(TQueryStr&) const {}
  virtual void LoadConfig(const TQueryStr&) {}
  virtual std::string GetDescription() const { return {}; }

  // The only way the program executes an action: failures, returned or raised, become the
  // status "Error" or "Error: <message>" and never escape.
  bool Run(TKoActionOutcome& Outcome);
  // The same for one-off execution, where no follow-up is wanted.
  bool Run();

  void ResetStatus() { SetStatus(kasNone, {}); }
  void SetStatus(TKoActionStatus Status, std::string Message);
  std::string GetStatusText() const;

  std::string GetConfigText() const;
  // Raises EQueryStr for a malformed text.
  void SetConfigText(std::string_view Text);
  std::unique_ptr<TKoActionObject> Clone(bool CopyConfig) const;

  TKoActionStatus Status() const { return FStatus; }
  const std::string& StatusMessage() const { return FStatusMessage; }
  const std::string& ID() const { return FID; }
  const std::string& Name() const { return FName; }
  // A terminal action must be the last of the list.
  bool Terminal() const { return FTerminal; }

 protected:
  // Performs the action on the calling (GUI) thread; true on success. Sets Outcome only when
  // the planner must do something other than go on. May raise instead of returning false.
  virtual bool Execute(TKoActionOutcome& Outcome) = 0;
  // Sets ID, Name and Terminal.
  virtual void InitIdentity() {}
  virtual void SetDefaults() {}

  const TKoServices& Services() const { return FServices; }

  std::string FID;
  std::string FName;
  bool FTerminal = false;

 private:
  TKoServices FServices;
  TFactory FFactory = nullptr;
  TKoActionStatus FStatus = kasNone;
  std::string FStatusMessage;
};

using TKoActions = std::vector<std::unique_ptr<TKoActionObject>>;

// Implemented by the action that runs another preset, so the planner can read which one.
class TKoPresetRunner {
 public:
  virtual std::string GetPresetName() const = 0;

 protected:
  ~TKoPresetRunner() = default;
};

template <typename TKind>
std::unique_ptr<TKind> TKoActionObject::Create(const TKoServices& Services) {
  static_assert(std::is_base_of_v<TKoActionObject, TKind>);
  auto Object = std::make_unique<TKind>(TKoCreateKey(Services));
  TKoActionObject& Base = *Object;
  Base.FFactory = [](const TKoServices& S) -> std::unique_ptr<TKoActionObject> {
    return Create<TKind>(S);
  };
  Base.InitIdentity();
  Base.SetDefaults();
  return Object;
}
