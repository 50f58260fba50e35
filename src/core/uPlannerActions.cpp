#include "core/uPlannerActions.h"

#include "core/uConfigText.h"

#include <exception>

#include "core/uFormat.h"
#include "core/uPlannerActionsStrings.h"

bool TKoActionObject::Run(TKoActionOutcome& Outcome) {
  SetStatus(kasStarted, {});
  try {
    bool Succeeded = Execute(Outcome);
    SetStatus(Succeeded ? kasFinished : kasError, {});
    return Succeeded;
  } catch (const std::exception& Error) {
    SetStatus(kasError, Error.what());
  } catch (...) {
    SetStatus(kasError, {});
  }
  return false;
}

bool TKoActionObject::Run() {
  TKoActionOutcome Ignored = kaoContinue;
  return Run(Ignored);
}

void TKoActionObject::SetStatus(TKoActionStatus Status, std::string Message) {
  FStatus = Status;
  FStatusMessage = std::move(Message);
}

std::string TKoActionObject::GetStatusText() const {
  switch (FStatus) {
    case kasStarted:
      return ResStr(uplanneractions::sactionstatusstarted);
    case kasFinished:
      return ResStr(uplanneractions::sactionstatusfinished);
    case kasError:
      if (FStatusMessage.empty())
        return ResStr(uplanneractions::sactionstatuserror);
      return Format(ResStr(uplanneractions::sactionstatuserrordetails), {FStatusMessage});
    case kasNone:
      break;
  }
  return {};
}

std::string TKoActionObject::GetConfigText() const { return SaveConfigText(*this); }

void TKoActionObject::SetConfigText(std::string_view Text) { LoadConfigText(*this, Text); }

std::unique_ptr<TKoActionObject> TKoActionObject::Clone(bool CopyConfig) const {
  auto Copy = FFactory(FServices);
  if (CopyConfig)
    Copy->SetConfigText(GetConfigText());
  return Copy;
}
