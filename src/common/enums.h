// Values of the public enumerations the core reads. Any 32-bit value may be stored.
#pragma once

namespace brocade {

enum HighlightStyleValue : long {
    kPlain = 0,
    kHorizontalLeftToRight = 1,
    kHorizontalRightToLeft = 2,
    kHorizontalCenter = 3,
    kVerticalTopToBottom = 4,
    kVerticalBottomToTop = 5,
    kVerticalCenter = 6,
    kDiagonal = 7,
    kRadial = 8,
    kXP = 9,
    kOffice2003 = 10,
};

enum BorderValue : long { kBorderNormal = 0, kBorderFlat = 1, kBorderFlatWithShadow = 2 };
inline bool IsFlatBorder(long menuBorder) { return menuBorder == kBorderFlat || menuBorder == kBorderFlatWithShadow; }

enum LanguageValue : long {
    kEnglish = 0,
    kKorean = 1,
    kJapanese = 2,
    kItalian = 3,
    kFrench = 4,
    kSpanish = 5,
    kGerman = 6,
    kChineseTraditional = 7,
    kChineseSimplified = 8,
    kAuto = 9,
    kRussian = 10,
};

enum TooltipStyleValue : long { kBalloon = 0, kRectangle = 1 };
enum MenuIconSetValue : long { kIconsDefault = 0, kIconsOffice2003 = 1, kIconsSkyline = 16, kIconsSunrise = 17, kIconsSnowflakes = 18 };

// The stages of the default painting at which DrawMenuItemEx is raised (bdDrawStage).
enum DrawStage : long { kPreErase = 0, kPostErase = 1, kPostDraw = 2 };

// The ten colour properties, in their fixed order.
enum ColorIndex : int {
    kMenuBackground,
    kBitmapBackground,
    kMenuBarBackground,
    kTextColor,
    kDisabledTextColor,
    kHighlightedTextColor,
    kMenuHighlight,
    kMenuHighlightBorder,
    kTooltipBackground,
    kTooltipTextColor,
    kColorCount
};

}  // namespace brocade
