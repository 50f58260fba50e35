#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// A picture as raw pixels: rows from top to bottom, four bytes a pixel in the order blue,
// green, red and one unused byte, as a 32-bit device-independent bitmap holds them.
struct TRawImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;  // Width * Height * 4 bytes

  // Red, green and blue of one pixel as 0xRRGGBB.
  std::uint32_t PixelAt(int X, int Y) const {
    const std::size_t At = (static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width) +
                            static_cast<std::size_t>(X)) *
                           4;
    return std::uint32_t{Pixels[At + 2]} << 16 | std::uint32_t{Pixels[At + 1]} << 8 | Pixels[At];
  }
};

// What the screen shows. Stateless, so any thread may capture.
class TScreenCapture {
 public:
  virtual ~TScreenCapture() = default;
  // Copies the screen's clip box (the whole desktop) with the raster operation; none when the
  // screen cannot be read.
  virtual std::optional<TRawImage> CaptureScreen(std::uint32_t RasterOperation) = 0;
};
