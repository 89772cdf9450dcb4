// The drawing surface prepared from BackgroundPicture: a memory DC holding the picture's
// bitmap, from which item backgrounds are tiled.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <optional>

#include "common/com_ptr.h"
#include "common/gdi.h"

namespace brocade {

enum class PictureTypeStatus { kAccepted, kInvalidPictureType };
// The description the control reports with kInvalidPictureType.
constexpr wchar_t kInvalidPictureTypeText[] = L"Invalid picture type";

class BackgroundSurface {
public:
    BackgroundSurface() = default;
    ~BackgroundSurface() { Clear(); }
    BackgroundSurface(const BackgroundSurface &) = delete;
    BackgroundSurface &operator=(const BackgroundSurface &) = delete;

    // Frees any surface, then prepares one from picture (null leaves it empty). Bitmap
    // pictures are selected into a memory DC; icon pictures are drawn into a bitmap over
    // iconBackdrop first; any other picture type, or an object that is no picture, is
    // refused with the surface left empty.
    PictureTypeStatus Prepare(IPictureDisp *picture, COLORREF iconBackdrop = GetSysColor(COLOR_MENU));
    void Clear();

    HDC Dc() const { return memory_ ? memory_->Get() : nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    ComPtr<IPicture> picture_;  // keeps the selected bitmap alive
    std::optional<MemoryDc> memory_;
    UniqueBitmap iconBitmap_;  // the rendering of an icon picture
    HGDIOBJ replaced_ = nullptr;
    int width_ = 0, height_ = 0;

    bool SelectBitmap(HBITMAP bitmap);
    void RenderIcon(HICON icon, COLORREF backdrop);
};

}  // namespace brocade
