#pragma once

#include <utility>

#include "platform/win32/uWindows.h"

#include <objbase.h>

// COM for the calling thread while the object lives. A thread that runs COM already keeps its
// own setting; only a successful initialisation here is undone here.
class TComInitialization {
 public:
  TComInitialization() : FResult(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~TComInitialization() {
    if (SUCCEEDED(FResult))
      CoUninitialize();
  }
  TComInitialization(const TComInitialization&) = delete;
  TComInitialization& operator=(const TComInitialization&) = delete;

 private:
  HRESULT FResult;
};

// Owns one reference to a COM interface.
template <typename TInterface>
class TComPtr {
 public:
  TComPtr() = default;
  ~TComPtr() { Reset(); }
  TComPtr(TComPtr&& Other) noexcept : FPointer(std::exchange(Other.FPointer, nullptr)) {}
  TComPtr& operator=(TComPtr&& Other) noexcept {
    if (this != &Other) {
      Reset();
      FPointer = std::exchange(Other.FPointer, nullptr);
    }
    return *this;
  }
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;

  TInterface* operator->() const { return FPointer; }
  TInterface* Get() const { return FPointer; }
  explicit operator bool() const { return FPointer != nullptr; }
  // For functions that hand out a new reference.
  TInterface** Receive() {
    Reset();
    return &FPointer;
  }
  void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
  void Reset() {
    if (FPointer)
      FPointer->Release();
    FPointer = nullptr;
  }

 private:
  TInterface* FPointer = nullptr;
};
