#include "core/uPlannerEvents.h"

#include "core/uConfigText.h"

TKoEventObject::TKoEventObject(const TKoCreateKey& Key)
    : FServices(Key.Services()), FTimer(Key.Services().EventLoop) {
  FTimer.SetInterval(1000);
  FTimer.SetEnabled(false);
  FTimer.SetOnTimer([this] { TimerTick(); });
}

void TKoEventObject::Start() {
  FTriggered = false;
  FActive = true;
  DoStart();
}

void TKoEventObject::Stop() {
  DoStop();
  FTimer.SetEnabled(false);
  FActive = false;
}

void TKoEventObject::SetTriggered(bool Value) {
  if (Value == FTriggered)
    return;
  FTriggered = Value;
  if (OnTriggeredChange)
    OnTriggeredChange(*this);
}

std::string TKoEventObject::GetConfigText() const { return SaveConfigText(*this); }

void TKoEventObject::SetConfigText(std::string_view Text) { LoadConfigText(*this, Text); }

std::unique_ptr<TKoEventObject> TKoEventObject::Clone(bool CopyConfig) const {
  auto Copy = FFactory(FServices);
  if (CopyConfig)
    Copy->SetConfigText(GetConfigText());
  return Copy;
}
