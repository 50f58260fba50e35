#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/uKoCreateKey.h"
#include "core/uKoServices.h"
#include "core/uQueryStr.h"
#include "core/uTimer.h"

// A condition the planner watches. Each kind fills in the operations below; the planner drives
// events only through Start, Stop and the OnTriggeredChange notification.
//
// Kinds derive from this class, inherit its constructor and are made only by Create<Kind>():
//   class TKoEventCountdown : public TKoEventObject { using TKoEventObject::TKoEventObject; ... };
class TKoEventObject {
 public:
  using TFactory = std::unique_ptr<TKoEventObject> (*)(const TKoServices&);

  explicit TKoEventObject(const TKoCreateKey& Key);
  virtual ~TKoEventObject() = default;
  TKoEventObject(const TKoEventObject&) = delete;
  TKoEventObject& operator=(const TKoEventObject&) = delete;

  // Constructs, then runs InitIdentity and SetDefaults.
  template <typename TKind>
  static std::unique_ptr<TKind> Create(const TKoServices& Services);

  // The settings as key/value pairs; a missing key leaves the reader's default.
  virtual void SaveConfig(TQueryStr& Config) const = 0;
  virtual void LoadConfig(const TQueryStr& Config) = 0;
  // One line on the live state while monitoring; may be empty.
  virtual std::string GetStatusText() const = 0;
  // One line summarising the settings.
  virtual std::string GetDescription() const { return {}; }

  // Triggered := false, Active := true, then DoStart (no notification for the reset).
  void Start();
  // DoStop, disable the timer, Active := false; Triggered keeps its value.
  void Stop();
  // Notifies OnTriggeredChange only when the verdict changes.
  void SetTriggered(bool Value);

  std::string GetConfigText() const;
  // Raises EQueryStr for a malformed text.
  void SetConfigText(std::string_view Text);

  // A new object of the same kind, with this object's settings when CopyConfig is set; not
  // started and without OnTriggeredChange.
  std::unique_ptr<TKoEventObject> Clone(bool CopyConfig) const;

  const std::string& ID() const { return FID; }
  const std::string& Name() const { return FName; }
  bool Active() const { return FActive; }
  bool Triggered() const { return FTriggered; }
  TTimerEx& Timer() { return FTimer; }
  const TTimerEx& Timer() const { return FTimer; }

  std::function<void(TKoEventObject& Sender)> OnTriggeredChange;

 protected:
  // Handler of the event's own timer.
  virtual void TimerTick() {}
  // Sets ID and Name and makes what the kind needs for its whole life (released by the kind's
  // destructor).
  virtual void InitIdentity() {}
  // Kind-specific start: typically set the timer's interval, enable it, take a first reading.
  // Raises when the kind cannot start.
  virtual void DoStart() {}
  virtual void DoStop() {}
  virtual void SetDefaults() {}

  const TKoServices& Services() const { return FServices; }

  std::string FID;
  std::string FName;

 private:
  TKoServices FServices;
  TFactory FFactory = nullptr;
  TTimerEx FTimer;
  bool FActive = false;
  bool FTriggered = false;
};

using TKoEvents = std::vector<std::unique_ptr<TKoEventObject>>;

template <typename TKind>
std::unique_ptr<TKind> TKoEventObject::Create(const TKoServices& Services) {
  static_assert(std::is_base_of_v<TKoEventObject, TKind>);
  auto Object = std::make_unique<TKind>(TKoCreateKey(Services));
  TKoEventObject& Base = *Object;
  Base.FFactory = [](const TKoServices& S) -> std::unique_ptr<TKoEventObject> {
    return Create<TKind>(S);
  };
  Base.InitIdentity();
  Base.SetDefaults();
  return Object;
}
