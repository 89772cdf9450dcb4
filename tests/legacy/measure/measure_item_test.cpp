// WM_MEASUREITEM on records of real scanned menus: popup columns, pictures and check marks,
// separators, menu-bar items, the host's override and the shadow allowance.
#include <gtest/gtest.h>

#include "common/enums.h"
#include "measure/measure_test_support.h"
#include "menu/menu_test_support.h"
#include "render/measure_item.h"

namespace measure_test {
namespace {

using brocade::kFalse;
using brocade::kTrue;
using menu_test::ItemData;
using menu_test::MakePicture;
using menu_test::PopupOf;

class MeasureItem : public testing::Test {
protected:
    menu_test::TestScanHost scanHost;
    brocade::MenuScanner scanner{scanHost};
    TestMeasureHost host{scanner};
    const long cyMenu = GetSystemMetrics(SM_CYMENU);
    const long cxMenuCheck = GetSystemMetrics(SM_CXMENUCHECK);

    void SetUp() override {
        // The hand-worked numbers below assume Windows' SM_CYMENU at 96 DPI, which Wine shares.
        // Its SM_CXMENUCHECK is 11 where Windows says 13, so widths add the system's value:
        // 19 + 60 + 35 + 13 = 127 on Windows is 125 under Wine.
        ASSERT_EQ(cyMenu, 19);
        // Captions 40, 60 and 50 pixels wide, shortcuts 0, 35 and 20.
        host.textSizes = {{"Forty", {40, 14}}, {"Sixty", {60, 14}},   {"Fifty", {50, 14}},
                          {"Ctrl+35", {35, 14}}, {"Ctrl+20", {20, 14}}, {"", {0, 0}}};
    }

    HMENU ScannedPopup(const std::vector<std::string> &texts) {
        HMENU menu = PopupOf(texts);
        scanner.ScanPopupMenu(nullptr, menu, brocade::kNoParentMenuId, false, false);
        RemeasureAll(menu);
        return menu;
    }
    // The scan measured the texts in real fonts; the hand-worked sizes replace them.
    void RemeasureAll(HMENU menu) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            if (RecordPtr record = At(menu, i)) brocade::RemeasureItem(host, *record.Get());
    }
    HMENU ThreeItemPopup() { return ScannedPopup({"Forty", "Sixty\tCtrl+35", "Fifty\tCtrl+20"}); }
    RecordPtr At(HMENU menu, int position) { return scanner.FindMenuItem(menu, position); }
    Measured MeasureAt(HMENU menu, int position) { return Measure(host, ItemData(menu, position)); }
    // An item's width from the sum of its bitmap, caption and shortcut columns.
    UINT Width(long columns) const { return static_cast<UINT>(columns + cxMenuCheck); }
};

TEST_F(MeasureItem, EveryItemOfAPopupGetsTheWidthOfTheWidestColumns) {
    HMENU menu = ThreeItemPopup();
    for (int i = 0; i < 3; ++i) {
        Measured answer = MeasureAt(menu, i);
        EXPECT_EQ(answer.result, 1);
        EXPECT_EQ(answer.route, kFalse);
        // Bitmap column max(0 + 4, 19) = 19, widest caption 60, widest shortcut 35: 114.
        EXPECT_EQ(answer.item.itemWidth, Width(114)) << i;
        // Texts 14 high: 14 + 4 = 18 < 19.
        EXPECT_EQ(answer.item.itemHeight, 19u) << i;
        EXPECT_EQ(answer.item.CtlType, static_cast<UINT>(ODT_MENU));
        EXPECT_EQ(answer.item.itemID, 101u);
    }
    EXPECT_EQ(host.raised, (std::vector<long>{1001, 1002, 1003}));
}

TEST_F(MeasureItem, APictureWidensTheColumnAndHeightensOnlyItsItem) {
    HMENU menu = ThreeItemPopup();
    // 16 pixels are 423 HIMETRIC at 96 DPI, back to 15.99 -> 16.
    At(menu, 0)->SetPicture(MakePicture(16, 16).Get());
    // Bitmap column max(16 + 4, 19) = 20: 20 + 60 + 35 (+ 13 = 128 on Windows).
    EXPECT_EQ(MeasureAt(menu, 0).item.itemWidth, Width(115));
    EXPECT_EQ(MeasureAt(menu, 2).item.itemWidth, Width(115));
    EXPECT_EQ(MeasureAt(menu, 0).item.itemHeight, 20u);  // 16 + 4
    EXPECT_EQ(MeasureAt(menu, 1).item.itemHeight, 19u);
}

TEST_F(MeasureItem, ACheckedItemWithoutAnyCheckMarkCountsTenPixels) {
    HMENU menu = ThreeItemPopup();
    At(menu, 1)->SetChecked(kTrue);
    // 10 + 4 = 14, still below SM_CYMENU: the column stays 19.
    EXPECT_EQ(brocade::GetBitmapColumnWidth(host, *At(menu, 1).Get()), 19);
    EXPECT_EQ(MeasureAt(menu, 1).item.itemWidth, Width(114));
    EXPECT_EQ(At(menu, 1)->PictureBackColor(), brocade::kDefaultPictureBackColor);
}

TEST_F(MeasureItem, TheCheckMarkStandsInForTheMissingPicture) {
    HMENU menu = ThreeItemPopup();
    At(menu, 1)->SetChecked(kTrue);
    host.checkMark = MakePicture(24, 24);
    host.builtInCheckMark = MakePicture(30, 30);
    host.iconSet = brocade::kIconsOffice2003;
    // CheckMark wins over the built-in one: column 24 + 4 = 28, 28 + 60 + 35 = 123.
    Measured checked = MeasureAt(menu, 1);
    EXPECT_EQ(checked.item.itemWidth, Width(123));
    EXPECT_EQ(checked.item.itemHeight, 28u);
    EXPECT_EQ(MeasureAt(menu, 0).item.itemHeight, 19u) << "unchecked items show no check mark";
    EXPECT_EQ(At(menu, 1)->PictureBackColor(), brocade::kDefaultPictureBackColor);
}

TEST_F(MeasureItem, TheBuiltInCheckMarkBringsTheIconSetsBackColor) {
    HMENU menu = ThreeItemPopup();
    At(menu, 0)->SetChecked(kTrue);
    At(menu, 1)->SetChecked(kTrue);
    At(menu, 2)->SetChecked(kTrue);
    host.builtInCheckMark = MakePicture(16, 16);

    host.iconSet = brocade::kIconsOffice2003;
    At(menu, 0)->SetAttributesChanged(kFalse);
    Measured office = MeasureAt(menu, 0);
    EXPECT_EQ(office.item.itemWidth, Width(115));  // column 16 + 4
    EXPECT_EQ(office.item.itemHeight, 20u);
    EXPECT_EQ(At(menu, 0)->PictureBackColor(), 0x00FF00FFu);
    EXPECT_EQ(At(menu, 0)->AttributesChanged(), kTrue) << "the next scan converts it again";

    host.iconSet = brocade::kIconsSunrise;
    MeasureAt(menu, 1);
    EXPECT_EQ(At(menu, 1)->PictureBackColor(), 0x0000FFFFu);

    host.iconSet = brocade::kIconsDefault;
    MeasureAt(menu, 2);
    EXPECT_EQ(At(menu, 2)->PictureBackColor(), brocade::kDefaultPictureBackColor);
}

TEST_F(MeasureItem, ASeparatorIsHalfAMenuLineHighAndNoWidth) {
    HMENU menu = ScannedPopup({"Forty", "-", "Fifty"});
    RecordPtr separator = At(menu, 1);
    ASSERT_TRUE(separator);
    ASSERT_EQ(separator->IsSeparator(), kTrue);
    long widthSeen = -1, heightSeen = -1;
    host.onSetMenuItemSize = [&](MenuItemRecord &, long &width, long &height) {
        widthSeen = width;
        heightSeen = height;
    };
    Measured answer = MeasureAt(menu, 1);
    EXPECT_EQ(widthSeen, 0);
    EXPECT_EQ(heightSeen, 10) << "19 / 2 = 9.5 goes to the even 10";
    EXPECT_EQ(answer.item.itemWidth, 0u);
    EXPECT_EQ(answer.item.itemHeight, 10u);
}

TEST_F(MeasureItem, MenuBarItemsAreAsWideAsTheirOwnPictureAndCaption) {
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&File");
    AppendMenuA(bar, MF_STRING, 2, "&Edit");
    scanner.ScanMenuBar(bar);
    host.textSizes["&File"] = {80, 14};
    host.textSizes["&Edit"] = {30, 14};
    RemeasureAll(bar);
    At(bar, 0)->SetPicture(MakePicture(16, 16).Get());

    Measured file = MeasureAt(bar, 0);
    EXPECT_EQ(file.item.itemWidth, 102u);  // 16 + 80 + 6
    EXPECT_EQ(file.item.itemHeight, 20u);  // the picture's 16 + 4 sets the bar's height
    Measured edit = MeasureAt(bar, 1);
    EXPECT_EQ(edit.item.itemWidth, 30u);
    EXPECT_EQ(edit.item.itemHeight, 20u) << "every menu-bar item gets the one height";
    EXPECT_EQ(brocade::GetMenuBarItemHeight(host), 20);
    DestroyMenu(bar);
}

TEST_F(MeasureItem, ACheckedMenuBarItemShowsTheCheckMarkWithoutSpacing) {
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&View");
    scanner.ScanMenuBar(bar);
    host.textSizes["&View"] = {40, 14};
    RemeasureAll(bar);
    At(bar, 0)->SetChecked(kTrue);
    host.checkMark = MakePicture(16, 16);
    EXPECT_EQ(MeasureAt(bar, 0).item.itemWidth, 56u);  // 16 + 40, no 6
    DestroyMenu(bar);
}

TEST_F(MeasureItem, TheHostsSizeIsTheSize) {
    HMENU menu = ThreeItemPopup();
    host.onSetMenuItemSize = [](MenuItemRecord &, long &width, long &height) {
        width = 200;
        height = 30;
    };
    Measured answer = MeasureAt(menu, 0);
    EXPECT_EQ(answer.item.itemWidth, 200u);
    EXPECT_EQ(answer.item.itemHeight, 30u);

    host.menuBorder = brocade::kBorderFlatWithShadow;
    answer = MeasureAt(menu, 1);
    EXPECT_EQ(answer.item.itemWidth, 202u);
    EXPECT_EQ(answer.item.itemHeight, 30u);
    answer = MeasureAt(menu, 2);  // the last item of the popup
    EXPECT_EQ(answer.item.itemWidth, 202u);
    EXPECT_EQ(answer.item.itemHeight, 32u);
}

TEST_F(MeasureItem, TheShadowTakesTwoPixelsBesideEveryItemAndBelowTheLast) {
    HMENU menu = ThreeItemPopup();
    host.menuBorder = brocade::kBorderFlatWithShadow;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(MeasureAt(menu, i).item.itemWidth, Width(114) + 2) << i;
    EXPECT_EQ(MeasureAt(menu, 0).item.itemHeight, 19u);
    EXPECT_EQ(MeasureAt(menu, 1).item.itemHeight, 19u);
    EXPECT_EQ(MeasureAt(menu, 2).item.itemHeight, 21u);

    host.menuBorder = brocade::kBorderFlat;
    EXPECT_EQ(MeasureAt(menu, 2).item.itemWidth, Width(114));
    EXPECT_EQ(MeasureAt(menu, 2).item.itemHeight, 19u);
}

TEST_F(MeasureItem, TextsAreMeasuredAgainInTheRecordsCurrentFont) {
    host.textSizes.clear();  // the scan's own measuring
    HMENU menu = ScannedPopup({"Measure me\tCtrl+M"});
    RecordPtr record = At(menu, 0);
    long scannedWidth = record->CaptionTextWidth();
    ASSERT_GT(scannedWidth, 0);

    ComPtr<IFont> font = record->CaptionFont().As<IFont>(IID_IFont);
    CY size;
    size.int64 = 30 * 10000;
    font->put_Size(size);
    Measured answer = MeasureAt(menu, 0);
    EXPECT_GT(record->CaptionTextWidth(), scannedWidth);
    EXPECT_GT(answer.item.itemHeight, 19u);
    EXPECT_EQ(answer.item.itemHeight, static_cast<UINT>(record->CaptionTextHeight() + 4));
    EXPECT_EQ(answer.item.itemWidth, Width(19 + record->CaptionTextWidth() + record->ShortcutTextWidth()));
}

TEST_F(MeasureItem, TheRecordTakesTheTextTheHostGaveTheItem) {
    HMENU menu = ThreeItemPopup();
    RecordPtr record = At(menu, 1);
    // The host turns the item back into a string item with a new text.
    ModifyMenuA(menu, 1, MF_BYPOSITION | MF_STRING, 102, "Fifty\tCtrl+20");
    Measured answer = Measure(host, static_cast<ULONG_PTR>(record->ItemSerial()));
    EXPECT_EQ(record->Caption(), "Fifty");
    EXPECT_EQ(record->ShortcutText(), "Ctrl+20");
    // Widest caption and shortcut now 50 and 20: 19 + 50 + 20 = 89.
    EXPECT_EQ(answer.item.itemWidth, Width(89));
}

}  // namespace
}  // namespace measure_test
