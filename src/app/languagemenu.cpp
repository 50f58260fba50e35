#include "app/languagemenu.h"

#include <algorithm>

#include "platform/win32/uWin32Com.h"
#include "platform/win32/uWin32Text.h"

#include <wincodec.h>

namespace {

// Flags are tiny; anything this large is no flag, and decoding it would only cost memory.
constexpr UINT kMaxFlagSide = 4096;

// A menu caption shows "&" as the underline of the next letter; a language name means the sign.
std::wstring MenuCaption(const std::string& Text) {
  std::wstring Caption;
  for (wchar_t C : Utf8ToWide(Text)) {
    Caption += C;
    if (C == L'&')
      Caption += L'&';
  }
  return Caption;
}

}  // namespace

TBitmapHandle LoadMenuFlag(const std::string& FileName, int MaxSize) {
  if (FileName.empty() || MaxSize <= 0)
    return nullptr;
  TComInitialization Com;
  TComPtr<IWICImagingFactory> Factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, Factory.ReceiveVoid())))
    return nullptr;
  TComPtr<IWICBitmapDecoder> Decoder;
  const std::wstring Path = Utf8ToWide(FileName);
  if (FAILED(Factory->CreateDecoderFromFilename(Path.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, Decoder.Receive())))
    return nullptr;
  TComPtr<IWICBitmapFrameDecode> Frame;
  UINT Width = 0, Height = 0;
  if (FAILED(Decoder->GetFrame(0, Frame.Receive())) || FAILED(Frame->GetSize(&Width, &Height)) ||
      Width == 0 || Height == 0 || Width > kMaxFlagSide || Height > kMaxFlagSide)
    return nullptr;

  IWICBitmapSource* Source = Frame.Get();
  TComPtr<IWICBitmapScaler> Scaler;
  const UINT Limit = static_cast<UINT>(MaxSize);
  if (Width > Limit || Height > Limit) {
    // Keeps the proportions of the flag, at least one pixel either way.
    const double Scale = std::min(double(Limit) / Width, double(Limit) / Height);
    Width = std::max(1u, static_cast<UINT>(Width * Scale + 0.5));
    Height = std::max(1u, static_cast<UINT>(Height * Scale + 0.5));
    if (FAILED(Factory->CreateBitmapScaler(Scaler.Receive())) ||
        FAILED(Scaler->Initialize(Source, Width, Height, WICBitmapInterpolationModeFant)))
      return nullptr;
    Source = Scaler.Get();
  }
  TComPtr<IWICFormatConverter> Converter;
  if (FAILED(Factory->CreateFormatConverter(Converter.Receive())) ||
      FAILED(Converter->Initialize(Source, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0.0, WICBitmapPaletteTypeCustom)))
    return nullptr;

  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(Info.bmiHeader);
  Info.bmiHeader.biWidth = static_cast<LONG>(Width);
  Info.bmiHeader.biHeight = -static_cast<LONG>(Height);  // rows from the top, as WIC gives them
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  TBitmapHandle Bitmap(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
  if (!Bitmap || !Bits)
    return nullptr;
  const UINT Stride = Width * 4;
  if (FAILED(Converter->CopyPixels(nullptr, Stride, Stride * Height, static_cast<BYTE*>(Bits))))
    return nullptr;
  return Bitmap;
}

void TLanguageMenu::Fill(HMENU Menu, const std::vector<TLanguageMenuItem>& Items,
                         UINT FirstCommand) {
  // The old items go before the bitmaps they show.
  while (GetMenuItemCount(Menu) > 0)
    if (!DeleteMenu(Menu, 0, MF_BYPOSITION))
      break;
  FFlags.clear();
  FFirstCommand = FirstCommand;
  FCount = Items.size();

  const int FlagSize = GetSystemMetrics(SM_CYMENUCHECK);
  for (std::size_t Position = 0; Position < Items.size(); ++Position) {
    const TLanguageMenuItem& Item = Items[Position];
    MENUITEMINFOW Info{};
    Info.cbSize = sizeof(Info);
    std::wstring Caption = MenuCaption(Item.Caption);
    if (Item.Kind == lmkSeparator) {
      Info.fMask = MIIM_FTYPE;
      Info.fType = MFT_SEPARATOR;
    } else {
      Info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
      Info.wID = FirstCommand + static_cast<UINT>(Position);
      Info.dwTypeData = Caption.data();
      Info.fState = Item.Checked ? MFS_CHECKED : MFS_UNCHECKED;
      // A flag that cannot be read leaves the item without a picture.
      if (TBitmapHandle Flag = LoadMenuFlag(Item.FlagFile, FlagSize > 0 ? FlagSize : 16)) {
        Info.fMask |= MIIM_BITMAP;
        Info.hbmpItem = Flag.get();
        FFlags.push_back(std::move(Flag));
      }
    }
    InsertMenuItemW(Menu, static_cast<UINT>(Position), TRUE, &Info);
  }
}

std::optional<std::size_t> TLanguageMenu::PositionOf(UINT Command) const {
  if (Command < FFirstCommand || Command - FFirstCommand >= FCount)
    return std::nullopt;
  return static_cast<std::size_t>(Command - FFirstCommand);
}
