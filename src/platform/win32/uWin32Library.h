#pragma once

#include "platform/win32/uWin32Handles.h"

// A system library loaded by name for the life of the object, for functions that older systems
// lack: a missing library or function gives a null function instead of a failed start.
class TDynamicLibrary {
 public:
  explicit TDynamicLibrary(const wchar_t* Name) : FModule(LoadLibraryW(Name)) {}

  template <typename TFunction>
  TFunction Function(const char* Name) const {
    if (!FModule)
      return nullptr;
    // Through void (*)() because GCC accepts that one cast between unrelated function types.
    return reinterpret_cast<TFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(FModule.get(), Name)));
  }

 private:
  TModuleHandle FModule;
};
