#include "render/background_surface.h"

#include "render/gradient_math.h"
#include "render/picture_handles.h"

namespace brocade {

void BackgroundSurface::Clear() {
    width_ = height_ = 0;
    if (memory_ && replaced_) SelectObject(memory_->Get(), replaced_);
    replaced_ = nullptr;
    memory_.reset();
    copy_.Reset();
}

PictureTypeStatus BackgroundSurface::Prepare(IPictureDisp *pictureDisp, COLORREF iconBackdrop) {
    Clear();
    if (!pictureDisp) return PictureTypeStatus::kAccepted;
    ComPtr<IPicture> picture;
    SHORT type = PICTYPE_UNINITIALIZED;
    if (FAILED(pictureDisp->QueryInterface(IID_IPicture, reinterpret_cast<void **>(picture.Out()))) || !picture ||
        FAILED(picture->get_Type(&type)) || (type != PICTYPE_BITMAP && type != PICTYPE_ICON))
        return PictureTypeStatus::kInvalidPictureType;

    const SIZE size = PicturePixelSize(picture.Get());
    width_ = size.cx;
    height_ = size.cy;
    if (!MakeCopy()) return PictureTypeStatus::kAccepted;
    if (type == PICTYPE_BITMAP) {
        if (!CopyBitmap(picture.Get(), static_cast<HBITMAP>(PictureHandle(picture.Get())))) Clear();
    } else {
        RenderIcon(static_cast<HICON>(PictureHandle(picture.Get())), iconBackdrop);
    }
    return PictureTypeStatus::kAccepted;
}

// A bitmap of the picture's size, selected into the surface's memory DC.
bool BackgroundSurface::MakeCopy() {
    if (width_ <= 0 || height_ <= 0) {
        Clear();
        return false;
    }
    WindowDc screen(nullptr);
    memory_.emplace(screen.Get());
    copy_.Reset(screen ? CreateCompatibleBitmap(screen.Get(), width_, height_) : nullptr);
    HGDIOBJ previous = *memory_ && copy_ ? SelectObject(memory_->Get(), copy_.Get()) : nullptr;
    if (!previous || previous == HGDI_ERROR) {
        Clear();
        return false;
    }
    replaced_ = previous;
    return true;
}

// The host keeps using its picture, and a bitmap can be selected into one DC at a time: the
// surface copies it, holding it selected only for the copy.
bool BackgroundSurface::CopyBitmap(IPicture *picture, HBITMAP bitmap) {
    if (!bitmap) return false;
    {
        MemoryDc source(memory_->Get());
        HGDIOBJ previous = source ? SelectObject(source.Get(), bitmap) : nullptr;
        if (previous && previous != HGDI_ERROR) {
            const BOOL copied = BitBlt(memory_->Get(), 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
            SelectObject(source.Get(), previous);
            if (copied) return true;
        }
    }
    // The bitmap is selected elsewhere, as a picture does through SelectPicture: the picture
    // draws itself from wherever it is.
    OLE_XSIZE_HIMETRIC himetricWidth = 0;
    OLE_YSIZE_HIMETRIC himetricHeight = 0;
    if (FAILED(picture->get_Width(&himetricWidth)) || FAILED(picture->get_Height(&himetricHeight))) return false;
    return SUCCEEDED(picture->Render(memory_->Get(), 0, 0, width_, height_, 0, himetricHeight, himetricWidth,
                                     -himetricHeight, nullptr));
}

// An icon cannot be selected into a DC: it is drawn once into the copy over the backdrop.
void BackgroundSurface::RenderIcon(HICON icon, COLORREF backdrop) {
    if (!icon) {
        Clear();
        return;
    }
    RECT all = {0, 0, width_, height_};
    UniqueBrush brush(CreateSolidBrush(PlainRgb(backdrop)));
    if (brush) FillRect(memory_->Get(), &all, brush.Get());
    DrawIconEx(memory_->Get(), 0, 0, icon, width_, height_, 0, nullptr, DI_NORMAL);
}

}  // namespace brocade
