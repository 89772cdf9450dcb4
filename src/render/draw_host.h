// Everything item painting reads from the control or raises through it. The control
// implements it; the painters know nothing else of the control.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "common/boolean.h"
#include "common/com_ptr.h"
#include "menu/menu_item.h"
#include "render/look.h"
#include "render/measure_host.h"
#include "render/paint_style.h"

namespace brocade {

class BackgroundSurface;
class ShadowBackdrop;
struct PaintCaches;

// Values of bdDrawStage.
enum DrawStage : long { kPreErase = 0, kPostErase = 1, kPostDraw = 2 };

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

    // --- Events -------------------------------------------------------------------------------
    // False when no handler can receive the drawing events: the item DC is then seen by
    // nobody but the painters, and need not be brought back to a fresh DC's state.
    virtual bool DrawEventsObserved() { return true; }
    // DrawMenuItem(aMenuItem, menuDC, bSelected, cx, cy, bUserDrawn).
    virtual void RaiseDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                   Boolean &userDrawn) = 0;
    // DrawMenuItemEx(aMenuItem, menuDC, bSelected, cx, cy, eDrawStage, bDoDefault).
    virtual void RaiseDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                     DrawStage stage, Boolean &doDefault) = 0;

protected:
    ~DrawHost() = default;
};

}  // namespace brocade
