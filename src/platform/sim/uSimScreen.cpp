#include "platform/sim/uSimScreen.h"

#include <cstdio>

namespace {

std::string SizeOf(const TRawImage& Image) {
  return std::to_string(Image.Width) + "x" + std::to_string(Image.Height);
}

}  // namespace

TSimScreen::TSimScreen() {
  TRawImage Image;
  Image.Width = 4;
  Image.Height = 3;
  Image.Pixels.assign(4 * 3 * 4, 0x80);
  Screen = Image;
}

std::optional<TRawImage> TSimScreen::CaptureScreen(std::uint32_t RasterOperation) {
  char Buffer[32];
  std::snprintf(Buffer, sizeof Buffer, "BitBlt 0x%08X", RasterOperation);
  Calls.push_back(Buffer);
  return Screen;
}

std::optional<std::string> TSimScreen::EncodeJpeg(const TRawImage& Image, int Quality) {
  Calls.push_back("JPEG " + std::to_string(Quality));
  if (!EncoderWorks)
    return std::nullopt;
  return "JPEG quality " + std::to_string(Quality) + " " + SizeOf(Image);
}

std::optional<std::string> TSimScreen::EncodePng(const TRawImage& Image) {
  Calls.push_back("PNG");
  if (!EncoderWorks)
    return std::nullopt;
  return "PNG " + SizeOf(Image);
}
