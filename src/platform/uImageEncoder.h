#pragma once

#include <optional>
#include <string>

#include "platform/uScreenCapture.h"

// Turns raw pixels into image files. Stateless, so any thread may encode.
class TImageEncoder {
 public:
  virtual ~TImageEncoder() = default;
  // The bytes of a JPEG file at a quality from 0 to 100; none when it cannot be encoded.
  virtual std::optional<std::string> EncodeJpeg(const TRawImage& Image, int Quality) = 0;
  // The bytes of a PNG file; none when it cannot be encoded.
  virtual std::optional<std::string> EncodePng(const TRawImage& Image) = 0;
};
