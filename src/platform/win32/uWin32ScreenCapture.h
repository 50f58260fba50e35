#pragma once

#include "platform/uScreenCapture.h"

// GetDC(0), GetClipBox and BitBlt into a 32-bit top-down DIB section.
class TWin32ScreenCapture : public TScreenCapture {
 public:
  std::optional<TRawImage> CaptureScreen(std::uint32_t RasterOperation) override;
};
