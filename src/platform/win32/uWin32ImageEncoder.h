#pragma once

#include "platform/uImageEncoder.h"

// The Windows Imaging Component's JPEG and PNG encoders. Each call sets COM up for the calling
// thread itself.
class TWin32ImageEncoder : public TImageEncoder {
 public:
  std::optional<std::string> EncodeJpeg(const TRawImage& Image, int Quality) override;
  std::optional<std::string> EncodePng(const TRawImage& Image) override;
};
