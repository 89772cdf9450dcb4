#include "render/screen_capture.h"

#include "common/gdi.h"
#include "render/picture_handles.h"

namespace brocade {

namespace {

// The whole desktop window's DC, released on scope exit.
class DesktopWindowDc {
public:
    DesktopWindowDc() : window_(GetDesktopWindow()), dc_(GetWindowDC(window_)) {}
    ~DesktopWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    DesktopWindowDc(const DesktopWindowDc &) = delete;
    DesktopWindowDc &operator=(const DesktopWindowDc &) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace

ComPtr<IPicture> CaptureScreenBitmap() {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    UniqueBitmap bitmap;
    {
        DesktopWindowDc screen;
        if (!screen.Get()) return nullptr;
        MemoryDc memory(screen.Get());
        bitmap.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
        if (!memory || !bitmap) return nullptr;
        SelectGuard selection(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY);
    }
    return BitmapToPicture(bitmap.Release(), nullptr);
}

}  // namespace brocade
