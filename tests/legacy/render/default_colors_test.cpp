// The derived default colours on two real system palettes, set with SetSysColors for the
// duration of each test and restored afterwards.
#include <gtest/gtest.h>

#include <vector>

#include "common/enums.h"
#include "common/color_utils.h"
#include "render/default_colors.h"

using namespace brocade;

namespace {

// Sets system colours and puts the previous ones back on scope exit.
class SystemColors {
public:
    SystemColors(std::vector<int> indexes, std::vector<COLORREF> values) : indexes_(std::move(indexes)) {
        for (int index : indexes_) saved_.push_back(GetSysColor(index));
        SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), values.data());
    }
    ~SystemColors() { SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), saved_.data()); }
    SystemColors(const SystemColors &) = delete;
    SystemColors &operator=(const SystemColors &) = delete;

private:
    std::vector<int> indexes_;
    std::vector<COLORREF> saved_;
};

const std::vector<int> kIndexes = {COLOR_MENU,    COLOR_MENUTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                                   COLOR_BTNFACE, COLOR_WINDOW,   COLOR_BTNSHADOW, COLOR_GRAYTEXT};

// The classic grey palette: the menu is RGB(212, 208, 200), so is the button face.
SystemColors ClassicPalette() {
    return SystemColors(kIndexes, {RGB(212, 208, 200), RGB(0, 0, 0), RGB(10, 36, 106), RGB(255, 255, 255),
                                   RGB(212, 208, 200), RGB(255, 255, 255), RGB(128, 128, 128), RGB(128, 128, 128)});
}

// A white menu over a light grey face and a blue selection.
SystemColors WhitePalette() {
    return SystemColors(kIndexes, {RGB(255, 255, 255), RGB(0, 0, 0), RGB(51, 153, 255), RGB(255, 255, 255),
                                   RGB(240, 240, 240), RGB(255, 255, 255), RGB(160, 160, 160), RGB(109, 109, 109)});
}

struct Defaults {
    OLE_COLOR c[kColorCount];
};

Defaults Compute(long style) {
    Defaults d;
    ComputeDefaultColors(style, d.c);
    return d;
}

}  // namespace

// Grey menu, XP: the grey menu gives way to the highlight text colour (white); a white menu
// takes the button face for its column, and that face being RGB(212, 208, 200) selects the
// fixed XP pair 0xD6BEB5 / 0x6B2408.
TEST(DefaultColors, XpOnTheClassicGreyPalette) {
    SystemColors palette = ClassicPalette();
    Defaults d = Compute(kXP);
    EXPECT_EQ(d.c[kMenuBackground], 0xFFFFFFu);
    EXPECT_EQ(d.c[kBitmapBackground], 0x8000000Fu);
    EXPECT_EQ(d.c[kMenuHighlight], 0xD6BEB5u);
    EXPECT_EQ(d.c[kMenuHighlightBorder], 0x6B2408u);
    EXPECT_EQ(d.c[kHighlightedTextColor], 0x8000000Eu);
    EXPECT_EQ(d.c[kTextColor], 0x80000007u);
    EXPECT_EQ(d.c[kDisabledTextColor], 0x80000011u);
    EXPECT_EQ(d.c[kTootipBackground], 0x80000018u);
    EXPECT_EQ(d.c[kTootipTextColor], 0x80000017u);
}

// Office 2003 also takes the face itself as the column (RGB(0x8000000F) = 0xC8D0D4), the
// menu text colour for highlighted text, and a background twice averaged with white:
// (212, 208, 200) -> (233.5, 231.5, 227.5) = (234, 232, 228) -> (244.5, 243.5, 241.5) =
// (244, 244, 242), halves to even.
TEST(DefaultColors, Office2003OnTheClassicGreyPalette) {
    SystemColors palette = ClassicPalette();
    Defaults d = Compute(kOffice2003);
    EXPECT_EQ(d.c[kMenuBackground], static_cast<OLE_COLOR>(RGB(244, 244, 242)));
    EXPECT_EQ(d.c[kBitmapBackground], static_cast<OLE_COLOR>(RGB(212, 208, 200)));
    EXPECT_EQ(d.c[kMenuHighlight], 0xD6BEB5u);
    EXPECT_EQ(d.c[kMenuHighlightBorder], 0x6B2408u);
    EXPECT_EQ(d.c[kHighlightedTextColor], 0x80000007u);
}

// White menu, XP: the face RGB(240, 240, 240) is not the classic one, so the border is the
// selection colour and the highlight the mean of white and it: (153, 204, 255).
TEST(DefaultColors, XpOnAWhiteMenu) {
    SystemColors palette = WhitePalette();
    Defaults d = Compute(kXP);
    EXPECT_EQ(d.c[kMenuBackground], 0xFFFFFFu);
    EXPECT_EQ(d.c[kBitmapBackground], 0x8000000Fu);
    EXPECT_EQ(d.c[kMenuHighlightBorder], static_cast<OLE_COLOR>(RGB(51, 153, 255)));
    EXPECT_EQ(d.c[kMenuHighlight], static_cast<OLE_COLOR>(RGB(153, 204, 255)));
    EXPECT_EQ(d.c[kHighlightedTextColor], 0x8000000Eu);
}

TEST(DefaultColors, Office2003OnAWhiteMenu) {
    SystemColors palette = WhitePalette();
    Defaults d = Compute(kOffice2003);
    EXPECT_EQ(d.c[kMenuBackground], 0xFFFFFFu);
    EXPECT_EQ(d.c[kBitmapBackground], static_cast<OLE_COLOR>(RGB(240, 240, 240)));
    EXPECT_EQ(d.c[kMenuHighlightBorder], static_cast<OLE_COLOR>(RGB(51, 153, 255)));
    EXPECT_EQ(d.c[kMenuHighlight], static_cast<OLE_COLOR>(RGB(153, 204, 255)));
    EXPECT_EQ(d.c[kHighlightedTextColor], 0x80000007u);
}

// Other styles stop after the system colours: the menu colour everywhere, system indexes.
TEST(DefaultColors, OtherStylesKeepTheSystemColours) {
    SystemColors palette = ClassicPalette();
    Defaults d = Compute(kRadial);
    EXPECT_EQ(d.c[kMenuBackground], static_cast<OLE_COLOR>(RGB(212, 208, 200)));
    EXPECT_EQ(d.c[kBitmapBackground], static_cast<OLE_COLOR>(RGB(212, 208, 200)));
    EXPECT_EQ(d.c[kMenuHighlight], 0x8000000Du);
    EXPECT_EQ(d.c[kMenuHighlightBorder], 0x80000010u);
}

// A non-white menu that is not the classic grey takes its darkened self as the column.
TEST(DefaultColors, XpDarkensAColouredMenuForTheColumn) {
    SystemColors palette(kIndexes, {RGB(200, 220, 240), RGB(0, 0, 0), RGB(51, 153, 255), RGB(255, 255, 255),
                                    RGB(240, 240, 240), RGB(255, 255, 255), RGB(160, 160, 160), RGB(109, 109, 109)});
    Defaults d = Compute(kXP);
    EXPECT_EQ(d.c[kMenuBackground], static_cast<OLE_COLOR>(RGB(200, 220, 240)));
    EXPECT_EQ(d.c[kBitmapBackground], static_cast<OLE_COLOR>(RGB(160, 176, 192)));
}

TEST(DefaultColors, SystemColoursAreRestored) {
    const COLORREF before = GetSysColor(COLOR_MENU);
    { SystemColors palette = WhitePalette(); }
    EXPECT_EQ(GetSysColor(COLOR_MENU), before);
}
