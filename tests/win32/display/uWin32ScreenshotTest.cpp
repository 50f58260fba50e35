// Screen capture and the JPEG and PNG files made of it, for real under Wine: the test paints
// windows of known colours, captures the screen, encodes it, decodes the file again and looks
// at the pixels where the windows are. Wine ignores the JPEG quality, so only the picture is
// checked, not how strongly it was compressed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "actions/uScreenshot.h"
#include "app/uKindList.h"
#include "core/uFilePaths.h"
#include "core/uKindRegistry.h"
#include "platform/win32/uWin32Com.h"
#include "platform/win32/uWin32EventLoop.h"
#include "platform/win32/uWin32Handles.h"
#include "platform/win32/uWin32ImageEncoder.h"
#include "platform/win32/uWin32ScreenCapture.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "platform/win32/uWin32Text.h"
#include "support/uTempFolder.h"

#include <wincodec.h>

namespace {

constexpr std::uint32_t kCaptureOperation = 0x40CC0020;  // SRCCOPY | CAPTUREBLT

// A borderless top-most window filled with one colour.
class TColourWindow {
 public:
  TColourWindow(COLORREF Colour, int X, int Y, int Width, int Height)
      : FBrush(CreateSolidBrush(Colour)) {
    const std::wstring Name = L"KolvaneColour" + std::to_wstring(Colour);
    WNDCLASSEXW Class{};
    Class.cbSize = sizeof Class;
    Class.lpfnWndProc = DefWindowProcW;
    Class.hInstance = GetModuleHandleW(nullptr);
    Class.hbrBackground = FBrush;
    Class.lpszClassName = Name.c_str();
    FClassName = Name;
    Class.lpszClassName = FClassName.c_str();
    FClass = std::make_unique<TWindowClass>(Class);
    FWindow.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, FClassName.c_str(), L"",
                                  WS_POPUP | WS_VISIBLE, X, Y, Width, Height, nullptr, nullptr,
                                  Class.hInstance, nullptr));
    UpdateWindow(FWindow.get());
  }
  ~TColourWindow() {
    FWindow.reset();
    FClass.reset();
    DeleteObject(FBrush);
  }
  TColourWindow(const TColourWindow&) = delete;
  TColourWindow& operator=(const TColourWindow&) = delete;
  bool Valid() const { return static_cast<bool>(FWindow); }

 private:
  HBRUSH FBrush;
  std::wstring FClassName;
  std::unique_ptr<TWindowClass> FClass;
  TWindowHandle FWindow;
};

// Lets the windows reach the screen: the X server draws them a moment after Windows did.
void LetWindowsSettle(TWin32EventLoop& Loop) {
  (void)Loop.Wait(400);
  GdiFlush();
}

std::optional<TRawImage> DecodeImage(const std::string& Bytes) {
  TComInitialization Com;
  TComPtr<IWICImagingFactory> Factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, Factory.ReceiveVoid())))
    return std::nullopt;
  TComPtr<IWICStream> Stream;
  if (FAILED(Factory->CreateStream(Stream.Receive())) ||
      FAILED(Stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(Bytes.data())),
                                          static_cast<DWORD>(Bytes.size()))))
    return std::nullopt;
  TComPtr<IWICBitmapDecoder> Decoder;
  TComPtr<IWICBitmapFrameDecode> Frame;
  TComPtr<IWICBitmapSource> Converted;
  if (FAILED(Factory->CreateDecoderFromStream(Stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              Decoder.Receive())) ||
      FAILED(Decoder->GetFrame(0, Frame.Receive())) ||
      FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, Frame.Get(), Converted.Receive())))
    return std::nullopt;
  UINT Width = 0, Height = 0;
  Converted->GetSize(&Width, &Height);
  TRawImage Image;
  Image.Width = static_cast<int>(Width);
  Image.Height = static_cast<int>(Height);
  Image.Pixels.resize(std::size_t{Width} * Height * 4);
  if (FAILED(Converted->CopyPixels(nullptr, Width * 4, static_cast<UINT>(Image.Pixels.size()),
                                   Image.Pixels.data())))
    return std::nullopt;
  return Image;
}

// Within Tolerance in each of red, green and blue.
testing::AssertionResult ColourNear(std::uint32_t Actual, std::uint32_t Expected, int Tolerance) {
  for (int Shift : {16, 8, 0}) {
    const int A = static_cast<int>(Actual >> Shift & 0xFF);
    const int E = static_cast<int>(Expected >> Shift & 0xFF);
    if (std::abs(A - E) > Tolerance) {
      char Text[64];
      std::snprintf(Text, sizeof Text, "%06X is not near %06X", Actual, Expected);
      return testing::AssertionFailure() << Text;
    }
  }
  return testing::AssertionSuccess();
}

std::uint32_t Rgb(COLORREF Colour) {
  return std::uint32_t{GetRValue(Colour)} << 16 | std::uint32_t{GetGValue(Colour)} << 8 |
         GetBValue(Colour);
}

class Win32ScreenshotTest : public testing::Test {
 protected:
  // Two windows side by side, far enough apart for JPEG's blocks not to mix their colours.
  static constexpr COLORREF kGreen = RGB(0x20, 0xC0, 0x40);
  static constexpr COLORREF kMagenta = RGB(0xD0, 0x30, 0xB0);

  TWin32EventLoop Loop;
  TColourWindow Green{kGreen, 96, 128, 200, 160};
  TColourWindow Magenta{kMagenta, 400, 128, 200, 160};
  TWin32ScreenCapture Capture;
  TWin32ImageEncoder Encoder;
  TWin32SystemVersion Version;
  TScreenshotPorts Ports{Capture, Encoder, Version};
  TTempFolder Folder;

  void SetUp() override {
    ASSERT_TRUE(Green.Valid());
    ASSERT_TRUE(Magenta.Valid());
    LetWindowsSettle(Loop);
  }

  // The windows' colours inside them, away from their edges.
  void ExpectWindowsIn(const TRawImage& Image, int Tolerance) {
    for (const auto& [X, Y] : {std::pair{110, 140}, std::pair{196, 208}, std::pair{280, 272}})
      EXPECT_TRUE(ColourNear(Image.PixelAt(X, Y), Rgb(kGreen), Tolerance)) << X << "," << Y;
    for (const auto& [X, Y] : {std::pair{414, 140}, std::pair{500, 208}, std::pair{584, 272}})
      EXPECT_TRUE(ColourNear(Image.PixelAt(X, Y), Rgb(kMagenta), Tolerance)) << X << "," << Y;
  }
};

TEST_F(Win32ScreenshotTest, CaptureCopiesTheWholeScreenPixelForPixel) {
  const auto Image = Capture.CaptureScreen(kCaptureOperation);
  ASSERT_TRUE(Image.has_value());
  EXPECT_EQ(Image->Width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Image->Height, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(Image->Pixels.size(), std::size_t(Image->Width) * Image->Height * 4);
  ExpectWindowsIn(*Image, 0);
}

TEST_F(Win32ScreenshotTest, JpegFileDecodesToTheScreen) {
  const std::string File = Folder.Text("shot.jpg");
  SaveScreenshotJpeg(Ports, File, 80);
  const std::string Bytes = ReadBytes(File);
  ASSERT_GT(Bytes.size(), 4u);
  EXPECT_EQ(Bytes.substr(0, 3), "\xFF\xD8\xFF") << "a JPEG file";
  const auto Decoded = DecodeImage(Bytes);
  ASSERT_TRUE(Decoded.has_value());
  EXPECT_EQ(Decoded->Width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Decoded->Height, GetSystemMetrics(SM_CYSCREEN));
  ExpectWindowsIn(*Decoded, 16);
}

TEST_F(Win32ScreenshotTest, PngIsLossless) {
  const auto Decoded = DecodeImage(WriteScreenshotPng(Ports));
  ASSERT_TRUE(Decoded.has_value());
  EXPECT_EQ(Decoded->Width, GetSystemMetrics(SM_CXSCREEN));
  ExpectWindowsIn(*Decoded, 0);
}

TEST_F(Win32ScreenshotTest, NothingToEncodeIsAFailure) {
  EXPECT_FALSE(Encoder.EncodeJpeg(TRawImage{}, 80).has_value());
  TRawImage Short;
  Short.Width = 10;
  Short.Height = 10;
  Short.Pixels.resize(10);
  EXPECT_FALSE(Encoder.EncodePng(Short).has_value());
}

TEST_F(Win32ScreenshotTest, TheActionSavesNumberedAndStampedFiles) {
  TKoServices Services{Loop};
  Services.SystemVersion = &Version;
  Services.ScreenCapture = &Capture;
  Services.ImageEncoder = &Encoder;
  TKoKindRegistry Registry(Services);
  RegisterKinds(Registry);
  auto Run = [&](const std::string& Config) {
    auto Action = Registry.CreateAction("Screenshot");
    Action->SetConfigText(Config);
    Action->Run();
    return Action->GetStatusText();
  };
  EXPECT_EQ(Run("NAMINGSCHEMA=2;PATH=" + Folder.Text() + ";"), "Finished");
  EXPECT_EQ(Run("NAMINGSCHEMA=2;PATH=" + Folder.Text() + ";"), "Finished");
  EXPECT_EQ(Run("NAMINGSCHEMA=3;PATH=" + Folder.Text("cam-") + ";"), "Finished");
  EXPECT_EQ(Run("NAMINGSCHEMA=1;PATH=" + Folder.Text("missing\\a.jpg") + ";"), "Error");
  const auto Names = FolderEntries(Folder.Text());
  ASSERT_EQ(Names.size(), 3u);
  EXPECT_EQ(Names[0], "1.jpg");
  EXPECT_EQ(Names[1], "2.jpg");
  EXPECT_EQ(Names[2].substr(0, 4), "cam-");
  EXPECT_EQ(Names[2].size(), std::string("cam-yyyymmdd_hhnnss.jpg").size());
  for (const auto& Name : Names) {
    const auto Decoded = DecodeImage(ReadBytes(Folder.Text(Name)));
    ASSERT_TRUE(Decoded.has_value()) << Name;
    ExpectWindowsIn(*Decoded, 16);
  }
}

}  // namespace
