// Pixels a test can read: a 32-bpp DIB section in a memory DC, drawn into or copied from the
// screen; and OLE pictures made from pixels.
#pragma once
#include <windows.h>
#include <olectl.h>

#include <functional>
#include <memory>
#include <string>

#include "com_ptr.h"

namespace brocade_test {

// What lies under a painted area before painting, so untouched pixels show.
constexpr COLORREF kBackdrop = RGB(1, 2, 3);

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, COLORREF fill = kBackdrop);
    HDC Dc() const { return gdi_ ? gdi_->dc : nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const;  // CLR_INVALID outside

private:
    struct Gdi {  // the bitmap is selected out of the DC before either goes
        HDC dc;
        HBITMAP bitmap;
        HGDIOBJ previous;
        ~Gdi() { SelectObject(dc, previous), DeleteObject(bitmap), DeleteDC(dc); }
    };
    int width_ = 0, height_ = 0;
    DWORD *bits_ = nullptr;
    std::unique_ptr<Gdi> gdi_;
};

// A rectangle of the screen as shown now, and a whole window with its frame. (BitBlt from the
// screen DC: GetPixel on a window DC does not read back everywhere.)
Surface ScreenPixels(const RECT &screen);
Surface WindowPixels(HWND window);

// "#RRGGBB", for failure messages.
std::string Hex(COLORREF colour);

// OLE pictures owning their handles (OleCreatePictureIndirect with fOwn).
brocade::ComPtr<IPictureDisp> BitmapPicture(int width, int height, COLORREF colour);
brocade::ComPtr<IPictureDisp> BitmapPicture(int width, int height, const std::function<COLORREF(int x, int y)> &pixel);

}  // namespace brocade_test
