// Everything the painters read from the control, resolved once per draw by the caller, so
// the painters depend on values only and never on the control itself.
#pragma once
#include <windows.h>

#include "common/dpi.h"
#include "common/enums.h"

namespace brocade {

struct PaintStyle {
    // Effective colours as RGB values (0x00BBGGRR).
    COLORREF menuBackground = 0;
    COLORREF bitmapBackground = 0;
    COLORREF menuBarBackground = 0;
    COLORREF textColor = 0;
    COLORREF disabledTextColor = 0;
    COLORREF highlightedTextColor = 0;
    COLORREF menuHighlight = 0;
    COLORREF menuHighlightBorder = 0;
    COLORREF tooltipBackground = 0;
    COLORREF tooltipTextColor = 0;

    long highlightStyle = kHorizontalLeftToRight;  // bdHighlight
    long menuBorder = kBorderNormal;               // bdBorder
    long highlightAppearance = 0;                  // bdHighlightAppearance
    long highlightOverBitmap = 0;                  // bdHighlightOverBitmap
    bool rightToLeft = false;
    bool useCustomColors = false;
    bool hasBackgroundPicture = false;
    bool inMenuLoop = false;
    // The DPI of the window the items are drawn for; every fixed pixel length scales with it.
    int dpi = kDefaultDpi;

    int Px(int pixels) const { return ScaleToDpi(pixels, dpi); }
};

// Values of bdHighlightAppearance and bdHighlightOverBitmap.
enum HighlightAppearanceValue : long {
    kAppearanceFlat = 0,
    kAppearance3DRaised = 1,
    kAppearance3DSunken = 2,
    kAppearanceEdgeEtched = 3,
    kAppearanceFlatWithBorder = 4,
};
enum HighlightOverBitmapValue : long { kOverBitmapCompatible = 0, kOverBitmapAlways = 1, kOverBitmapNever = 2 };

}  // namespace brocade
