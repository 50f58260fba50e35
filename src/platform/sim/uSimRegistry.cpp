#include "platform/sim/uSimRegistry.h"

#include "core/uStringUtils.h"

TRegistryStatus TSimRegistry::ReadString(TRegistryRoot Root, const std::string& Key,
                                         const std::string& Name, std::string& Data) {
  if (!Keys.contains({Root, UpperCaseAscii(Key)}))
    return rsCannotOpenKey;
  auto It = Values.find({Root, UpperCaseAscii(Key), UpperCaseAscii(Name)});
  Data = It == Values.end() ? std::string() : It->second;
  return rsOK;
}

TRegistryStatus TSimRegistry::WriteString(TRegistryRoot Root, const std::string& Key,
                                          const std::string& Name, const std::string& Data) {
  if (ReadOnlyRoots.contains(Root))
    return Keys.contains({Root, UpperCaseAscii(Key)}) ? rsCannotOpenKey : rsCannotCreateKey;
  Keys.insert({Root, UpperCaseAscii(Key)});
  Values[{Root, UpperCaseAscii(Key), UpperCaseAscii(Name)}] = Data;
  return rsOK;
}

TRegistryStatus TSimRegistry::DeleteValue(TRegistryRoot Root, const std::string& Key,
                                          const std::string& Name) {
  if (!Keys.contains({Root, UpperCaseAscii(Key)}) || ReadOnlyRoots.contains(Root))
    return rsCannotOpenKey;
  return Values.erase({Root, UpperCaseAscii(Key), UpperCaseAscii(Name)}) ? rsOK : rsValueFailed;
}
