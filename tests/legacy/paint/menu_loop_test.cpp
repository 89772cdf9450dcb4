// Real popups of a form the control is attached to, run by the system's menu loop and read
// back from the screen: the pixels the default painting puts where the rules pin them.
#include <gtest/gtest.h>

#include "common/enums.h"
#include "menu/menu_scan.h"
#include "paint/menu_loop_support.h"
#include "paint/paint_test_support.h"
#include "common/color_utils.h"

namespace paint_test {
namespace {

using brocade::kTrue;

constexpr COLORREF kMenuBack = RGB(250, 240, 200), kColumnBack = RGB(180, 200, 220);
constexpr COLORREF kText = RGB(0, 0, 80), kDisabledText = RGB(140, 140, 140), kHighlightedText = RGB(255, 255, 0);
constexpr COLORREF kHighlight = RGB(0, 100, 0), kHighlightBorder = RGB(200, 0, 0);

class MenuLoop : public testing::Test {
protected:
    LoopForm form;
    HMENU popup = nullptr;
    const int bw = GetSystemMetrics(SM_CYMENU);  // the column without pictures

    void SetUp() override {
        brocade::Control &core = form.Core();
        core.SetUseCustomColors(kTrue);
        core.SetColor(brocade::kMenuBackground, kMenuBack);
        core.SetColor(brocade::kBitmapBackground, kColumnBack);
        core.SetColor(brocade::kTextColor, kText);
        core.SetColor(brocade::kDisabledTextColor, kDisabledText);
        core.SetColor(brocade::kHighlightedTextColor, kHighlightedText);
        core.SetColor(brocade::kMenuHighlight, kHighlight);
        core.SetColor(brocade::kMenuHighlightBorder, kHighlightBorder);
        core.SetHighlightStyle(brocade::kPlain);
        popup = CreatePopupMenu();
        AppendMenuA(popup, MF_STRING, 201, "&Alpha\tCtrl+A");
        AppendMenuA(popup, MF_STRING, 202, "Bravo");
        AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(popup, MF_STRING | MF_GRAYED, 203, "Charlie");
        AppendMenuA(popup, MF_STRING, 204, "Delta");
    }
    void TearDown() override { DestroyMenu(popup); }

    PopupPicture Track(int downs = 1) {
        PopupPicture picture = form.TrackAndCapture(popup, downs);
        EXPECT_TRUE(picture.pixels) << "the popup was not found";
        EXPECT_EQ(picture.items.size(), 5u);
        if (picture.pixels) {
            const RECT whole = {0, 0, picture.pixels->Width(), picture.pixels->Height()};
            for (const RECT &item : picture.items) {
                RECT inside = {};
                IntersectRect(&inside, &item, &whole);
                EXPECT_TRUE(EqualRect(&inside, &item)) << item.left << "," << item.top << " " << item.right << ","
                                                       << item.bottom << " in " << whole.right << "x" << whole.bottom;
            }
        }
        return picture;
    }
    static int Count(const PopupPicture &picture, int item, COLORREF color) {
        RECT inside = {}, whole = {0, 0, picture.pixels->Width(), picture.pixels->Height()};
        IntersectRect(&inside, &picture.items[item], &whole);
        return CountColor(*picture.pixels, inside, color);
    }
};

// Plain style, normal border: the first item selected by the keyboard shows its bar from
// bw + 2 to the item's right edge; the others their background and column.
TEST_F(MenuLoop, ThePlainBarAndTheBitmapColumn) {
    PopupPicture picture = Track();
    if (!picture.pixels) return;
    const int mid = picture.Height(0) / 2;
    EXPECT_EQ(picture.At(0, 0, mid), kColumnBack);
    EXPECT_EQ(picture.At(0, bw, mid), kColumnBack);
    EXPECT_EQ(picture.At(0, bw + 1, mid), kMenuBack);
    EXPECT_EQ(picture.At(0, bw + 2, 0), kHighlight);
    EXPECT_EQ(picture.At(0, picture.Width(0) - 1, picture.Height(0) - 1), kHighlight);
    EXPECT_GT(Count(picture, 0, kHighlightedText), 0);  // the selected caption
    EXPECT_EQ(picture.At(1, bw + 2, 0), kMenuBack);
    EXPECT_GT(Count(picture, 1, kText), 0);
    EXPECT_GT(form.site.drawMenuItem, 0);
}

// XP covers the column with its bar, outlined in MenuHighlightBorder.
TEST_F(MenuLoop, TheXPBarCoversTheColumnWithABorder) {
    form.Core().SetHighlightStyle(brocade::kXP);
    PopupPicture picture = Track();
    if (!picture.pixels) return;
    const int mid = picture.Height(0) / 2;
    EXPECT_EQ(picture.At(0, 0, mid), kHighlightBorder);
    EXPECT_EQ(picture.At(0, 3, mid), kHighlight);
    EXPECT_EQ(picture.At(0, picture.Width(0) - 1, mid), kHighlightBorder);
}

// A disabled item: the HighlightedTextColor copy one pixel right and down, then the text in
// DisabledTextColor.
TEST_F(MenuLoop, DisabledTextIsEmbossed) {
    PopupPicture picture = Track();
    if (!picture.pixels) return;
    EXPECT_GT(Count(picture, 3, kDisabledText), 0);
    EXPECT_GT(Count(picture, 3, kHighlightedText), 0);
    EXPECT_EQ(Count(picture, 3, kText), 0);
}

// Flat with Shadow: the last item's column and bar end 2 pixels above its bottom, its
// background reaches the bottom; bars end 2 pixels before the right edge.
TEST_F(MenuLoop, TheLastItemKeepsTwoPixelsForTheShadow) {
    form.Core().SetMenuBorder(brocade::kBorderFlatWithShadow);
    PopupPicture picture = Track(4);  // Open, Save, Disabled (skipped or not), Close
    if (!picture.pixels) return;
    const int last = 4, h = picture.Height(last), w = picture.Width(last);
    EXPECT_EQ(picture.At(last, 0, h - 3), kColumnBack);
    EXPECT_EQ(picture.At(last, 0, h - 2), kMenuBack);
    EXPECT_EQ(picture.At(last, 0, h - 1), kMenuBack);
    if (picture.At(last, bw + 2, 0) == kHighlight) {  // Close is the selected one
        EXPECT_EQ(picture.At(last, bw + 2, h - 3), kHighlight);
        EXPECT_EQ(picture.At(last, bw + 2, h - 2), kMenuBack);
        EXPECT_EQ(picture.At(last, w - 3, 0), kHighlight);
        EXPECT_EQ(picture.At(last, w - 2, 0), kMenuBack);
    } else {
        ADD_FAILURE() << "the last item is not selected";
    }
}

// The picture of an item is centred in the column: bw = 16 + 4 = 20, so x = RoundEven(2) = 2
// and y = RoundEven((cy - 16) / 2).
TEST_F(MenuLoop, TheIconSitsCentredInTheColumn) {
    ComPtr<IPictureDisp> icon = PaintedPicture(16, 16, [](int x, int y) {
        return (x == 0 || y == 0) ? RGB(255, 0, 0) : RGB(0, 0, 255);
    });
    form.site.onSetMenuItemAttributes = [&](brocade::MenuItemRecord &record) {
        if (record.Position() == 1) record.SetPicture(icon.Get());
    };
    PopupPicture picture = Track(0);
    if (!picture.pixels) return;
    const int y = brocade::RoundEven((picture.Height(1) - 16) / 2.0);
    EXPECT_EQ(picture.At(1, 2, y), RGB(255, 0, 0));
    EXPECT_EQ(picture.At(1, 3, y + 1), RGB(0, 0, 255));
    EXPECT_EQ(picture.At(1, 17, y + 15), RGB(0, 0, 255));
    EXPECT_EQ(picture.At(1, 1, y + 1), kColumnBack);
    EXPECT_EQ(picture.At(1, 18, y + 1), kColumnBack);
    EXPECT_EQ(picture.At(1, 20, y + 1), kColumnBack);  // the column is bw + 1 = 21 wide
    EXPECT_EQ(picture.At(1, 21, y + 1), kMenuBack);
}

// The host draws an item itself; the screen shows what it drew.
TEST_F(MenuLoop, AUserDrawnItemShowsTheHostsPainting) {
    form.site.onDrawMenuItem = [](brocade::MenuItemRecord &record, HDC dc, bool, long cx, long cy,
                                  brocade::Boolean &drawn) {
        if (record.Position() != 1) return;
        BITMAP bitmap = {};
        GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, cx);
        EXPECT_EQ(bitmap.bmHeight, cy);
        RECT all = {0, 0, cx, cy};
        brocade::UniqueBrush brush(CreateSolidBrush(RGB(12, 34, 56)));
        FillRect(dc, &all, brush.Get());
        drawn = kTrue;
    };
    PopupPicture picture = Track(0);
    if (!picture.pixels) return;
    EXPECT_EQ(Count(picture, 1, RGB(12, 34, 56)), picture.Width(1) * picture.Height(1));
}

}  // namespace
}  // namespace paint_test
