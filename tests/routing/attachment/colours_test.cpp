// Colours as a host reads them: the custom colour or the derived default, as an RGB value at run
// time and as the stored OLE colour at design time; the defaults each highlight style derives
// from the system palette.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/form.h"
#include "support/hosted_control.h"
#include "support/settings.h"

using namespace brocade_test;

namespace {

constexpr DWORD Sys(int index) { return 0x80000000u | static_cast<DWORD>(index); }
// What a run-mode control reads for an OLE colour: a system colour becomes its current RGB value.
DWORD AtRunTime(DWORD colour) { return colour & 0x80000000u ? GetSysColor(colour & 0xFF) : colour; }
std::string Ole(DWORD colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(colour));
    return text;
}
DWORD Read(IDispatch *control, const wchar_t *name) { return static_cast<DWORD>(Get(control, name).value.AsLong()); }

}  // namespace

TEST(Colours, AreTheCustomValueOnlyWithUseCustomColorsAndNotMinusOneAndRgbOnlyAtRunTime) {
    Form form;
    struct Row {
        const char *name;
        bool useCustomColors;
        LONG set;
        DWORD read;  // as stored; translated to RGB at run time
    };
    const Row rows[] = {
        {"custom colours off", false, 0x112233, Sys(COLOR_MENUTEXT)},
        {"custom colours on", true, 0x112233, 0x112233},
        {"custom colour -1", true, -1, Sys(COLOR_MENUTEXT)},
        {"custom system colour", true, static_cast<LONG>(Sys(COLOR_BTNFACE)), Sys(COLOR_BTNFACE)},
    };
    for (bool userMode : {true, false}) {
        HostedControl control = HostedControl::WithSite(form, SiteOptions{userMode});
        ASSERT_TRUE(control);
        for (const Row &row : rows) {
            SCOPED_TRACE(testing::Message() << row.name << (userMode ? " at run time" : " at design time"));
            ASSERT_EQ(Put(control, L"UseCustomColors", row.useCustomColors).hr, S_OK);
            ASSERT_EQ(Put(control, L"TextColor", row.set).hr, S_OK);
            EXPECT_EQ(Ole(Read(control, L"TextColor")), Ole(userMode ? AtRunTime(row.read) : row.read));
        }
    }
}

namespace {

// The system colours the defaults derive from; the menu bar takes the menu's colour too, which
// keeps the flat-menu setting out of the results.
struct Palette {
    COLORREF menu, highlight, face;
};
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr Palette kClassic = {RGB(212, 208, 200), RGB(10, 36, 106), RGB(212, 208, 200)};
constexpr Palette kWhiteMenu = {kWhite, RGB(51, 153, 255), RGB(240, 240, 240)};
constexpr Palette kTinted = {RGB(200, 220, 240), RGB(51, 153, 255), RGB(240, 240, 240)};

// The colours that differ per style and palette, then four every style takes as they are.
const wchar_t *const kColours[] = {L"MenuBackground", L"BitmapBackground", L"MenuBarBackground",
                                   L"HighlightedTextColor", L"MenuHighlight", L"MenuHighlightBorder",
                                   L"TextColor", L"DisabledTextColor", L"TootipBackground", L"TootipTextColor"};
constexpr DWORD kText = Sys(COLOR_MENUTEXT);

struct Defaults {
    const char *name;
    long style;
    const Palette *palette;
    DWORD colours[6];  // the first six of kColours, as stored
};

// Worked by hand from the palettes. XP and Office 2003 on the classic grey: the grey menu gives
// way to white, its face selects the fixed pair 0xD6BEB5 / 0x6B2408; Office 2003 averages the
// menu twice with white, halves to even: (233.5, 231.5, 227.5) -> (234, 232, 228) -> (244, 244, 242).
// Elsewhere the border is the selection colour and the highlight its mean with the window colour.
const Defaults kDefaults[] = {
    {"Plain", 0, &kTinted, {RGB(200, 220, 240), RGB(200, 220, 240), RGB(200, 220, 240), Sys(COLOR_HIGHLIGHTTEXT),
                            Sys(COLOR_HIGHLIGHT), Sys(COLOR_BTNSHADOW)}},
    {"XpOnClassicGrey", 9, &kClassic,
     {kWhite, Sys(COLOR_BTNFACE), RGB(212, 208, 200), Sys(COLOR_HIGHLIGHTTEXT), 0xD6BEB5, 0x6B2408}},
    {"Office2003OnClassicGrey", 10, &kClassic,
     {RGB(244, 244, 242), RGB(212, 208, 200), RGB(212, 208, 200), kText, 0xD6BEB5, 0x6B2408}},
    {"XpOnWhite", 9, &kWhiteMenu,
     {kWhite, Sys(COLOR_BTNFACE), kWhite, Sys(COLOR_HIGHLIGHTTEXT), RGB(153, 204, 255), RGB(51, 153, 255)}},
    // A tinted menu darkened by 0.8 for the bitmap column.
    {"XpOnTinted", 9, &kTinted, {RGB(200, 220, 240), RGB(160, 176, 192), RGB(200, 220, 240), Sys(COLOR_HIGHLIGHTTEXT),
                                 RGB(153, 204, 255), RGB(51, 153, 255)}},
    // (227.5, 237.5, 247.5) -> (228, 238, 248) -> (241.5, 246.5, 251.5) -> (242, 246, 252).
    {"Office2003OnTinted", 10, &kTinted, {RGB(242, 246, 252), RGB(240, 240, 240), RGB(200, 220, 240), kText,
                                          RGB(153, 204, 255), RGB(51, 153, 255)}},
};

class DefaultColours : public testing::TestWithParam<Defaults> {};

}  // namespace

TEST_P(DefaultColours, FollowTheHighlightStyleAndTheSystemPalette) {
    const Defaults &row = GetParam();
    const Palette &p = *row.palette;
    // Put back when the test ends.
    ScopedSysColors palette({{COLOR_MENU, p.menu}, {COLOR_MENUBAR, p.menu}, {COLOR_MENUTEXT, RGB(0, 0, 0)},
                             {COLOR_HIGHLIGHT, p.highlight}, {COLOR_HIGHLIGHTTEXT, kWhite}, {COLOR_BTNFACE, p.face},
                             {COLOR_WINDOW, kWhite}});
    const DWORD same[] = {kText, Sys(COLOR_GRAYTEXT), Sys(COLOR_INFOBK), Sys(COLOR_INFOTEXT)};
    Form form;
    for (bool userMode : {true, false}) {
        HostedControl control = HostedControl::WithSite(form, SiteOptions{userMode});
        ASSERT_TRUE(control);
        ASSERT_EQ(Put(control, L"HighlightStyle", row.style).hr, S_OK);
        for (int i = 0; i < 10; ++i) {
            const DWORD expected = i < 6 ? row.colours[i] : same[i - 6];
            EXPECT_EQ(Ole(Read(control, kColours[i])), Ole(userMode ? AtRunTime(expected) : expected))
                << testing::PrintToString(kColours[i]) << (userMode ? " at run time" : " at design time");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Colours, DefaultColours, testing::ValuesIn(kDefaults),
                         [](const testing::TestParamInfo<Defaults> &info) { return info.param.name; });
