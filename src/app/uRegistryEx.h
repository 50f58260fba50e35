#pragma once

#include <string>

#include "core/uKoException.h"
#include "platform/uRegistry.h"

class ERegistryException : public EKoException {
 public:
  using EKoException::EKoException;
};

// Registry string values with the program's error messages. Each call opens the key, does one
// thing and closes it; key paths appear in messages as absolute paths ("\SOFTWARE\...").
class TRegistryEx {
 public:
  explicit TRegistryEx(TRegistry& Registry, TRegistryRoot Root = rrCurrentUser)
      : FRegistry(Registry), FRoot(Root) {}

  void SetRootKey(TRegistryRoot Root) { FRoot = Root; }

  // A missing value reads as empty; a key that cannot be opened raises.
  std::string ReadString(const std::string& Key, const std::string& Name);
  // Creates the key when needed.
  void WriteString(const std::string& Key, const std::string& Name, const std::string& Data);
  void DeleteValue(const std::string& Key, const std::string& Name);

 private:
  [[noreturn]] void Fail(TRegistryStatus Status, const std::string& Key, const std::string& Name);

  TRegistry& FRegistry;
  TRegistryRoot FRoot;
};
