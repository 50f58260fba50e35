#pragma once

#include <cstdint>
#include <string>

#include "core/uKoException.h"
#include "platform/uImageEncoder.h"
#include "platform/uScreenCapture.h"
#include "platform/uSystemVersion.h"

class EScreenshot : public EKoException {
 public:
  using EKoException::EKoException;
};

// What taking a screenshot needs of the machine. The ports keep no state, so the web
// interface's serving thread may use them as the GUI thread does.
struct TScreenshotPorts {
  TScreenCapture& Capture;
  TImageEncoder& Encoder;
  const TSystemVersion& Version;
};

// The whole desktop as raw pixels, layered windows included where the system can copy them.
// Raises EScreenshot when the screen cannot be read.
TRawImage CaptureScreen(const TScreenshotPorts& Ports);

// A new screenshot as the bytes of a PNG or JPEG file (quality 0 to 100). Raise EScreenshot.
std::string WriteScreenshotPng(const TScreenshotPorts& Ports);
std::string WriteScreenshotJpeg(const TScreenshotPorts& Ports, std::uint8_t Quality);

// A new screenshot saved as a JPEG file, replacing a file of that name. The folder must exist.
// Raises EKoException (EScreenshot, EFileSave) when it cannot be taken or written; a failed
// save leaves an existing file as it was.
void SaveScreenshotJpeg(const TScreenshotPorts& Ports, const std::string& FileName,
                        std::uint8_t Quality);
// The same; false instead of an exception.
bool TrySaveScreenshotJpeg(const TScreenshotPorts& Ports, const std::string& FileName,
                           std::uint8_t Quality);

// The first name Prefix + Counter + Suffix that no file or folder has yet, trying at most
// Attempts counters from Counter on; Counter is left one past the last one tried. Empty when
// every one is taken.
std::string FindFreeNumberedName(const std::string& Prefix, const std::string& Suffix,
                                 std::uint64_t Attempts, std::uint64_t& Counter);
