#pragma once

#include "platform/uIpHelper.h"
#include "platform/win32/uWin32Handles.h"

#include <iphlpapi.h>

// "iphlpapi.dll", loaded by name on first need; its three functions are bound by name too, and a
// missing one makes only its own query fail.
class TWin32IpHelper : public TIpHelper {
 public:
  bool Load() override;
  bool IsLoaded() const override { return FLibrary != nullptr; }
  std::optional<std::vector<TMibIfRow>> GetIfTable() override;
  std::optional<std::vector<TMibIpAddrRow>> GetIpAddrTable() override;
  std::optional<TMibIfRow> GetIfEntry(std::uint32_t Index) override;

 private:
  TModuleHandle FLibrary;
  decltype(&::GetIfTable) FGetIfTable = nullptr;
  decltype(&::GetIfEntry) FGetIfEntry = nullptr;
  decltype(&::GetIpAddrTable) FGetIpAddrTable = nullptr;
};
