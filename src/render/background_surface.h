// The drawing surface prepared from BackgroundPicture: a memory DC holding a copy of the
// picture, from which item backgrounds are tiled.
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
    // pictures are copied into a bitmap of the surface's own; icon pictures are drawn into
    // one over iconBackdrop; any other picture type, or an object that is no picture, is
    // refused with the surface left empty. The picture's own handle is never kept selected.
    PictureTypeStatus Prepare(IPictureDisp *picture, COLORREF iconBackdrop = GetSysColor(COLOR_MENU));
    void Clear();

    HDC Dc() const { return memory_ ? memory_->Get() : nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    std::optional<MemoryDc> memory_;
    UniqueBitmap copy_;  // the surface's own copy of the picture
    HGDIOBJ replaced_ = nullptr;
    int width_ = 0, height_ = 0;

    bool MakeCopy();
    bool CopyBitmap(IPicture *picture, HBITMAP bitmap);
    void RenderIcon(HICON icon, COLORREF backdrop);
};

}  // namespace brocade
