#pragma once

#include <string>

#include "core/uKoException.h"

// Every error of the template engine: parse errors while templates load, render errors while a
// page is built.
class ETemplateError : public EKoException {
 public:
  using EKoException::EKoException;
};
