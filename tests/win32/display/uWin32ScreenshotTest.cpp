// Screen capture and the JPEG and PNG files made of it, for real under Wine: the test paints
// windows of known colours, captures the screen, encodes it, decodes the file again and looks
// at the pixels where the windows are. Wine ignores the JPEG quality, so only the picture is
// checked, not how strongly it was compressed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

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
  void Raise() {
    SetWindowPos(FWindow.get(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(FWindow.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }

 private:
  HBRUSH FBrush;
  std::wstring FClassName;
  std::unique_ptr<TWindowClass> FClass;
  TWindowHandle FWindow;
};

// Lets the windows reach the screen: the X server draws them a moment after Windows did.
void LetWindowsSettle(TWin32EventLoop& Loop) {
  (void)Loop.Wait(200);
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
  // Two windows side by side near the bottom right corner, where the other tests' windows
  // (centred dialogs, windows at the top left) seldom are, and far enough apart for JPEG's
  // blocks not to mix their colours.
  static constexpr COLORREF kGreen = RGB(0x20, 0xC0, 0x40);
  static constexpr COLORREF kMagenta = RGB(0xD0, 0x30, 0xB0);
  static constexpr int kTop = 560;

  TWin32EventLoop Loop;
  TColourWindow Green{kGreen, 720, kTop, 120, 112};
  TColourWindow Magenta{kMagenta, 872, kTop, 120, 112};
  TWin32ScreenCapture Capture;
  TWin32ImageEncoder Encoder;
  TWin32SystemVersion Version;
  TScreenshotPorts Ports{Capture, Encoder, Version};
  TTempFolder Folder;

  void SetUp() override {
    ASSERT_TRUE(Green.Valid());
    ASSERT_TRUE(Magenta.Valid());
    ASSERT_GE(GetSystemMetrics(SM_CXSCREEN), 1000);
    ASSERT_GE(GetSystemMetrics(SM_CYSCREEN), 680);
  }

  // The windows' colours inside them, away from their edges; empty when they are right.
  static std::string WindowsMismatch(const TRawImage& Image, int Tolerance) {
    std::string Mismatch;
    auto Check = [&](int X, int Y, COLORREF Colour) {
      const auto Near = ColourNear(Image.PixelAt(X, Y), Rgb(Colour), Tolerance);
      if (!Near)
        Mismatch += std::to_string(X) + "," + std::to_string(Y) + ": " + Near.message() + "\n";
    };
    for (const int Y : {kTop + 16, kTop + 56, kTop + 96}) {
      for (const int X : {736, 780, 824})
        Check(X, Y, kGreen);
      for (const int X : {888, 932, 976})
        Check(X, Y, kMagenta);
    }
    return Mismatch;
  }

  // Tests running beside this one show windows of their own on the same screen, now and then
  // over ours; so ours are raised again and the picture retaken until it shows them, a few
  // times at most. Picture takes a screenshot and decodes what it made.
  void ExpectWindowsIn(const std::function<std::optional<TRawImage>()>& Picture, int Tolerance) {
    std::string Mismatch = "no picture";
    for (int Attempt = 0; Attempt < 8 && !Mismatch.empty(); ++Attempt) {
      Green.Raise();
      Magenta.Raise();
      LetWindowsSettle(Loop);
      const auto Image = Picture();
      ASSERT_TRUE(Image.has_value());
      ASSERT_EQ(Image->Width, GetSystemMetrics(SM_CXSCREEN));
      ASSERT_EQ(Image->Height, GetSystemMetrics(SM_CYSCREEN));
      ASSERT_EQ(Image->Pixels.size(), std::size_t(Image->Width) * Image->Height * 4);
      Mismatch = WindowsMismatch(*Image, Tolerance);
    }
    EXPECT_EQ(Mismatch, "");
  }
};

TEST_F(Win32ScreenshotTest, CaptureCopiesTheWholeScreenPixelForPixel) {
  ExpectWindowsIn([&] { return Capture.CaptureScreen(kCaptureOperation); }, 0);
}

TEST_F(Win32ScreenshotTest, JpegFileDecodesToTheScreen) {
  const std::string File = Folder.Text("shot.jpg");
  ExpectWindowsIn(
      [&] {
        SaveScreenshotJpeg(Ports, File, 80);
        const std::string Bytes = ReadBytes(File);
        EXPECT_EQ(Bytes.substr(0, 3), "\xFF\xD8\xFF") << "a JPEG file";
        return DecodeImage(Bytes);
      },
      16);
}

TEST_F(Win32ScreenshotTest, PngIsLossless) {
  ExpectWindowsIn([&] { return DecodeImage(WriteScreenshotPng(Ports)); }, 0);
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
    EXPECT_EQ(Decoded->Width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Decoded->Height, GetSystemMetrics(SM_CYSCREEN));
  }
}

}  // namespace
