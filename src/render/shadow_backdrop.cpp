#include "render/shadow_backdrop.h"

#include "common/gdi.h"
#include "render/picture_handles.h"
#include "render/screen_capture.h"

namespace brocade {

ShadowBackdrop::~ShadowBackdrop() { Release(); }

bool ShadowBackdrop::Capture() {
    Release();
    ComPtr<IPicture> picture = CaptureScreenBitmap();
    if (!picture) return false;
    return TakeBitmap(static_cast<HBITMAP>(PictureHandle(picture.Get())));
}

bool ShadowBackdrop::TakeBitmap(HBITMAP bitmap) {
    Release();
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
    BITMAPINFO rows = {};
    rows.bmiHeader.biSize = sizeof rows.bmiHeader;
    rows.bmiHeader.biWidth = info.bmWidth;
    rows.bmiHeader.biHeight = -info.bmHeight;  // top-down
    rows.bmiHeader.biPlanes = 1;
    rows.bmiHeader.biBitCount = 32;
    rows.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    MemoryDc reference(nullptr);
    if (!reference) return false;
    if (GetDIBits(reference.Get(), bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &rows,
                  DIB_RGB_COLORS) != info.bmHeight)
        return false;
    pixels_.swap(pixels);
    width_ = info.bmWidth;
    height_ = info.bmHeight;
    return true;
}

void ShadowBackdrop::Release() {
    ++serial_;
    std::vector<uint32_t>().swap(pixels_);
    width_ = height_ = 0;
}

bool ShadowBackdrop::Empty() const { return pixels_.empty(); }

}  // namespace brocade
