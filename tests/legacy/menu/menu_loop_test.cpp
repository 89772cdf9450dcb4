// The scan driven by the system's own menu loop: TrackPopupMenu sends WM_INITMENUPOPUP to
// the test window, whose procedure scans the popup as the control's listener does.
#include <gtest/gtest.h>

#include <algorithm>

#include "menu/menu_test_support.h"
#include "support/test_support.h"

namespace menu_test {
namespace {

class MenuLoop : public testing::Test {
protected:
    TestScanHost host;
    brocade::MenuScanner scanner{host};
    TestWindow window{&scanner};

    void SetUp() override { host.hostWindow = window.Handle(); }
};

TEST_F(MenuLoop, OpeningAPopupConvertsItsItemsBeforeTheyAreMeasured) {
    HMENU menu = PopupOf({"&Open\tCtrl+O", "-", "&Save", "E&xit"});
    CheckMenuItem(menu, 102, MF_CHECKED);
    window.TrackAndClose(menu);

    ASSERT_EQ(window.initMenuPopups.size(), 1u);
    EXPECT_EQ(window.initMenuPopups[0], menu);
    ASSERT_EQ(scanner.Items().Count(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ItemData(menu, i), static_cast<ULONG_PTR>(1001 + i)) << i;
        EXPECT_TRUE(ItemType(menu, i) & MFT_OWNERDRAW) << i;
    }
    EXPECT_EQ(scanner.FindMenuItem(menu, 2)->Checked(), brocade::kTrue);
    // The system asked the owner for the size of every converted item, by its serial.
    for (ULONG_PTR serial = 1001; serial <= 1004; ++serial)
        EXPECT_NE(std::find(window.measuredItemData.begin(), window.measuredItemData.end(), serial),
                  window.measuredItemData.end())
            << serial;
    DestroyMenu(menu);
}

TEST_F(MenuLoop, OpeningAgainKeepsTheRecords) {
    HMENU menu = PopupOf({"&Open", "-", "&Close"});
    window.TrackAndClose(menu);
    window.TrackAndClose(menu);
    EXPECT_EQ(window.initMenuPopups.size(), 2u);
    EXPECT_EQ(scanner.Items().Count(), 3u);
    EXPECT_EQ(scanner.NextItemSerial(), 1003);
    EXPECT_EQ(ItemData(menu, 2), 1003u);
    DestroyMenu(menu);
}

TEST_F(MenuLoop, TheHostEventRunsInsideTheMenuLoop) {
    ComPtr<IPictureDisp> picture = MakePicture();
    std::vector<std::wstring> captions;
    host.onSetMenuItemAttributes = [&](IDispatch *item) {
        captions.push_back(GetString(item, L"Caption"));
        PutProperty(item, L"Picture", ObjectValue(picture.Get()), DISPATCH_PROPERTYPUTREF);
    };
    HMENU menu = PopupOf({"&Open", "&Close"});
    window.TrackAndClose(menu);
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"&Open", L"&Close"}));
    EXPECT_EQ(scanner.FindMenuItem(menu, 1)->Picture().Get(), picture.Get());
    DestroyMenu(menu);
}

TEST_F(MenuLoop, RestoredPopupOpensAsPlainStrings) {
    HMENU menu = PopupOf({"&Open", "&Close"});
    window.TrackAndClose(menu);
    scanner.RestoreMenu(menu);
    host.enabled = false;
    window.measuredItemData.clear();
    window.TrackAndClose(menu);
    EXPECT_TRUE(window.measuredItemData.empty()) << "nothing owner-drawn is left";
    EXPECT_EQ(ItemText(menu, 0), "&Open");
    EXPECT_EQ(ItemType(menu, 1) & MFT_OWNERDRAW, 0u);
    DestroyMenu(menu);
}

}  // namespace
}  // namespace menu_test
