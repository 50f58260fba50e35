#include "app/uRegistryEx.h"

#include "app/uAppStrings.h"
#include "core/uFormat.h"

namespace {

std::string Relative(const std::string& Key) {
  return !Key.empty() && Key.front() == '\\' ? Key.substr(1) : Key;
}

std::string Absolute(const std::string& Key) {
  return !Key.empty() && Key.front() == '\\' ? Key : "\\" + Key;
}

}  // namespace

std::string TRegistryEx::ReadString(const std::string& Key, const std::string& Name) {
  std::string Data;
  if (auto Status = FRegistry.ReadString(FRoot, Relative(Key), Name, Data); Status != rsOK)
    Fail(Status, Key, Name);
  return Data;
}

void TRegistryEx::WriteString(const std::string& Key, const std::string& Name,
                              const std::string& Data) {
  if (auto Status = FRegistry.WriteString(FRoot, Relative(Key), Name, Data); Status != rsOK)
    Fail(Status, Key, Name);
}

void TRegistryEx::DeleteValue(const std::string& Key, const std::string& Name) {
  if (auto Status = FRegistry.DeleteValue(FRoot, Relative(Key), Name); Status != rsOK)
    Fail(Status, Key, Name);
}

void TRegistryEx::Fail(TRegistryStatus Status, const std::string& Key, const std::string& Name) {
  switch (Status) {
    case rsCannotCreateKey:
      throw ERegistryException(Format(ResStr(uregistryex::sfailedtocreatekey), {Absolute(Key)}));
    case rsValueFailed:
      throw ERegistryException(
          Format(ResStr(uregistryex::sfailedtodeletevalue), {Name, Absolute(Key)}));
    case rsCannotOpenKey:
    case rsOK:
      break;
  }
  throw ERegistryException(Format(ResStr(uregistryex::sfailedtoopenkey), {Absolute(Key)}));
}
