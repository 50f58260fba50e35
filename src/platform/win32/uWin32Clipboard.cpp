#include "platform/win32/uWin32Clipboard.h"

#include <cstring>

bool SetClipboardText(HWND Owner, const std::wstring& Text) {
  if (!OpenClipboard(Owner))
    return false;
  bool Taken = false;
  EmptyClipboard();
  const std::size_t Bytes = (Text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL Memory = GlobalAlloc(GMEM_MOVEABLE, Bytes)) {
    if (void* Target = GlobalLock(Memory)) {
      std::memcpy(Target, Text.c_str(), Bytes);
      GlobalUnlock(Memory);
      // Once the clipboard took the memory it is the clipboard's.
      Taken = SetClipboardData(CF_UNICODETEXT, Memory) != nullptr;
    }
    if (!Taken)
      GlobalFree(Memory);
  }
  CloseClipboard();
  return Taken;
}
