// Dispatch identifiers of the control's properties, as the type library publishes them.
// Property-change notifications carry these numbers.
#pragma once
#include <windows.h>

namespace brocade {

enum PropertyDispid : DISPID {
    kDispAutoShowHelp = 0x68030000,
    kDispCheckMark = 0x68030001,
    kDispHighlightStyle = 0x68030002,
    kDispMenuBorder = 0x68030003,
    kDispUseCustomColors = 0x68030004,
    kDispMenuBackground = 0x68030005,  // the ten colours follow in their fixed order
    kDispBitmapBackground = 0x68030006,
    kDispMenuBarBackground = 0x68030007,
    kDispTextColor = 0x68030008,
    kDispDisabledTextColor = 0x68030009,
    kDispHighlightedTextColor = 0x6803000A,
    kDispMenuHighlight = 0x6803000B,
    kDispMenuHighlightBorder = 0x6803000C,
    kDispTooltipBackground = 0x6803000D,
    kDispTooltipTextColor = 0x6803000E,
    kDispLanguage = 0x6803000F,
    kDispRightToLeft = 0x68030010,
    kDispShowTooltip = 0x68030011,
    kDispTooltipStyle = 0x68030012,
    kDispShowTooltipTitle = 0x68030013,
    kDispBackgroundPicture = 0x68030014,
    kDispTooltipInitialDelay = 0x68030015,
    kDispTooltipReshowDelay = 0x68030016,
    kDispTooltipAutopopDelay = 0x68030017,
    kDispEnabled = 0x68030018,
    kDispHighlightAppearance = 0x68030019,
    kDispUnicode = 0x6803001A,
    kDispHighlightOverBitmap = 0x6803001B,
    kDispMenuIconSet = 0x6803001C,
    kDispLockRefresh = 0x6803001D,
    kDispVersion = 0x6803001E,
};

}  // namespace brocade
