#include "render/high_contrast.h"

namespace brocade {

bool HighContrastOn() {
    HIGHCONTRASTW setting = {sizeof setting};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON);
}

PaintStyle EffectivePaintStyle(const PaintStyle &resolved, bool highContrast) {
    if (!highContrast) return resolved;
    PaintStyle style = resolved;
    style.menuBackground = style.bitmapBackground = style.menuBarBackground = GetSysColor(COLOR_MENU);
    style.textColor = GetSysColor(COLOR_MENUTEXT);
    style.disabledTextColor = GetSysColor(COLOR_GRAYTEXT);
    style.highlightedTextColor = GetSysColor(COLOR_HIGHLIGHTTEXT);
    style.menuHighlight = style.menuHighlightBorder = GetSysColor(COLOR_HIGHLIGHT);
    style.tooltipBackground = GetSysColor(COLOR_INFOBK);
    style.tooltipTextColor = GetSysColor(COLOR_INFOTEXT);
    // The themed styles paint a column and edges of their own; the plain style is one solid bar.
    style.highlightStyle = kPlain;
    style.highlightAppearance = kAppearanceFlat;
    style.useCustomColors = false;
    style.hasBackgroundPicture = false;
    if (style.menuBorder == kBorderFlatWithShadow) style.menuBorder = kBorderFlat;
    return style;
}

}  // namespace brocade
