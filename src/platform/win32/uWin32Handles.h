#pragma once

#include <memory>
#include <type_traits>

#include "platform/win32/uWindows.h"

// Owners for Windows handles: move-only, closed exactly once.
template <typename THandleType, auto Close>
struct TWin32HandleDeleter {
  using pointer = THandleType;
  void operator()(THandleType Handle) const noexcept {
    if (Handle)
      Close(Handle);
  }
};

using TWindowHandle =
    std::unique_ptr<std::remove_pointer_t<HWND>, TWin32HandleDeleter<HWND, ::DestroyWindow>>;
using TKernelHandle = std::unique_ptr<void, TWin32HandleDeleter<HANDLE, ::CloseHandle>>;
using TModuleHandle =
    std::unique_ptr<std::remove_pointer_t<HMODULE>, TWin32HandleDeleter<HMODULE, ::FreeLibrary>>;
inline BOOL DeleteFontHandle(HFONT Font) {
  return DeleteObject(Font);
}
using TFontHandle =
    std::unique_ptr<std::remove_pointer_t<HFONT>, TWin32HandleDeleter<HFONT, DeleteFontHandle>>;
inline BOOL DeleteBitmapHandle(HBITMAP Bitmap) {
  return DeleteObject(Bitmap);
}
using TBitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>,
                                      TWin32HandleDeleter<HBITMAP, DeleteBitmapHandle>>;
using TIconHandle =
    std::unique_ptr<std::remove_pointer_t<HICON>, TWin32HandleDeleter<HICON, ::DestroyIcon>>;
using TMenuHandle =
    std::unique_ptr<std::remove_pointer_t<HMENU>, TWin32HandleDeleter<HMENU, ::DestroyMenu>>;
using TAcceleratorHandle = std::unique_ptr<std::remove_pointer_t<HACCEL>,
                                           TWin32HandleDeleter<HACCEL, ::DestroyAcceleratorTable>>;
using TRegistryKeyHandle =
    std::unique_ptr<std::remove_pointer_t<HKEY>, TWin32HandleDeleter<HKEY, ::RegCloseKey>>;

// A registered window class, unregistered when the owner goes. A class that another owner in
// this process registered already is used as it is and left to that owner.
class TWindowClass {
 public:
  TWindowClass(const WNDCLASSEXW& Class);
  ~TWindowClass();
  TWindowClass(const TWindowClass&) = delete;
  TWindowClass& operator=(const TWindowClass&) = delete;
  bool Valid() const { return FValid; }
  const wchar_t* Name() const { return FName; }

 private:
  const wchar_t* FName;
  HINSTANCE FInstance;
  bool FOwned = false;
  bool FValid = false;
};
