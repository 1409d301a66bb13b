#include "app/win32/Banner_win32.h"

#include <objbase.h>
#include <shlwapi.h>
#include <wincodec.h>

#include "app/win32/ComPtr_win32.h"

namespace zelta::win32 {

namespace {

UniqueBitmap CreateTopDownBitmap(int width, int height, void** pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, pixels, nullptr, 0));
    if (!*pixels) return {};
    return bitmap;
}

// The imaging component's own scaler gives only the nearest pixel under Wine; the halftone stretch of the graphics
// device interface averages everywhere.
UniqueBitmap ScaleBitmap(HBITMAP source, int sourceWidth, int sourceHeight, int width, int height) {
    void* pixels = nullptr;
    UniqueBitmap scaled = CreateTopDownBitmap(width, height, &pixels);
    UniqueMemoryDc from(CreateCompatibleDC(nullptr));
    UniqueMemoryDc to(CreateCompatibleDC(nullptr));
    if (!scaled || !from || !to) return {};
    bool ok = false;
    {
        ScopedSelection fromSource(from.get(), source);
        ScopedSelection toScaled(to.get(), scaled.get());
        SetStretchBltMode(to.get(), HALFTONE);
        SetBrushOrgEx(to.get(), 0, 0, nullptr);  // required after choosing the halftone mode
        ok = StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, sourceWidth, sourceHeight, SRCCOPY) != FALSE;
        GdiFlush();
    }
    if (!ok) return {};
    return scaled;
}

}  // namespace

UniqueBitmap LoadBannerBitmap(HINSTANCE instance, int resourceId, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!resource) return {};
    HGLOBAL loaded = LoadResource(instance, resource);
    const DWORD size = SizeofResource(instance, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return {};

    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.put())))) {
        return {};
    }
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    // The converter comes from the factory rather than from an export of the imaging library, so that the library is
    // never a static import that the system would look for beside the program first.
    ComPtr<IWICFormatConverter> converted;
    if (FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)), size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnLoad, decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) || FAILED(factory->CreateFormatConverter(converted.put())) ||
        FAILED(converted->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return {};
    }
    UINT sourceWidth = 0;
    UINT sourceHeight = 0;
    if (FAILED(converted->GetSize(&sourceWidth, &sourceHeight)) || sourceWidth == 0 || sourceHeight == 0) return {};

    void* pixels = nullptr;
    UniqueBitmap decoded = CreateTopDownBitmap(static_cast<int>(sourceWidth), static_cast<int>(sourceHeight), &pixels);
    if (!decoded) return {};
    const UINT stride = sourceWidth * 4;
    if (FAILED(converted->CopyPixels(nullptr, stride, stride * sourceHeight, static_cast<BYTE*>(pixels)))) return {};
    if (static_cast<int>(sourceWidth) == width && static_cast<int>(sourceHeight) == height) return decoded;
    return ScaleBitmap(decoded.get(), static_cast<int>(sourceWidth), static_cast<int>(sourceHeight), width, height);
}

}  // namespace zelta::win32
