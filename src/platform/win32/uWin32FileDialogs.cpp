#include "platform/win32/uWin32FileDialogs.h"

#include "platform/win32/uWindows.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/uWin32Com.h"
#include "platform/win32/uWin32Text.h"

namespace {

// "Name|*.a;*.b|..." as the dialog wants it: pairs ended by zeros, the list by two.
std::wstring FilterList(const std::string& Filter) {
  std::wstring List = Utf8ToWide(Filter);
  for (wchar_t& Letter : List)
    if (Letter == L'|')
      Letter = L'\0';
  List.append(2, L'\0');
  return List;
}

std::optional<std::string> RunFileDialog(const TFileDialogOptions& Options, bool Save) {
  // Long enough for any path the shell hands out; the dialog reports longer ones as failure.
  std::vector<wchar_t> FileName(32768, L'\0');
  const std::wstring Initial = Utf8ToWide(Options.FileName);
  if (Initial.size() < FileName.size())
    std::copy(Initial.begin(), Initial.end(), FileName.begin());
  const std::wstring Filter = FilterList(Options.Filter);
  const std::wstring InitialDir = Utf8ToWide(Options.InitialDir);
  const std::wstring Title = Utf8ToWide(Options.Title);
  const std::wstring DefaultExt = Utf8ToWide(Options.DefaultExt);

  OPENFILENAMEW Dialog{};
  Dialog.lStructSize = sizeof Dialog;
  Dialog.hwndOwner = GetActiveWindow();
  Dialog.lpstrFilter = Options.Filter.empty() ? nullptr : Filter.c_str();
  Dialog.nFilterIndex = 1;
  Dialog.lpstrFile = FileName.data();
  Dialog.nMaxFile = static_cast<DWORD>(FileName.size());
  Dialog.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  Dialog.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  Dialog.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  Dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                 (Save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL Chosen = Save ? GetSaveFileNameW(&Dialog) : GetOpenFileNameW(&Dialog);
  if (!Chosen)
    return std::nullopt;
  return WideToUtf8(FileName.data());
}

int CALLBACK BrowseCallback(HWND Window, UINT Msg, LPARAM, LPARAM Data) noexcept {
  if (Msg == BFFM_INITIALIZED && Data)
    SendMessageW(Window, BFFM_SETSELECTIONW, TRUE, Data);
  return 0;
}

}  // namespace

std::optional<std::string> TWin32FileDialogs::OpenFile(const TFileDialogOptions& Options) {
  return RunFileDialog(Options, false);
}

std::optional<std::string> TWin32FileDialogs::SaveFile(const TFileDialogOptions& Options) {
  return RunFileDialog(Options, true);
}

std::optional<std::string> TWin32FileDialogs::SelectDirectory(const std::string& Title,
                                                              const std::string& InitialDir) {
  TComInitialization Com;  // the browser's new style needs COM on this thread
  const std::wstring WideTitle = Utf8ToWide(Title);
  const std::wstring Initial = Utf8ToWide(InitialDir);
  BROWSEINFOW Browse{};
  Browse.hwndOwner = GetActiveWindow();
  Browse.lpszTitle = WideTitle.empty() ? nullptr : WideTitle.c_str();
  Browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  Browse.lpfn = BrowseCallback;
  Browse.lParam = Initial.empty() ? 0 : reinterpret_cast<LPARAM>(Initial.c_str());
  PIDLIST_ABSOLUTE Item = SHBrowseForFolderW(&Browse);
  if (!Item)
    return std::nullopt;
  wchar_t Path[MAX_PATH] = {};
  const BOOL HasPath = SHGetPathFromIDListW(Item, Path);
  CoTaskMemFree(Item);
  if (!HasPath)
    return std::nullopt;
  return WideToUtf8(Path);
}
