// The frame painter on a real popup menu window ("#32768") opened by TrackPopupMenu over a
// window of one colour, with the shadow's backdrop captured from the screen as the menu loop
// begins, the way the control takes it.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "common/gdi.h"
#include "common/enums.h"
#include "frame/frame_test_support.h"
#include "menu/menu_item.h"
#include "common/color_utils.h"
#include "render/popup_frame.h"
#include "render/shadow_backdrop.h"
#include "support/test_support.h"

namespace frame_test {
namespace {

using brocade_test::Hex;

constexpr COLORREF kMenuBackground = RGB(230, 230, 200);
constexpr COLORREF kPen = RGB(200, 20, 120);
constexpr COLORREF kScreen = RGB(90, 140, 210);

// The frame drawn beside every item of the open popup, as the item painter draws it.
void DrawFrameOfEveryItem(HWND popup, HMENU menu, const brocade::PopupFrameStyle &style) {
    RECT client;
    GetClientRect(popup, &client);
    POINT origin = {0, 0};
    ClientToScreen(popup, &origin);
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        RECT item = {};
        if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item)) continue;
        auto record = brocade::MenuItemRecord::Create();
        record->SetIsFirst(i == 0 ? brocade::kTrue : brocade::kFalse);
        record->SetIsLast(i == count - 1 ? brocade::kTrue : brocade::kFalse);
        brocade::DrawPopup(popup, *record.Get(), item.right - item.left, item.bottom - item.top, item.top - origin.y, style);
    }
}

struct Seen {
    bool open = false;
    RECT frame{};  // the popup on the screen
    Borders borders{};
    std::unique_ptr<Surface> before, after;
};

class RealPopup : public ::testing::Test {
protected:
    // Right of where the other test programs open their windows and menus.
    HWND behind = CreateColouredWindow(700, 450, 400, 400, kScreen);
    HMENU menu = CreatePopupMenu();
    brocade::UniqueBrush brush{CreateSolidBrush(kMenuBackground)};
    brocade::UniquePen pen{CreatePen(PS_INSIDEFRAME, 1, kPen)};
    brocade::ShadowBackdrop backdrop;

    void SetUp() override {
        for (const wchar_t *text : {L"&Open", L"&Save", L"Save &As", L"&Close"}) AppendMenuW(menu, MF_STRING, 100, text);
    }
    void TearDown() override {
        DestroyMenu(menu);
        DestroyWindow(behind);
    }
    Seen Open(long border) {
        Seen seen;
        const brocade::PopupFrameStyle style{border, kMenuBackground, brush.Get(), pen.Get(), &backdrop};
        seen.open = WithOpenPopup(
            behind, menu, 750, 500,
            [&] {
                if (border == brocade::kBorderFlatWithShadow) backdrop.Capture();
            },
            [&](HWND popup) {
                seen.borders = BordersOf(popup);
                GetWindowRect(popup, &seen.frame);
                seen.before = ReadWindow(popup);
                DrawFrameOfEveryItem(popup, menu, style);
                seen.after = ReadWindow(popup);
            });
        return seen;
    }
};

TEST_F(RealPopup, FlatDrawsTheOutlineInTheBorderColour) {
    Seen seen = Open(brocade::kBorderFlat);
    ASSERT_TRUE(seen.open);
    const Borders &b = seen.borders;
    EXPECT_EQ(seen.after->CountInColumn(0, kPen), b.height);
    EXPECT_EQ(seen.after->CountInColumn(b.width - 1, kPen), b.height);
    EXPECT_EQ(seen.after->CountInRow(0, kPen), b.width);
    for (long x = 1; x < b.left; ++x) EXPECT_EQ(Hex(seen.after->At(x, b.height / 2)), Hex(kMenuBackground)) << x;
}

TEST_F(RealPopup, FlatWithShadowDarkensTheColourBehindThePopup) {
    Seen seen = Open(brocade::kBorderFlatWithShadow);
    ASSERT_TRUE(seen.open);
    ASSERT_FALSE(backdrop.Empty());
    const Borders &b = seen.borders;
    const long w = b.width, h = b.height;
    // What lay behind the popup: the window of one colour, unless another program's window
    // came in between; the shades follow the captured screen either way.
    const LONG left = seen.frame.left, top = seen.frame.top;
    EXPECT_EQ(Hex(backdrop.At(left + w - 1, top + h / 2)), Hex(kScreen));
    auto screen = [&](long x, long y) { return backdrop.At(left + x, top + y); };
    auto inner = [&](long x, long y) { return Hex(brocade::DarkenColor(screen(x, y))); };
    auto outer = [&](long x, long y) {
        return Hex(brocade::DarkenColor(brocade::GetMeanColor(kMenuBackground, screen(x, y))));
    };
    // Wine's popup menu window has no non-client border (Windows gives it three pixels a
    // side): there the right and bottom edges lie outside the window and the shadow lines are
    // the items' last two columns and rows. Pixels an edge crosses (column W - bR, row H - bB,
    // the top row, the left column) are the outline's.
    const long rightEdge = w - b.right, bottomEdge = h - b.bottom;
    for (long y = 2; y < h - 2; ++y) {
        if (y == bottomEdge) continue;
        if (w - 2 != rightEdge) {
            ASSERT_EQ(Hex(seen.after->At(w - 2, y)), inner(w - 2, y)) << y;
        }
        if (w - 1 != rightEdge) {
            ASSERT_EQ(Hex(seen.after->At(w - 1, y)), outer(w - 1, y)) << y;
        }
    }
    for (long x = 2; x < w; ++x) {
        if (x == rightEdge) continue;
        if (h - 2 != bottomEdge) {
            ASSERT_EQ(Hex(seen.after->At(x, h - 2)), inner(x, h - 2)) << x;
        }
        if (h - 1 != bottomEdge) {
            ASSERT_EQ(Hex(seen.after->At(x, h - 1)), outer(x, h - 1)) << x;
        }
    }
    // The top two rows of the right shadow and the left two columns of the bottom one show the
    // screen unchanged.
    if (w - 1 != rightEdge) {
        EXPECT_EQ(Hex(seen.after->At(w - 1, 1)), Hex(screen(w - 1, 1)));
    }
    if (h - 1 != bottomEdge) {
        EXPECT_EQ(Hex(seen.after->At(1, h - 1)), Hex(screen(1, h - 1)));
    }
    if (h - 2 != bottomEdge) {
        EXPECT_EQ(Hex(seen.after->At(1, h - 2)), Hex(screen(1, h - 2)));
    }
}

TEST_F(RealPopup, NormalLeavesTheSystemsFrame) {
    Seen seen = Open(brocade::kBorderNormal);
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.after->FirstDifference(*seen.before), "");
}

}  // namespace
}  // namespace frame_test
