#include "app/uPasswordFormModel.h"

#include "app/uProtectionStrings.h"

TPasswordFormModel::TPasswordFormModel(std::string ApplicationTitle)
    : FApplicationTitle(std::move(ApplicationTitle)) {}

std::string TPasswordFormModel::Caption() const {
  return FApplicationTitle + " - " + ResStr(tform_password::caption);
}

std::string TPasswordFormModel::EnterPasswordLabel() const {
  return ResStr(tform_password::label_enterpassword);
}

std::string TPasswordFormModel::OKCaption() const {
  return ResStr(tform_password::button_ok);
}

std::string TPasswordFormModel::CancelCaption() const {
  return ResStr(tform_password::button_cancel);
}

void TPasswordFormModel::OKPressed(std::string Typed) {
  FAccepted = true;
  FPassword = std::move(Typed);
}

void TPasswordFormModel::CancelPressed() {
  FAccepted = false;
  FPassword.clear();
}
