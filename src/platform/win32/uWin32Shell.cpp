#include "platform/win32/uWin32Shell.h"

#include <cstdio>

#include "platform/win32/uWin32Com.h"
#include "platform/win32/uWin32Text.h"

#include <oleauto.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

std::string HResultText(TWin32Shell& Shell, HRESULT Result) {
  std::string Text = Shell.SystemErrorText(static_cast<std::uint32_t>(Result));
  if (!Text.empty())
    return Text;
  char Buffer[32];
  std::snprintf(Buffer, sizeof Buffer, "0x%08lX", static_cast<unsigned long>(Result));
  return Buffer;
}

}  // namespace

std::intptr_t TWin32Shell::ShellExecuteOpen(const std::string& File) {
  TComInitialization Com;
  const std::wstring Target = Utf8ToWide(File);
  // The same as ShellExecuteW, but never with the shell's own error or "Open with" dialogs:
  // callers decide whether the user hears about a failure.
  SHELLEXECUTEINFOW Info{};
  Info.cbSize = sizeof Info;
  Info.fMask = SEE_MASK_FLAG_NO_UI;
  Info.lpVerb = L"open";
  Info.lpFile = Target.c_str();
  Info.nShow = SW_SHOWNORMAL;
  ShellExecuteExW(&Info);
  return reinterpret_cast<std::intptr_t>(Info.hInstApp);
}

std::string TWin32Shell::SystemErrorText(std::uint32_t Code) {
  wchar_t Buffer[1024] = {};
  const DWORD Length =
      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, Code, 0,
                     Buffer, static_cast<DWORD>(std::size(Buffer)), nullptr);
  std::wstring Text(Buffer, Length);
  while (!Text.empty() && (Text.back() == L'\r' || Text.back() == L'\n' || Text.back() == L' '))
    Text.pop_back();
  return WideToUtf8(Text);
}

std::optional<std::string> TWin32Shell::MinimizeAll() {
  TComInitialization Com;
  CLSID ShellApplication{};
  HRESULT Result = CLSIDFromProgID(L"Shell.Application", &ShellApplication);
  TComPtr<IDispatch> Application;
  if (SUCCEEDED(Result))
    Result = CoCreateInstance(ShellApplication, nullptr, CLSCTX_ALL, IID_IDispatch,
                              Application.ReceiveVoid());
  DISPID Method = 0;
  if (SUCCEEDED(Result)) {
    wchar_t Name[] = L"MinimizeAll";
    LPOLESTR Names[] = {Name};
    Result = Application->GetIDsOfNames(IID_NULL, Names, 1, LOCALE_USER_DEFAULT, &Method);
  }
  if (SUCCEEDED(Result)) {
    DISPPARAMS NoArguments{};
    Result = Application->Invoke(Method, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                 &NoArguments, nullptr, nullptr, nullptr);
  }
  if (FAILED(Result))
    return HResultText(*this, Result);
  return std::nullopt;
}

bool TWin32Shell::CreateShortcut(const TShortcutSpec& Shortcut) {
  TComInitialization Com;
  TComPtr<IShellLinkW> Link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              Link.ReceiveVoid())))
    return false;
  Link->SetPath(Utf8ToWide(Shortcut.Target).c_str());
  Link->SetDescription(Utf8ToWide(Shortcut.Description).c_str());
  Link->SetWorkingDirectory(Utf8ToWide(Shortcut.WorkingDirectory).c_str());
  Link->SetArguments(Utf8ToWide(Shortcut.Arguments).c_str());
  if (Shortcut.Icon)
    Link->SetIconLocation(Utf8ToWide(Shortcut.Icon->File).c_str(), Shortcut.Icon->Index);
  TComPtr<IPersistFile> File;
  if (FAILED(Link->QueryInterface(IID_IPersistFile, File.ReceiveVoid())))
    return false;
  return SUCCEEDED(File->Save(Utf8ToWide(Shortcut.LinkFile).c_str(), TRUE));
}
