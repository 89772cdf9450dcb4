#include "render/background_surface.h"

#include "render/gradient_math.h"
#include "render/picture_handles.h"

namespace brocade {

void BackgroundSurface::Clear() {
    width_ = height_ = 0;
    if (memory_ && replaced_) SelectObject(memory_->Get(), replaced_);
    replaced_ = nullptr;
    memory_.reset();
    iconBitmap_.Reset();
    picture_.Reset();
}

PictureTypeStatus BackgroundSurface::Prepare(IPictureDisp *pictureDisp, COLORREF iconBackdrop) {
    Clear();
    if (!pictureDisp) return PictureTypeStatus::kAccepted;
    ComPtr<IPicture> picture;
    SHORT type = PICTYPE_UNINITIALIZED;
    if (FAILED(pictureDisp->QueryInterface(IID_IPicture, reinterpret_cast<void **>(picture.Out()))) || !picture ||
        FAILED(picture->get_Type(&type)) || (type != PICTYPE_BITMAP && type != PICTYPE_ICON))
        return PictureTypeStatus::kInvalidPictureType;

    picture_ = picture;
    const SIZE size = PicturePixelSize(picture.Get());
    width_ = size.cx;
    height_ = size.cy;
    memory_.emplace(nullptr);
    if (!*memory_) {
        Clear();
        return PictureTypeStatus::kAccepted;
    }
    if (type == PICTYPE_BITMAP)
        SelectBitmap(static_cast<HBITMAP>(PictureHandle(picture.Get())));
    else
        RenderIcon(static_cast<HICON>(PictureHandle(picture.Get())), iconBackdrop);
    return PictureTypeStatus::kAccepted;
}

bool BackgroundSurface::SelectBitmap(HBITMAP bitmap) {
    HGDIOBJ previous = bitmap ? SelectObject(memory_->Get(), bitmap) : nullptr;
    if (!previous || previous == HGDI_ERROR) {
        // A bitmap held by another DC cannot be selected; there is nothing to tile.
        Clear();
        return false;
    }
    replaced_ = previous;
    return true;
}

// An icon cannot be selected into a DC: it is drawn once into a bitmap of its size.
void BackgroundSurface::RenderIcon(HICON icon, COLORREF backdrop) {
    if (!icon || width_ <= 0 || height_ <= 0) {
        Clear();
        return;
    }
    WindowDc screen(nullptr);
    iconBitmap_.Reset(screen ? CreateCompatibleBitmap(screen.Get(), width_, height_) : nullptr);
    if (!iconBitmap_ || !SelectBitmap(iconBitmap_.Get())) {
        Clear();
        return;
    }
    RECT all = {0, 0, width_, height_};
    UniqueBrush brush(CreateSolidBrush(PlainRgb(backdrop)));
    if (brush) FillRect(memory_->Get(), &all, brush.Get());
    DrawIconEx(memory_->Get(), 0, 0, icon, width_, height_, 0, nullptr, DI_NORMAL);
}

}  // namespace brocade
