// Everything item painting reads from the control. The control
// implements it; the painters know nothing else of the control.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "common/com_ptr.h"
#include "menu/menu_item.h"
#include "menu/menu_events.h"
#include "render/look.h"
#include "render/measure_host.h"
#include "render/paint_style.h"

namespace brocade {

class BackgroundSurface;
class ShadowBackdrop;
struct PaintCaches;
class PopupPass;
class ItemImageCache;

class DrawHost : public MeasureHost {
public:
    // The current Look: the same object until something it was made from changes.
    virtual LookPtr DrawLook() = 0;
    // The tiling surface of BackgroundPicture; null when no drawable picture is set.
    virtual const BackgroundSurface *DrawBackgroundSurface() = 0;
    // The screen captured when the menu loop began (Flat with Shadow); null when there is none.
    virtual ShadowBackdrop *DrawShadowBackdrop() = 0;
    // The keyboard cues hidden flag of the menu loop.
    virtual bool DrawKeyboardCuesHidden() = 0;
    // The container's ambient font, for records whose fonts are null.
    virtual ComPtr<IFontDisp> DrawAmbientFont() = 0;
    // A built-in picture drawn anew for a size of pixels; null for any other picture, which is
    // resampled instead.
    virtual ComPtr<IPictureDisp> DrawSharperPicture(IPictureDisp *, int) { return nullptr; }
    // The font and memory DCs kept between items (owned by the control).
    virtual PaintCaches &DrawCaches() = 0;
    // What the items of the popup being drawn share (owned by the menu loop while there is one).
    virtual PopupPass &DrawPass() = 0;
    // The popup items the menu loop has drawn; null outside a loop.
    virtual ItemImageCache *DrawItemImages() { return nullptr; }

protected:
    ~DrawHost() = default;
};

}  // namespace brocade
