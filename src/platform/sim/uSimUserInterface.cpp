#include "platform/sim/uSimUserInterface.h"

TDialogResult TSimUserInterface::MessageDialog(const std::string& Caption, const std::string& Text,
                                               TDialogKind Kind, TDialogButtons Buttons) {
  Shown.push_back({Caption, Text, Kind, Buttons});
  if (!FAnswers.empty()) {
    TDialogResult Result = FAnswers.front();
    FAnswers.pop_front();
    return Result;
  }
  if (Buttons == TDialogButtons::dbRetryCancel)
    return TDialogResult::drRetry;
  return Buttons == TDialogButtons::dbYesNo || Buttons == TDialogButtons::dbYesNoCancel
             ? TDialogResult::drYes
             : TDialogResult::drOK;
}
