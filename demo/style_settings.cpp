#include "style_settings.h"

#include <olectl.h>

#include "common/com_ptr.h"
#include "common/gdi.h"
#include "demo_menus.h"

namespace brocade::demo {

namespace {

VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

constexpr long kJapanese = 2;

// A warm palette, far from the system colours, so custom colours are easy to tell apart.
struct Palette {
    OLE_COLOR menuBackground = RGB(255, 250, 238);
    OLE_COLOR bitmapBackground = RGB(246, 226, 190);
    OLE_COLOR menuBarBackground = RGB(250, 236, 210);
    OLE_COLOR textColor = RGB(80, 40, 10);
    OLE_COLOR disabledTextColor = RGB(190, 160, 130);
    OLE_COLOR highlightedTextColor = RGB(255, 255, 255);
    OLE_COLOR menuHighlight = RGB(214, 96, 32);
    OLE_COLOR menuHighlightBorder = RGB(130, 50, 10);
};

// The system's menu font in the face the system picks for Japanese text: a host with Japanese
// menus gives the control a font that has the glyphs. (The system menu font's own face may
// not: the font mapper then realises a Latin face, and the titles show boxes.)
ComPtr<IFontDisp> JapaneseMenuFont() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
    LOGFONTW wanted = metrics.lfMenuFont;
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    wanted.lfFaceName[0] = L'\0';
    UniqueFont font(CreateFontIndirectW(&wanted));
    WindowDc screen(nullptr);
    if (!font || !screen) return {};
    wchar_t face[LF_FACESIZE] = {};
    {
        SelectGuard selected(screen.Get(), font.Get());
        if (!GetTextFaceW(screen.Get(), LF_FACESIZE, face)) return {};
    }
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    const LONG height = wanted.lfHeight < 0 ? -wanted.lfHeight : wanted.lfHeight;
    FONTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.lpstrName = face;
    description.cySize.int64 = dpi > 0 && height > 0 ? static_cast<LONGLONG>(height) * 72 * 10000 / dpi : 90000;
    description.sWeight = static_cast<SHORT>(wanted.lfWeight ? wanted.lfWeight : FW_NORMAL);
    description.sCharset = SHIFTJIS_CHARSET;
    ComPtr<IFontDisp> made;
    if (FAILED(OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void **>(made.Out())))) return {};
    return made;
}

// A 16x16 tile of dark diagonal stripes, wrapped in a picture object that owns the bitmap.
// Dark, because text over a background picture is white, combined with the picture by OR.
ComPtr<IPictureDisp> MakeTilePicture() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return ComPtr<IPictureDisp>();
    auto *pixels = static_cast<DWORD *>(bits);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) pixels[y * 16 + x] = ((x + y) % 8 < 2) ? 0x2A4A78 : 0x203A60;
    PICTDESC desc = {sizeof desc, PICTYPE_BITMAP};
    desc.bmp.hbitmap = bitmap.Get();
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(picture.Out()))))
        return ComPtr<IPictureDisp>();
    bitmap.Release();  // the picture owns it now
    return picture;
}

void ApplyColors(_Brocade *control, bool custom) {
    if (custom) {
        Palette palette;
        control->put_MenuBackground(palette.menuBackground);
        control->put_BitmapBackground(palette.bitmapBackground);
        control->put_MenuBarBackground(palette.menuBarBackground);
        control->put_TextColor(palette.textColor);
        control->put_DisabledTextColor(palette.disabledTextColor);
        control->put_HighlightedTextColor(palette.highlightedTextColor);
        control->put_MenuHighlight(palette.menuHighlight);
        control->put_MenuHighlightBorder(palette.menuHighlightBorder);
    }
    control->put_UseCustomColors(ToVariantBool(custom));
}

void CheckRange(HMENU menu, const std::vector<NamedValue> &names, UINT base, long current) {
    for (const NamedValue &named : names)
        CheckMenuItem(menu, base + static_cast<UINT>(named.value),
                      MF_BYCOMMAND | (named.value == current ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

const std::vector<NamedValue> &HighlightStyleNames() {
    static const std::vector<NamedValue> names = {
        {0, L"Plain"},        {1, L"Horizontal Left To Right"}, {2, L"Horizontal Right To Left"},
        {3, L"Horizontal Center"}, {4, L"Vertical Top To Bottom"}, {5, L"Vertical Bottom To Top"},
        {6, L"Vertical Center"},   {7, L"Diagonal"},                {8, L"Radial"},
        {9, L"XP"},                {10, L"Office 2003"}};
    return names;
}

const std::vector<NamedValue> &BorderNames() {
    static const std::vector<NamedValue> names = {{0, L"Normal"}, {1, L"Flat"}, {2, L"Flat with Shadow"}};
    return names;
}

const std::vector<NamedValue> &AppearanceNames() {
    static const std::vector<NamedValue> names = {
        {0, L"bdFlat"}, {1, L"bd3DRaised"}, {2, L"bd3DSunken"}, {3, L"bdEdgeEtched"}, {4, L"bdFlatWithBorder"}};
    return names;
}

const std::vector<NamedValue> &IconSetNames() {
    static const std::vector<NamedValue> names = {
        {0, L"bdDefault"}, {1, L"bdOffice2003"}, {16, L"bdSkyline"}, {17, L"bdSunrise"}, {18, L"bdSnowflakes"}};
    return names;
}

const std::vector<NamedValue> &LanguageNames() {
    static const std::vector<NamedValue> names = {
        {0, L"English"}, {1, L"Korean"},  {2, L"Japanese"}, {3, L"Italian"},
        {4, L"French"},  {5, L"Spanish"}, {6, L"German"},   {7, L"Chinese(Traditional)"},
        {8, L"Chinese(Simplified)"},      {10, L"Russian"}};
    return names;
}

std::wstring NameOf(const std::vector<NamedValue> &names, long value) {
    for (const NamedValue &named : names)
        if (named.value == value) return named.name;
    return std::to_wstring(value);
}

std::wstring Describe(const StyleSettings &settings) {
    std::wstring text = L"HighlightStyle " + NameOf(HighlightStyleNames(), settings.highlightStyle) +
                        L", MenuBorder " + NameOf(BorderNames(), settings.border) + L", HighlightAppearance " +
                        NameOf(AppearanceNames(), settings.appearance) + L", MenuIconSet " +
                        NameOf(IconSetNames(), settings.iconSet) + L", Language " +
                        NameOf(LanguageNames(), settings.language);
    if (settings.customColors) text += L", UseCustomColors";
    if (settings.backgroundPicture) text += L", BackgroundPicture";
    if (settings.rightToLeft) text += L", RightToLeft";
    return text;
}

bool UsesJapaneseCaptions(const StyleSettings &settings) { return settings.language == kJapanese; }

namespace {

int CALLBACK NoteFont(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found) {
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

}  // namespace

bool JapaneseFontInstalled() {
    LOGFONTW wanted = {};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    bool found = false;
    WindowDc screen(nullptr);
    if (screen) EnumFontFamiliesExW(screen.Get(), &wanted, NoteFont, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

bool ApplyStyleCommand(UINT command, StyleSettings &settings) {
    auto in = [command](UINT base, long last) { return command >= base && command <= base + static_cast<UINT>(last); };
    if (in(kCmdHighlightStyleBase, 10)) settings.highlightStyle = static_cast<long>(command - kCmdHighlightStyleBase);
    else if (in(kCmdBorderBase, 2)) settings.border = static_cast<long>(command - kCmdBorderBase);
    else if (in(kCmdAppearanceBase, 4)) settings.appearance = static_cast<long>(command - kCmdAppearanceBase);
    else if (in(kCmdIconSetBase, 18)) settings.iconSet = static_cast<long>(command - kCmdIconSetBase);
    else if (in(kCmdLanguageBase, 10) && command != kCmdLanguageBase + 9)
        settings.language = static_cast<long>(command - kCmdLanguageBase);
    else if (command == kCmdCustomColors) settings.customColors = !settings.customColors;
    else if (command == kCmdBackgroundPicture) settings.backgroundPicture = !settings.backgroundPicture;
    else if (command == kCmdRightToLeft) settings.rightToLeft = !settings.rightToLeft;
    else return false;
    return true;
}

void ApplyToControl(_Brocade *control, const StyleSettings &settings) {
    if (!control) return;
    control->put_HighlightStyle(static_cast<bdHighlight>(settings.highlightStyle));
    control->put_MenuBorder(static_cast<bdBorder>(settings.border));
    control->put_HighlightAppearance(static_cast<bdHighlightAppearance>(settings.appearance));
    control->put_MenuIconSet(static_cast<bdMenuIconSet>(settings.iconSet));
    control->put_Language(static_cast<bdLanguage>(settings.language));
    control->put_Unicode(ToVariantBool(UsesJapaneseCaptions(settings)));
    // Null gives the system menu font back.
    control->SetMenuCaptionFont(UsesJapaneseCaptions(settings) ? JapaneseMenuFont().Get() : nullptr);
    control->put_RightToLeft(ToVariantBool(settings.rightToLeft));
    ApplyColors(control, settings.customColors);
    ComPtr<IPictureDisp> current;
    control->get_BackgroundPicture(current.Out());
    if (static_cast<bool>(current) != settings.backgroundPicture) {
        ComPtr<IPictureDisp> picture;
        if (settings.backgroundPicture) picture = MakeTilePicture();
        control->putref_BackgroundPicture(picture.Get());
    }
}

void CheckStyleMenu(HMENU styleMenu, const StyleSettings &settings) {
    HMENU styles = GetSubMenu(styleMenu, 0), borders = GetSubMenu(styleMenu, 1);
    HMENU appearances = GetSubMenu(styleMenu, 2), iconSets = GetSubMenu(styleMenu, 3);
    HMENU languages = GetSubMenu(styleMenu, 4);
    CheckRange(styles, HighlightStyleNames(), kCmdHighlightStyleBase, settings.highlightStyle);
    CheckRange(borders, BorderNames(), kCmdBorderBase, settings.border);
    CheckRange(appearances, AppearanceNames(), kCmdAppearanceBase, settings.appearance);
    CheckRange(iconSets, IconSetNames(), kCmdIconSetBase, settings.iconSet);
    CheckRange(languages, LanguageNames(), kCmdLanguageBase, settings.language);
    auto check = [styleMenu](UINT command, bool on) {
        CheckMenuItem(styleMenu, command, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    check(kCmdCustomColors, settings.customColors);
    check(kCmdBackgroundPicture, settings.backgroundPicture);
    check(kCmdRightToLeft, settings.rightToLeft);
}

}  // namespace brocade::demo
