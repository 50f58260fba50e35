#include "actions/uScreenshot.h"

#include <filesystem>

#include "actions/uDisplayActionsStrings.h"
#include "core/uAtomicFile.h"
#include "core/uFilePaths.h"
#include "core/uFormat.h"

namespace {

constexpr std::uint32_t SRCCOPY_ROP = 0x00CC0020;
constexpr std::uint32_t CAPTUREBLT_ROP = 0x40000000;

bool NameTaken(const std::string& FileName) {
  std::error_code Error;
  return std::filesystem::exists(Utf8ToPath(FileName), Error);
}

std::string Encoded(std::optional<std::string> Bytes, const char* Kind) {
  if (!Bytes)
    throw EScreenshot(Format(ResStr(uscreenshot::sencodefailed), {Kind}));
  return std::move(*Bytes);
}

}  // namespace

TRawImage CaptureScreen(const TScreenshotPorts& Ports) {
  // Before Windows 2000 the system knows no CAPTUREBLT and would refuse the copy.
  const std::uint32_t Operation =
      Ports.Version.OsVersion().Major < 5 ? SRCCOPY_ROP : SRCCOPY_ROP | CAPTUREBLT_ROP;
  auto Image = Ports.Capture.CaptureScreen(Operation);
  if (!Image || Image->Width <= 0 || Image->Height <= 0)
    throw EScreenshot(ResStr(uscreenshot::scapturefailed));
  return std::move(*Image);
}

std::string WriteScreenshotPng(const TScreenshotPorts& Ports) {
  return Encoded(Ports.Encoder.EncodePng(CaptureScreen(Ports)), "PNG");
}

std::string WriteScreenshotJpeg(const TScreenshotPorts& Ports, std::uint8_t Quality) {
  return Encoded(Ports.Encoder.EncodeJpeg(CaptureScreen(Ports), Quality), "JPEG");
}

void SaveScreenshotJpeg(const TScreenshotPorts& Ports, const std::string& FileName,
                        std::uint8_t Quality) {
  const std::filesystem::path Target = Utf8ToPath(FileName);
  // The atomic save would create a missing folder; a screenshot goes only where the user's
  // folder is.
  const std::filesystem::path Folder = Target.parent_path();
  std::error_code Error;
  if (!Folder.empty() && !std::filesystem::is_directory(Folder, Error))
    throw EScreenshot(Format(ResStr(uscreenshot::sfoldermissing), {PathToUtf8(Folder)}));
  SaveFileAtomically(Target, WriteScreenshotJpeg(Ports, Quality));
}

bool TrySaveScreenshotJpeg(const TScreenshotPorts& Ports, const std::string& FileName,
                           std::uint8_t Quality) {
  try {
    SaveScreenshotJpeg(Ports, FileName, Quality);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

std::string FindFreeNumberedName(const std::string& Prefix, const std::string& Suffix,
                                 std::uint64_t Attempts, std::uint64_t& Counter) {
  for (std::uint64_t Attempt = 0; Attempt < Attempts; ++Attempt) {
    std::string Candidate = Prefix + std::to_string(Counter) + Suffix;
    ++Counter;
    if (!NameTaken(Candidate))
      return Candidate;
  }
  return {};
}
