#include "support/pixels.h"

#include <algorithm>
#include <cstdio>

#include "gdi.h"

namespace brocade_test {

using brocade::ComPtr;

namespace {

HBITMAP Dib(int width, int height, DWORD **bits) {
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(bits), nullptr, 0);
}

DWORD Pixel(COLORREF colour) { return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour); }

ComPtr<IPictureDisp> Picture(PICTDESC &desc) {
    ComPtr<IPictureDisp> picture;
    if (SUCCEEDED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(picture.Out()))))
        return picture;
    if (desc.picType == PICTYPE_BITMAP) DeleteObject(desc.bmp.hbitmap);
    if (desc.picType == PICTYPE_ICON) DestroyIcon(desc.icon.hicon);
    return picture;
}

}  // namespace

Surface::Surface(int width, int height, COLORREF fill) {
    brocade::UniqueBitmap bitmap(Dib(width, height, &bits_));
    HDC dc = bitmap ? CreateCompatibleDC(nullptr) : nullptr;
    if (!dc) {
        bits_ = nullptr;
        return;
    }
    gdi_.reset(new Gdi{dc, bitmap.Get(), SelectObject(dc, bitmap.Release())});
    width_ = width;
    height_ = height;
    std::fill(bits_, bits_ + width * height, Pixel(fill));
}

COLORREF Surface::At(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    GdiFlush();
    const DWORD pixel = bits_[static_cast<size_t>(y) * width_ + x];
    return RGB(pixel >> 16 & 255, pixel >> 8 & 255, pixel & 255);
}

Surface ScreenPixels(const RECT &screen) {
    Surface surface(screen.right - screen.left, screen.bottom - screen.top);
    brocade::WindowDc desktop(nullptr);
    BitBlt(surface.Dc(), 0, 0, surface.Width(), surface.Height(), desktop.Get(), screen.left, screen.top, SRCCOPY);
    return surface;
}

Surface WindowPixels(HWND window) {
    RECT frame = {};
    GetWindowRect(window, &frame);
    return ScreenPixels(frame);
}

std::string Hex(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

ComPtr<IPictureDisp> BitmapPicture(int width, int height, COLORREF colour) {
    return BitmapPicture(width, height, [colour](int, int) { return colour; });
}

ComPtr<IPictureDisp> BitmapPicture(int width, int height, const std::function<COLORREF(int, int)> &pixel) {
    DWORD *bits = nullptr;
    PICTDESC desc = {sizeof desc, PICTYPE_BITMAP};
    if (!(desc.bmp.hbitmap = Dib(width, height, &bits))) return ComPtr<IPictureDisp>();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bits[y * width + x] = Pixel(pixel(x, y));
    return Picture(desc);
}

}  // namespace brocade_test
