#include "events/uInputActivity.h"

#include <memory>

#include "core/uKoException.h"
#include "events/uInputActivityStrings.h"

namespace {

// Low-level hooks are installed once per process, so their owner is too.
TInputActivityMonitor* CurrentMonitor = nullptr;
std::unique_ptr<TInputHook> KeyboardHook;
std::unique_ptr<TInputHook> MouseHook;

void ReportActivity(TInputHookKind Kind) {
  TInputActivityMonitor* Monitor = CurrentMonitor;
  if (Monitor && Monitor->OnActivity)
    Monitor->OnActivity(*Monitor, Kind);
}

void InstallHook(TUserInput* Input, std::unique_ptr<TInputHook>& Slot, TInputHookKind Kind) {
  if (Slot || !Input)
    return;
  Slot = Input->InstallHook(Kind, [Kind] { ReportActivity(Kind); });
}

}  // namespace

TInputActivityMonitor::TInputActivityMonitor(TUserInput* Input) : FInput(Input) {}

TInputActivityMonitor::~TInputActivityMonitor() {
  // Only the current monitor can be active, so this never raises.
  if (FActive)
    SetActive(false);
}

void TInputActivityMonitor::SetActive(bool Value) {
  if (Value == FActive)
    return;
  if (Value) {
    if (CurrentMonitor && CurrentMonitor != this)
      throw EKoException(ResStr(uinputactivity::sanotherinputmonitorisactive));
    CurrentMonitor = this;
    InstallHook(FInput, KeyboardHook, TInputHookKind::Keyboard);
    InstallHook(FInput, MouseHook, TInputHookKind::Mouse);
  } else {
    if (CurrentMonitor != this)
      throw EKoException(ResStr(uinputactivity::sanotherinputmonitorisactive));
    KeyboardHook.reset();
    MouseHook.reset();
    CurrentMonitor = nullptr;
  }
  FActive = Value;
}
