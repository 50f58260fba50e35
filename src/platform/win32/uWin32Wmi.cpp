#include "platform/win32/uWin32Wmi.h"

#include <cstdio>

#include "core/uFormat.h"
#include "events/uSamplerStrings.h"
#include "platform/win32/uWin32Com.h"
#include "platform/win32/uWin32SystemError.h"
#include "platform/win32/uWin32Text.h"

#include <oleauto.h>
#include <wbemidl.h>

namespace {

constexpr long kForwardOnly = WBEM_FLAG_FORWARD_ONLY;  // 32
static_assert(kForwardOnly == 32);

[[noreturn]] void Raise(const char* Call, HRESULT Result) {
  char Code[16];
  std::snprintf(Code, sizeof Code, "0x%08lX", static_cast<unsigned long>(Result));
  // WMI's own codes have no system text; the code alone then says what failed.
  const std::string Text = Win32ErrorMessage(static_cast<DWORD>(Result));
  std::string Reason = Code;
  if (Text != "Windows error " + std::to_string(static_cast<DWORD>(Result))) {
    Reason += ' ';
    Reason += Text;
  }
  throw EWmiError(Format(ResStr(uwmi::swmicallfailed), {Call, Reason}));
}

void Check(const char* Call, HRESULT Result) {
  if (FAILED(Result))
    Raise(Call, Result);
}

class TBstr {
 public:
  explicit TBstr(std::string_view Text) : FValue(SysAllocString(Utf8ToWide(Text).c_str())) {}
  ~TBstr() { SysFreeString(FValue); }
  TBstr(const TBstr&) = delete;
  TBstr& operator=(const TBstr&) = delete;
  BSTR Get() const { return FValue; }

 private:
  BSTR FValue;
};

class TVariant {
 public:
  TVariant() { VariantInit(&FValue); }
  ~TVariant() { VariantClear(&FValue); }
  TVariant(const TVariant&) = delete;
  TVariant& operator=(const TVariant&) = delete;
  VARIANT* Pointer() { return &FValue; }
  const VARIANT& Get() const { return FValue; }

 private:
  VARIANT FValue;
};

// Numbers are rendered without the user's separators, so that they read back as numbers.
std::optional<std::string> PropertyText(IWbemClassObject& Object, const std::string& Name) {
  TVariant Value;
  Check("IWbemClassObject.Get",
        Object.Get(Utf8ToWide(Name).c_str(), 0, Value.Pointer(), nullptr, nullptr));
  if (Value.Get().vt == VT_NULL || Value.Get().vt == VT_EMPTY)
    return std::nullopt;
  TVariant Text;
  Check("VariantChangeTypeEx",
        VariantChangeTypeEx(Text.Pointer(), Value.Pointer(), LOCALE_INVARIANT, 0, VT_BSTR));
  const BSTR String = Text.Get().bstrVal;
  return WideToUtf8(std::wstring_view(String, SysStringLen(String)));
}

class TWin32WmiServices : public TWmiServices {
 public:
  TWin32WmiServices(std::string_view Server, std::string_view Namespace) {
    TComPtr<IWbemLocator> Locator;
    Check("CoCreateInstance(WbemLocator)",
          CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                           Locator.ReceiveVoid()));
    std::string Path = "\\\\";
    Path += Server;
    Path += '\\';
    Path += Namespace;
    const TBstr PathText(Path);
    Check("IWbemLocator.ConnectServer",
          Locator->ConnectServer(PathText.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                 FServices.Receive()));
    // Impersonation, as the scripting locator sets it; the provider needs it to answer.
    (void)CoSetProxyBlanket(FServices.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                            RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                            EOAC_NONE);
  }

  std::vector<TWmiRow> ExecQuery(std::string_view Wql, const std::vector<std::string>& Properties,
                                 std::size_t MaxRows) override {
    const TBstr Language("WQL");
    const TBstr Query(Wql);
    TComPtr<IEnumWbemClassObject> Enumerator;
    Check("IWbemServices.ExecQuery", FServices->ExecQuery(Language.Get(), Query.Get(), kForwardOnly,
                                                          nullptr, Enumerator.Receive()));
    std::vector<TWmiRow> Rows;
    while (Rows.size() < MaxRows) {
      TComPtr<IWbemClassObject> Object;
      ULONG Returned = 0;
      const HRESULT Result =
          Enumerator->Next(static_cast<long>(WBEM_INFINITE), 1, Object.Receive(), &Returned);
      Check("IEnumWbemClassObject.Next", Result);
      if (Returned == 0 || !Object)
        break;
      TWmiRow Row;
      for (const std::string& Property : Properties)
        Row.push_back(PropertyText(*Object.Get(), Property));
      Rows.push_back(std::move(Row));
    }
    return Rows;
  }

 private:
  // Declared first, so that COM is still initialised when the interfaces are released.
  TComInitialization FCom;
  TComPtr<IWbemServices> FServices;
};

}  // namespace

std::unique_ptr<TWmiServices> TWin32WmiLocator::ConnectServer(std::string_view Server,
                                                              std::string_view Namespace) {
  return std::make_unique<TWin32WmiServices>(Server, Namespace);
}
