// The size the control answers when the menu measures an item: from the texts' extents in the
// fonts the host set, the pictures, the system's menu metrics (read here, never assumed) and the
// host's SetMenuItemSize.
#include <cmath>
#include <vector>

#include "gdi.h"
#include "pixels/bench.h"

using namespace brocade_test;

namespace {

// Captions and shortcuts in fonts of different sizes, so that one measured in the other's shows.
struct Font {
    const wchar_t *name;
    int points;
    bool bold;
    ComPtr<IFontDisp> Ole() const {
        FONTDESC description = {sizeof description, const_cast<LPOLESTR>(name), {}, SHORT(bold ? FW_BOLD : FW_NORMAL)};
        description.cySize.int64 = points * 10000LL;
        ComPtr<IFontDisp> font;
        EXPECT_EQ(OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void **>(font.Out())), S_OK);
        return font;
    }
    // The text's extent in the GDI font of the same name, size (at the screen's resolution) and weight.
    SIZE Extent(const char *text) const {
        HDC screen = GetDC(nullptr);
        const int height = -static_cast<int>(std::nearbyint(points * GetDeviceCaps(screen, LOGPIXELSY) / 72.0));
        brocade::UniqueFont gdi(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, name));
        SIZE size = {};
        {
            brocade::SelectGuard selected(screen, gdi.Get());
            GetTextExtentPoint32A(screen, text, lstrlenA(text), &size);
        }
        ReleaseDC(nullptr, screen);
        return size;
    }
};
const Font kCaption = {L"Tahoma", 14, true}, kShortcut = {L"Tahoma", 8, false};

// What the expected sizes are made of.
struct Metrics {
    LONG cy = GetSystemMetrics(SM_CYMENU), check = GetSystemMetrics(SM_CXMENUCHECK);
    // Widest caption and shortcut of the popup, and the line height the texts alone ask for.
    // (Captions without a default picture of their own.)
    LONG captions = std::max<LONG>({kCaption.Extent("Alpha").cx, kCaption.Extent("Bravo Charlie").cx,
                                    kCaption.Extent("Delta").cx, kCaption.Extent("Echo").cx});
    LONG shortcuts = std::max<LONG>(kShortcut.Extent("Ctrl+O").cx, kShortcut.Extent("Alt+F4").cx);
    LONG line = std::max<LONG>({cy, kCaption.Extent("Alpha").cy + 4, kShortcut.Extent("Ctrl+O").cy + 4});
    LONG Popup(LONG column) const { return std::max<LONG>(column, cy) + captions + shortcuts + check; }
};

struct Measure {
    const char *name;
    int picture = 0, checkMark = 0;  // the first item's picture, or the control's CheckMark with it checked
    int border = 0;
    LONG hostWidth = 0, hostHeight = 0;
    bool title = false;
    // The expected size of the item at a position (of the popup, or of the menu bar's title).
    SIZE (*expected)(const Metrics &m, int position);
};

const Measure kMeasures[] = {
    // Every item as wide as the widest caption and shortcut, beside a column of SM_CYMENU.
    {"TextsAndMetrics", 0, 0, 0, 0, 0, false, [](const Metrics &m, int) { return SIZE{m.Popup(4), m.line}; }},
    // A picture widens the column to its width + 4 and heightens its own item only.
    {"APicture", 32, 0, 0, 0, 0, false,
     [](const Metrics &m, int p) { return SIZE{m.Popup(36), p ? m.line : std::max<LONG>(m.line, 36)}; }},
    // A checked item without a picture measures the CheckMark in its place.
    {"ACheckMark", 0, 30, 0, 0, 0, false,
     [](const Metrics &m, int p) { return SIZE{m.Popup(34), p ? m.line : std::max<LONG>(m.line, 34)}; }},
    // Wider by 2 for the shadow, and the last item taller by 2; a separator is half a line.
    {"FlatWithShadow", 0, 0, 2, 0, 0, false,
     [](const Metrics &m, int p) {
         const LONG half = std::lrint(m.cy / 2.0);  // halves to even
         return SIZE{p == 3 ? 2 : m.Popup(4) + 2, p == 3 ? half : p == 4 ? m.line + 2 : m.line};
     }},
    {"WhatTheHostAnswers", 0, 0, 0, 200, 30, false, [](const Metrics &, int) { return SIZE{200, 30}; }},
    {"WhatTheHostAnswersWithTheShadow", 0, 0, 2, 200, 30, false,
     [](const Metrics &, int p) { return SIZE{202, p == 4 ? 32 : 30}; }},
    // A title is as wide as its caption (no mnemonic marker), and 6 more beside its picture.
    {"Title", 0, 0, 0, 0, 0, true, [](const Metrics &m, int) {
         return SIZE{kCaption.Extent("File").cx, std::max<LONG>(m.cy, kCaption.Extent("File").cy + 4)};
     }},
    {"TitleWithAPicture", 32, 0, 0, 0, 0, true, [](const Metrics &m, int) {
         return SIZE{32 + kCaption.Extent("File").cx + 6, std::max<LONG>({m.cy, 36, kCaption.Extent("File").cy + 4})};
     }},
};

class Measured : public testing::TestWithParam<Measure> {};

TEST_P(Measured, ItemSizeFollowsTheTextsPicturesMetricsAndHost) {
    const Measure &row = GetParam();
    Bench bench({"Alpha\tCtrl+O", "Bravo Charlie", "Delta\tAlt+F4", "-", "Echo"}, row.hostWidth, row.hostHeight);
    EXPECT_EQ(Call(bench.control, L"SetMenuCaptionFont", {kCaption.Ole().Get()}).hr, S_OK);
    EXPECT_EQ(Call(bench.control, L"SetMenuShortcutFont", {kShortcut.Ole().Get()}).hr, S_OK);
    bench.Set(L"MenuBorder", row.border);
    if (row.checkMark) {
        EXPECT_EQ(PutRef(bench.control, L"CheckMark", BitmapPicture(row.checkMark, row.checkMark, kBar).Get()).hr, S_OK);
        CheckMenuItem(bench.popup, 0, MF_BYPOSITION | MF_CHECKED);
    }
    bench.sink.onSetMenuItemAttributes = [&](_CMenuItem *item) {
        if (row.picture && Get(item, L"Position").value.AsLong() == 0) {
            EXPECT_EQ(PutRef(item, L"Picture", BitmapPicture(row.picture, row.picture, kBar).Get()).hr, S_OK);
        }
    };
    const Metrics m;
    for (int position : row.title ? std::vector<int>{0} : std::vector<int>{0, 1, 2, 3, 4}) {
        if (position == 3 && !row.border) continue;  // 0 wide: nothing to draw into
        const Surface item = row.title ? bench.DrawTitle() : bench.Draw(position);
        const SIZE expected = row.expected(m, position);
        EXPECT_EQ(std::make_pair(item.Width(), item.Height()), std::make_pair(int(expected.cx), int(expected.cy)))
            << "item " << position << " (SM_CYMENU " << m.cy << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Item, Measured, testing::ValuesIn(kMeasures), ByName());

}  // namespace
