// What measurement does with input that names nothing, pictures without size and a host
// whose calls fail: no crash, and the routing flag as the message's kind says.
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/enums.h"
#include "measure/measure_test_support.h"
#include "menu/menu_test_support.h"
#include "render/measure_item.h"

namespace measure_test {
namespace {

using brocade::kFalse;
using brocade::kTrue;
using menu_test::ItemData;
using menu_test::PopupOf;

class MeasureBadInput : public testing::Test {
protected:
    menu_test::TestScanHost scanHost;
    brocade::MenuScanner scanner{scanHost};
    TestMeasureHost host{scanner};
    const UINT cyMenu = static_cast<UINT>(GetSystemMetrics(SM_CYMENU));

    HMENU ScannedPopup(const std::vector<std::string> &texts) {
        HMENU menu = PopupOf(texts);
        scanner.ScanPopupMenu(nullptr, menu, brocade::kNoParentMenuId, false, false);
        return menu;
    }
};

TEST_F(MeasureBadInput, AnItemWithoutRecordIsFourLinesWideWithoutEvent) {
    ScannedPopup({"Open", "Close"});
    Measured answer = Measure(host, 5555);  // the host's own owner-drawn item
    EXPECT_EQ(answer.result, 1);
    EXPECT_EQ(answer.route, kFalse) << "the host's own procedure does not see it";
    EXPECT_EQ(answer.item.itemWidth, 4 * cyMenu);
    EXPECT_EQ(answer.item.itemHeight, cyMenu);
    EXPECT_TRUE(host.raised.empty());

    host.menuBorder = brocade::kBorderFlatWithShadow;
    answer = Measure(host, 0);
    EXPECT_EQ(answer.item.itemWidth, 4 * cyMenu + 2);
    EXPECT_EQ(answer.item.itemHeight, cyMenu) << "no record, so not the last item";
}

TEST_F(MeasureBadInput, ItemDataBeyondThirtyTwoBitsNamesTheSerialOfItsLowHalf) {
    HMENU menu = ScannedPopup({"Open"});
    // The host process's item data is 32 bits wide; the high half never reaches it.
    ULONG_PTR data = ItemData(menu, 0);
    data |= ~static_cast<ULONG_PTR>(0xFFFFFFFFu);
    Measure(host, data);
    EXPECT_EQ(host.raised.size(), 1u);
}

TEST_F(MeasureBadInput, AnotherControlTypeGoesToTheWindowUntouched) {
    ScannedPopup({"Open"});
    Measured answer = Measure(host, 1001, ODT_LISTBOX);
    EXPECT_EQ(answer.result, 0);
    EXPECT_EQ(answer.route, kTrue);
    EXPECT_EQ(answer.item.itemWidth, 0u);
    EXPECT_EQ(answer.item.itemHeight, 0u);
    EXPECT_TRUE(host.raised.empty());
}

TEST_F(MeasureBadInput, NoStructureIsNoAnswer) {
    brocade::Boolean route = kTrue;
    EXPECT_EQ(brocade::OnMeasureItem(host, 0, 0, route), 0);
    EXPECT_EQ(route, kTrue);
}

TEST_F(MeasureBadInput, PicturesWithoutSizeTakeNoRoom) {
    HMENU menu = ScannedPopup({"Open", "Close"});
    scanner.FindMenuItem(menu, 0)->SetPicture(MakeEmptyPicture().Get());
    scanner.FindMenuItem(menu, 1)->SetChecked(kTrue);
    host.checkMark = MakeEmptyPicture();
    RecordPtr open = scanner.FindMenuItem(menu, 0);
    EXPECT_EQ(brocade::GetBitmapColumnWidth(host, *open.Get()), static_cast<long>(cyMenu));
    Measured answer = Measure(host, ItemData(menu, 0));
    EXPECT_EQ(answer.result, 1);
    EXPECT_EQ(answer.item.itemHeight, cyMenu);

    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&File");
    scanner.ScanMenuBar(bar);
    RecordPtr file = scanner.FindMenuItem(bar, 0);
    file->SetPicture(MakeEmptyPicture().Get());
    // A picture of its own, even an empty one, brings the spacing.
    EXPECT_EQ(Measure(host, ItemData(bar, 0)).item.itemWidth, static_cast<UINT>(file->CaptionTextWidth() + 6));
    DestroyMenu(bar);
}

TEST_F(MeasureBadInput, AFailingLookUpIsAnItemWithoutRecord) {
    HMENU menu = ScannedPopup({"Open"});
    host.failLookUps = true;
    Measured answer = Measure(host, ItemData(menu, 0));
    EXPECT_EQ(answer.result, 1);
    EXPECT_EQ(answer.route, kFalse);
    EXPECT_EQ(answer.item.itemWidth, 4 * cyMenu);
    EXPECT_EQ(answer.item.itemHeight, cyMenu);
}

TEST_F(MeasureBadInput, AFailingEventHandlerLeavesWhatItHadSet) {
    HMENU menu = ScannedPopup({"Open", "Close"});
    host.textSizes = {{"Open", {40, 14}}, {"Close", {30, 14}}, {"", {0, 0}}};
    host.onSetMenuItemSize = [](MenuItemRecord &, long &width, long &) {
        width = 300;
        throw std::runtime_error("the host's handler failed");
    };
    host.menuBorder = brocade::kBorderFlatWithShadow;
    Measured answer = Measure(host, ItemData(menu, 1));
    EXPECT_EQ(answer.result, 1);
    EXPECT_EQ(answer.route, kFalse);
    EXPECT_EQ(answer.item.itemWidth, 302u);
    EXPECT_EQ(answer.item.itemHeight, cyMenu + 2);
}

TEST_F(MeasureBadInput, ARecordWhoseMenuIsGoneIsMeasuredFromWhatItHolds) {
    HMENU menu = ScannedPopup({"Open"});
    host.textSizes = {{"Open", {40, 14}}, {"", {0, 0}}};
    ULONG_PTR data = ItemData(menu, 0);
    DestroyMenu(menu);
    Measured answer = Measure(host, data);
    EXPECT_EQ(answer.result, 1);
    EXPECT_EQ(answer.item.itemWidth, static_cast<UINT>(GetSystemMetrics(SM_CYMENU) + 40 +
                                                       GetSystemMetrics(SM_CXMENUCHECK)));
}

}  // namespace
}  // namespace measure_test
