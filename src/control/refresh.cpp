// The Look items are painted with, made in one place, and the refresh that makes property
// changes visible.
#include "control/control.h"
#include "common/dpi.h"
#include "render/high_contrast.h"
#include "common/os_version.h"
#include "common/color_utils.h"

namespace brocade {

void Control::Refresh(HWND window) {
    if (settings_.lockRefresh || !RunMode()) return;
    if (settings_.enabled) RebuildPaintObjects(true, true);
    attachment_.RedrawMenuBar(attachment_.RedrawTarget(window));
}

// The pass drawing with the old brush and pen would keep them, selected, until its end: it
// ends now, so they go with the change.
void Control::RebuildPaintObjects(bool brush, bool pen) {
    Pass().End();
    looks_.RebuildBrushAndPen(ResolvePaintStyle(), brush, pen);
    InvalidateLook();
}

// The one place a Look is made.
LookPtr Control::CurrentLook() {
    if (const LookPtr &look = looks_.Current()) return look;
    return looks_.Make(ResolvePaintStyle());
}

void Control::FollowDpiOf(HWND window) {
    if (!window || window == dpiWindow_) return;
    dpiWindow_ = window;
    const LookPtr &look = looks_.Current();
    if (look && look->style.dpi != WindowDpi(window)) InvalidateLook();
}

PaintStyle Control::ResolvePaintStyle() {
    PaintStyle style;
    COLORREF *colors[kColorCount] = {&style.menuBackground, &style.bitmapBackground, &style.menuBarBackground,
                                     &style.textColor, &style.disabledTextColor, &style.highlightedTextColor,
                                     &style.menuHighlight, &style.menuHighlightBorder, &style.tooltipBackground,
                                     &style.tooltipTextColor};
    for (int index = 0; index < kColorCount; ++index)
        *colors[index] = OleToRGB(properties_.Color(static_cast<ColorIndex>(index)));
    style.highlightStyle = settings_.highlightStyle;
    style.menuBorder = settings_.menuBorder;
    style.highlightAppearance = settings_.highlightAppearance;
    style.highlightOverBitmap = settings_.highlightOverBitmap;
    style.rightToLeft = settings_.rightToLeft;
    style.useCustomColors = settings_.useCustomColors;
    style.hasBackgroundPicture = backgroundSurface_.Dc() != nullptr;
    style.inMenuLoop = loop_.has_value();
    style.dpi = WindowDpi(dpiWindow_ && IsWindow(dpiWindow_) ? dpiWindow_ : attachment_.Host());
    return EffectivePaintStyle(style, HighContrastOn());
}

void Control::UnhighlightMenuBar(HWND window) {
    hotTrack_.Forget();
    HMENU menu = GetMenu(window);
    if (!menu) return;
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
        HiliteMenuItem(window, menu, position, MF_BYPOSITION | MF_UNHILITE);
}

}  // namespace brocade
