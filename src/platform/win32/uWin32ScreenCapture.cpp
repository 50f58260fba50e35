#include "platform/win32/uWin32ScreenCapture.h"

#include <cstring>
#include <memory>
#include <type_traits>

#include "platform/win32/uWin32Handles.h"

namespace {

// The screen's device context, released in every case.
class TScreenContext {
 public:
  TScreenContext() : FContext(GetDC(nullptr)) {}
  ~TScreenContext() {
    if (FContext)
      ReleaseDC(nullptr, FContext);
  }
  TScreenContext(const TScreenContext&) = delete;
  TScreenContext& operator=(const TScreenContext&) = delete;
  HDC Get() const { return FContext; }

 private:
  HDC FContext;
};

using TMemoryContext =
    std::unique_ptr<std::remove_pointer_t<HDC>, TWin32HandleDeleter<HDC, ::DeleteDC>>;
// Puts a bitmap into a memory context and takes it out again, so the bitmap can be freed.
class TSelection {
 public:
  TSelection(HDC Context, HGDIOBJ Object)
      : FContext(Context), FPrevious(SelectObject(Context, Object)) {}
  ~TSelection() {
    if (FPrevious)
      SelectObject(FContext, FPrevious);
  }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;
  bool Valid() const { return FPrevious != nullptr; }

 private:
  HDC FContext;
  HGDIOBJ FPrevious;
};

}  // namespace

std::optional<TRawImage> TWin32ScreenCapture::CaptureScreen(std::uint32_t RasterOperation) {
  TScreenContext Screen;
  if (!Screen.Get())
    return std::nullopt;
  // The clip box of the screen is the whole desktop, which starts left of or above 0, 0 when
  // a monitor sits there.
  RECT Box{};
  if (GetClipBox(Screen.Get(), &Box) == ERROR)
    return std::nullopt;
  const int Width = Box.right - Box.left;
  const int Height = Box.bottom - Box.top;
  if (Width <= 0 || Height <= 0)
    return std::nullopt;

  TMemoryContext Memory(CreateCompatibleDC(Screen.Get()));
  if (!Memory)
    return std::nullopt;
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof Info.bmiHeader;
  Info.bmiHeader.biWidth = Width;
  Info.bmiHeader.biHeight = -Height;  // rows from the top
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  TBitmapHandle Bitmap(CreateDIBSection(Screen.Get(), &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
  if (!Bitmap || !Bits)
    return std::nullopt;
  {
    TSelection Selected(Memory.get(), Bitmap.get());
    if (!Selected.Valid() || !BitBlt(Memory.get(), 0, 0, Width, Height, Screen.Get(), Box.left,
                                     Box.top, RasterOperation))
      return std::nullopt;
  }
  GdiFlush();

  TRawImage Image;
  Image.Width = Width;
  Image.Height = Height;
  Image.Pixels.resize(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height) * 4);
  std::memcpy(Image.Pixels.data(), Bits, Image.Pixels.size());
  return Image;
}
