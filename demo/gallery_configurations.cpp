#include "gallery_configurations.h"

#include <cstdio>

namespace brocade::demo {

namespace {

// File > Open...: an item with a built-in picture and a shortcut.
const MenuPath kFileOpen = {kFileMenu, 1};
// View > Zoom > Zoom In: checked items, a disabled item and an open submenu.
const MenuPath kViewZoom = {kViewMenu, 3, 0};
// Format > Italic: items in their own fonts.
const MenuPath kFormatItalic = {kFormatMenu, 3};
// Window > the second document of the MDI window list.
const MenuPath kWindowList = {kWindowMenu, 8};
// Edit > Paste: a disabled item selected.
const MenuPath kEditPaste = {kEditMenu, 4};

std::wstring Numbered(const wchar_t *prefix, long value) {
    wchar_t name[64];
    swprintf(name, 64, L"%ls-%02ld.png", prefix, value);
    return name;
}

GalleryConfiguration Make(std::wstring file, std::wstring title, const StyleSettings &settings, MenuPath path,
                          std::wstring pathText) {
    GalleryConfiguration configuration;
    configuration.file = std::move(file);
    configuration.title = std::move(title);
    configuration.settings = settings;
    configuration.path = path;
    configuration.pathText = std::move(pathText);
    return configuration;
}

}  // namespace

std::vector<GalleryConfiguration> GalleryConfigurations(bool quick) {
    std::vector<GalleryConfiguration> all;
    const StyleSettings base;  // Horizontal Left To Right, Flat with Shadow, English
    for (const NamedValue &style : HighlightStyleNames()) {
        StyleSettings settings = base;
        settings.highlightStyle = style.value;
        all.push_back(Make(Numbered(L"style", style.value), std::wstring(L"HighlightStyle ") + style.name, settings,
                           kFileOpen, L"File > Open..."));
    }
    StyleSettings rightToLeft = base;
    rightToLeft.highlightStyle = 0;  // a plain bar: the gradients keep their direction
    rightToLeft.rightToLeft = true;
    all.push_back(Make(L"right-to-left.png", L"RightToLeft (compare style-00)", rightToLeft, kFileOpen,
                       L"File > Open..."));
    all.push_back(Make(L"checked-disabled-submenu.png", L"Checked items, a disabled item and an open submenu", base,
                       kViewZoom, L"View > Zoom > Zoom In"));
    if (quick) return all;

    for (const NamedValue &border : BorderNames()) {
        StyleSettings settings = base;
        settings.border = border.value;
        all.push_back(Make(Numbered(L"border", border.value), std::wstring(L"MenuBorder ") + border.name, settings,
                           kFileOpen, L"File > Open..."));
        all.back().formSize = {300, 110};  // the popup and its shadow reach over the backdrop
    }
    StyleSettings shadow = base;
    shadow.border = 2;
    all.push_back(Make(L"border-02-stand-in.png",
                       L"MenuBorder Flat with Shadow, drawn by the control on a stand-in popup window with the "
                       L"3-pixel border Windows gives popup menus, whatever border the running system gives them",
                       shadow, kFileOpen, L"File, stand-in popup"));
    all.back().formSize = {300, 110};
    all.back().standInPopup = true;
    for (const NamedValue &iconSet : IconSetNames()) {
        StyleSettings settings = base;
        settings.iconSet = iconSet.value;
        all.push_back(Make(Numbered(L"iconset", iconSet.value), std::wstring(L"MenuIconSet ") + iconSet.name,
                           settings, kFileOpen, L"File > Open..."));
    }
    for (const NamedValue &appearance : AppearanceNames()) {
        StyleSettings settings = base;
        settings.highlightStyle = 0;  // a plain bar shows the edge best
        settings.appearance = appearance.value;
        all.push_back(Make(Numbered(L"appearance", appearance.value),
                           std::wstring(L"HighlightAppearance ") + appearance.name, settings, kFileOpen,
                           L"File > Open..."));
    }
    StyleSettings custom = base;
    custom.customColors = true;
    all.push_back(Make(L"custom-colors.png", L"UseCustomColors with a warm palette", custom, kFileOpen,
                       L"File > Open..."));
    StyleSettings picture = base;
    picture.backgroundPicture = true;
    all.push_back(Make(L"background-picture.png", L"BackgroundPicture: a tiled picture behind the items", picture,
                       kFileOpen, L"File > Open..."));
    StyleSettings japanese = base;
    japanese.language = 2;
    all.push_back(Make(L"japanese.png", L"Language Japanese: Japanese captions, Japanese help in the status bar",
                       japanese, kFileOpen, L"File > Open..."));
    all.push_back(Make(L"fonts.png", L"Per-item fonts set in SetMenuItemAttributes", base, kFormatItalic,
                       L"Format > Italic"));
    all.push_back(Make(L"disabled-selected.png", L"A disabled item selected", base, kEditPaste, L"Edit > Paste"));
    GalleryConfiguration mdi = Make(L"mdi-window-list.png", L"MDI frame with its window list in the Window menu",
                                    base, kWindowList, L"Window > 2 Document 2");
    mdi.form = FormKind::MdiFrame;
    all.push_back(mdi);
    StyleSettings decorated = custom;
    decorated.backgroundPicture = true;
    GalleryConfiguration contrast = Make(L"high-contrast.png",
                                         L"High contrast: the system's colours, a solid highlight, no picture and no "
                                         L"shadow, although custom colours, a picture and a shadow are set",
                                         decorated, kFileOpen, L"File > Open...");
    contrast.highContrast = true;
    all.push_back(contrast);
    StyleSettings xp = base;
    xp.highlightStyle = 9;  // XP
    all.push_back(Make(L"dpi-144-xp.png", L"XP at 144 DPI: pictures, column, frame and shadow at 150 %", xp,
                       kFileOpen, L"File > Open..."));
    all.back().dpi = 144;
    StyleSettings office = base;
    office.highlightStyle = 10;  // Office 2003
    office.iconSet = 1;          // bdOffice2003, drawn for 32 pixels
    all.push_back(Make(L"dpi-192-office2003.png",
                       L"Office 2003 at 192 DPI: pictures, column, frame and shadow at 200 %", office, kFileOpen,
                       L"File > Open..."));
    all.back().dpi = 192;
    return all;
}

}  // namespace brocade::demo
