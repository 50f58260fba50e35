#include "platform/win32/uWin32PerformanceData.h"

#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32Text.h"

namespace {

constexpr std::size_t kInitialSize = 8192;
constexpr std::size_t kGrowth = 4096;
// The processor object of even a very large machine fits many times over; a system that keeps
// asking for more than this is not answering.
constexpr std::size_t kLargestBlock = 64 * 1024 * 1024;

std::optional<std::uint32_t> ReadDWordValue(HKEY Key, std::string_view Name) {
  DWORD Value = 0;
  DWORD Size = sizeof Value;
  DWORD Type = 0;
  const std::wstring WideName = Utf8ToWide(Name);
  if (RegQueryValueExW(Key, WideName.c_str(), nullptr, &Type, reinterpret_cast<BYTE*>(&Value),
                       &Size) != ERROR_SUCCESS ||
      Size != sizeof Value)
    return std::nullopt;
  return Value;
}

class TWin32DynDataKey : public TDynDataKey {
 public:
  explicit TWin32DynDataKey(HKEY Key) : FKey(Key) {}
  std::optional<std::uint32_t> ReadDWord(std::string_view Name) override {
    return ReadDWordValue(FKey.get(), Name);
  }

 private:
  TRegistryKeyHandle FKey;
};

}  // namespace

TWin32PerformanceData::~TWin32PerformanceData() {
  if (FQueried)
    RegCloseKey(HKEY_PERFORMANCE_DATA);
}

bool TWin32PerformanceData::QueryPerformanceData(std::string_view ValueName,
                                                 std::vector<std::uint8_t>& Buffer) {
  const std::wstring Name = Utf8ToWide(ValueName);
  // The room of earlier queries is used again before asking for more.
  Buffer.resize(std::max(Buffer.capacity(), kInitialSize));
  FQueried = true;
  for (;;) {
    DWORD Size = static_cast<DWORD>(Buffer.size());
    DWORD Type = 0;
    const LSTATUS Status =
        RegQueryValueExW(HKEY_PERFORMANCE_DATA, Name.c_str(), nullptr, &Type, Buffer.data(), &Size);
    if (Status == ERROR_MORE_DATA && Buffer.size() + kGrowth <= kLargestBlock) {
      // The size the system reports for performance data means nothing; grow and ask again.
      Buffer.resize(Buffer.size() + kGrowth);
      continue;
    }
    if (Status != ERROR_SUCCESS || Size > Buffer.size()) {
      Buffer.clear();
      return false;
    }
    Buffer.resize(Size);
    return true;
  }
}

bool TWin32PerformanceData::TouchDynData(std::string_view Key, std::string_view Name) {
  HKEY Raw = nullptr;
  if (RegOpenKeyExW(HKEY_DYN_DATA, Utf8ToWide(Key).c_str(), 0, KEY_ALL_ACCESS, &Raw) !=
      ERROR_SUCCESS)
    return false;
  TRegistryKeyHandle Opened(Raw);
  (void)ReadDWordValue(Opened.get(), Name);
  return true;
}

std::unique_ptr<TDynDataKey> TWin32PerformanceData::OpenDynData(std::string_view Key) {
  HKEY Raw = nullptr;
  if (RegOpenKeyExW(HKEY_DYN_DATA, Utf8ToWide(Key).c_str(), 0, KEY_READ, &Raw) != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<TWin32DynDataKey>(Raw);
}
