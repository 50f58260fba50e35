#include "actions/uPrivileges.h"

namespace {
constexpr std::uint32_t ERROR_SUCCESS_CODE = 0;
}

bool EnablePrivilege(TPowerSession& Power, const std::string& Name, bool Enable) {
  const TPrivilegeAdjustment Outcome = Power.AdjustTokenPrivilege(Name, Enable);
  // AdjustTokenPrivileges succeeds also when it could not assign the privilege; only the last
  // error (ERROR_NOT_ALL_ASSIGNED) tells.
  return Outcome.TokenOpened && Outcome.PrivilegeFound && Outcome.AdjustReturned &&
         Outcome.LastError == ERROR_SUCCESS_CODE;
}

bool EnableShutdownPrivilege(TPowerSession& Power) {
  return EnablePrivilege(Power, "SeShutdownPrivilege", true);
}
