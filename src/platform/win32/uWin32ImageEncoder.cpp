#include "platform/win32/uWin32ImageEncoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/uWin32Com.h"

#include <wincodec.h>

namespace {

// Three bytes a pixel, blue first: the screen's unused fourth byte would otherwise become an
// alpha channel of 0, a fully transparent PNG.
std::vector<BYTE> PackedBgr(const TRawImage& Image, UINT Stride) {
  std::vector<BYTE> Rows(static_cast<std::size_t>(Stride) * static_cast<std::size_t>(Image.Height));
  for (int Y = 0; Y < Image.Height; ++Y) {
    const std::uint8_t* From = Image.Pixels.data() + static_cast<std::size_t>(Y) *
                                                         static_cast<std::size_t>(Image.Width) * 4;
    BYTE* To = Rows.data() + static_cast<std::size_t>(Y) * Stride;
    for (int X = 0; X < Image.Width; ++X, From += 4, To += 3)
      std::memcpy(To, From, 3);
  }
  return Rows;
}

std::optional<std::string> StreamBytes(IStream& Stream) {
  ULARGE_INTEGER End{};
  if (FAILED(Stream.Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &End)) || End.QuadPart > 0x7FFFFFFF)
    return std::nullopt;
  HGLOBAL Memory = nullptr;
  if (FAILED(GetHGlobalFromStream(&Stream, &Memory)))
    return std::nullopt;
  const void* Bytes = GlobalLock(Memory);
  if (!Bytes)
    return std::nullopt;
  std::string Result(static_cast<const char*>(Bytes), static_cast<std::size_t>(End.QuadPart));
  GlobalUnlock(Memory);
  return Result;
}

std::optional<std::string> Encode(const TRawImage& Image, const GUID& Container,
                                  std::optional<float> Quality) {
  if (Image.Width <= 0 || Image.Height <= 0 ||
      Image.Pixels.size() <
          static_cast<std::size_t>(Image.Width) * static_cast<std::size_t>(Image.Height) * 4)
    return std::nullopt;
  TComInitialization Com;
  TComPtr<IWICImagingFactory> Factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, Factory.ReceiveVoid())))
    return std::nullopt;
  TComPtr<IStream> Stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, Stream.Receive())))
    return std::nullopt;
  TComPtr<IWICBitmapEncoder> Encoder;
  if (FAILED(Factory->CreateEncoder(Container, nullptr, Encoder.Receive())) ||
      FAILED(Encoder->Initialize(Stream.Get(), WICBitmapEncoderNoCache)))
    return std::nullopt;
  TComPtr<IWICBitmapFrameEncode> Frame;
  TComPtr<IPropertyBag2> Options;
  if (FAILED(Encoder->CreateNewFrame(Frame.Receive(), Options.Receive())))
    return std::nullopt;
  if (Quality && Options) {
    wchar_t Name[] = L"ImageQuality";
    PROPBAG2 Option{};
    Option.pstrName = Name;
    VARIANT Value;
    VariantInit(&Value);
    Value.vt = VT_R4;
    Value.fltVal = *Quality;
    // An encoder without the option still encodes, at its own quality.
    (void)Options->Write(1, &Option, &Value);
  }
  WICPixelFormatGUID Format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(Frame->Initialize(Options.Get())) ||
      FAILED(Frame->SetSize(static_cast<UINT>(Image.Width), static_cast<UINT>(Image.Height))) ||
      FAILED(Frame->SetPixelFormat(&Format)) || !IsEqualGUID(Format, GUID_WICPixelFormat24bppBGR))
    return std::nullopt;
  const UINT Stride = (static_cast<UINT>(Image.Width) * 3 + 3) & ~3u;
  std::vector<BYTE> Rows = PackedBgr(Image, Stride);
  if (FAILED(Frame->WritePixels(static_cast<UINT>(Image.Height), Stride,
                                static_cast<UINT>(Rows.size()), Rows.data())) ||
      FAILED(Frame->Commit()) || FAILED(Encoder->Commit()))
    return std::nullopt;
  return StreamBytes(*Stream.Get());
}

}  // namespace

std::optional<std::string> TWin32ImageEncoder::EncodeJpeg(const TRawImage& Image, int Quality) {
  return Encode(Image, GUID_ContainerFormatJpeg, std::clamp(Quality, 0, 100) / 100.0f);
}

std::optional<std::string> TWin32ImageEncoder::EncodePng(const TRawImage& Image) {
  return Encode(Image, GUID_ContainerFormatPng, std::nullopt);
}
