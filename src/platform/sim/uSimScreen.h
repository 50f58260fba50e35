#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/uImageEncoder.h"
#include "platform/uScreenCapture.h"

// The simulated screen and encoder: the screen is a small scripted picture, and "encoding" writes
// a short text that names the format, quality and size, so a test can read what a file holds.
class TSimScreen : public TScreenCapture, public TImageEncoder {
 public:
  TSimScreen();

  std::optional<TRawImage> CaptureScreen(std::uint32_t RasterOperation) override;
  std::optional<std::string> EncodeJpeg(const TRawImage& Image, int Quality) override;
  std::optional<std::string> EncodePng(const TRawImage& Image) override;

  std::optional<TRawImage> Screen;  // none: the screen cannot be read
  bool EncoderWorks = true;
  std::vector<std::string> Calls;  // "BitBlt 0x40CC0020", "JPEG 80"
};
