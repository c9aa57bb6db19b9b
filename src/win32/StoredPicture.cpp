#include "win32/StoredPicture.h"
#include "win32/Pictures.h"

#include <wincodec.h>

#include <climits>

namespace kromelik {

std::span<const std::byte> ResourceBytes(HMODULE module, int id) {
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (resource == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return {};
  return {static_cast<const std::byte*>(data), SizeofResource(module, resource)};
}

UniqueBitmap DecodePicture(std::span<const std::byte> encoded, int width, int height) {
  // Bounded so the row and buffer sizes below stay far from overflowing.
  constexpr int kLargest = 16384;
  if (encoded.empty() || encoded.size() > UINT_MAX || width <= 0 || height <= 0 ||
      width > kLargest || height > kLargest)
    return {};
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICBitmapScaler> scaler;
  ComPtr<IWICFormatConverter> converter;
  // The stream only reads the bytes; the resource itself is never written.
  auto* bytes = reinterpret_cast<BYTE*>(const_cast<std::byte*>(encoded.data()));
  const bool decoded =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_PPV_ARGS(factory.Put()))) &&
      SUCCEEDED(factory->CreateStream(stream.Put())) &&
      SUCCEEDED(stream->InitializeFromMemory(bytes, static_cast<DWORD>(encoded.size()))) &&
      SUCCEEDED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                 WICDecodeMetadataCacheOnDemand, decoder.Put())) &&
      SUCCEEDED(decoder->GetFrame(0, frame.Put())) &&
      SUCCEEDED(factory->CreateBitmapScaler(scaler.Put())) &&
      SUCCEEDED(scaler->Initialize(frame.Get(), static_cast<UINT>(width), static_cast<UINT>(height),
                                   WICBitmapInterpolationModeFant)) &&
      SUCCEEDED(factory->CreateFormatConverter(converter.Put())) &&
      SUCCEEDED(converter->Initialize(scaler.Get(), GUID_WICPixelFormat32bppPBGRA,
                                      WICBitmapDitherTypeNone, nullptr, 0.0,
                                      WICBitmapPaletteTypeCustom));
  if (!decoded) return {};

  const BITMAPINFO info = TopDown32(width, height);  // top-down, as WIC hands the rows
  void* pixels = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!bitmap || pixels == nullptr) return {};
  const UINT stride = static_cast<UINT>(width) * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * static_cast<UINT>(height),
                                   static_cast<BYTE*>(pixels))))
    return {};
  return bitmap;
}

}  // namespace kromelik
