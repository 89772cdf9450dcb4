// The configurations the gallery shows: every highlight style, border, icon set and edge,
// custom colours, a background picture, right to left, Japanese, MDI, checked and disabled items.
#pragma once
#include <string>
#include <vector>

#include "demo_form.h"
#include "menu_driver.h"
#include "style_settings.h"

namespace brocade::demo {

struct GalleryConfiguration {
    std::wstring file;      // picture file name, e.g. "style-09.png"
    std::wstring title;     // what the picture shows
    StyleSettings settings;
    FormKind form = FormKind::Single;
    SIZE formSize = {420, 270};
    MenuPath path;
    std::wstring pathText;  // the opened menu, for the caption
    // Instead of the real popup (whose border the system draws), the popup's items drawn by the
    // control on a window with the menu's 3-pixel border standing in for it.
    bool standInPopup = false;
    // Taken with the user's high-contrast setting switched on for the session.
    bool highContrast = false;
    // Not 0: taken by a new demo process that starts with the desktop's LogPixels at this DPI.
    DWORD dpi = 0;
};

// The whole gallery, or a reduced set (the eleven styles, right to left, and checked and
// disabled items) that takes a fraction of the time.
std::vector<GalleryConfiguration> GalleryConfigurations(bool quick);

}  // namespace brocade::demo
