#include "app/uKindList.h"

#include "core/uKindRegistry.h"
#include "events/uEventCountdown.h"
#include "events/uEventOnTime.h"
#include "events/uEventWeekly.h"

void RegisterKinds(TKoKindRegistry& Registry) {
  Registry.AddEventKind<TKoEventCountdown>();
  Registry.AddEventKind<TKoEventOnTime>();
  Registry.AddEventKind<TKoEventWeekly>();
}
