// Input the scan must survive: huge menus and captions, odd markers and marks, a host whose
// code fails, menus that vanish. The scan skips what fails, converts what it can, never
// throws, and leaks nothing.
#include <gtest/gtest.h>

#include <stdexcept>

#include "menu/menu_test_support.h"
#include "menu/menu_char.h"
#include "menu/menu_text.h"
#include "menu/unicode_caption.h"

namespace menu_test {
namespace {

using brocade::kTrue;

class BadInput : public testing::Test {
protected:
    TestScanHost host;
    brocade::MenuScanner scanner{host};
    TestWindow window{&scanner};

    void SetUp() override { host.hostWindow = window.Handle(); }
    void Scan(HMENU menu) { scanner.OnInitMenuPopup(window.Handle(), menu, 0); }
    RecordPtr At(HMENU menu, int position) { return scanner.FindMenuItem(menu, position); }
};

TEST_F(BadInput, APopupOfTwoThousandItems) {
    std::vector<std::string> texts;
    for (int i = 0; i < 2000; ++i) texts.push_back(i % 50 == 49 ? "-" : "Item &" + std::to_string(i));
    HMENU menu = PopupOf(texts, 1);
    Scan(menu);
    EXPECT_EQ(scanner.Items().Count(), 2000u);
    EXPECT_EQ(ItemData(menu, 1999), 3000u);
    EXPECT_EQ(At(menu, 1999)->IsLast(), kTrue);
    EXPECT_EQ(At(menu, 1998)->Position(), 1998);

    // A mnemonic deep in the menu still answers its position.
    brocade::Boolean route = kTrue;
    LRESULT answer = brocade::OnMenuChar(&scanner.Items(), '7', reinterpret_cast<LPARAM>(menu), route);
    EXPECT_EQ(answer, MAKELONG(7, MNC_EXECUTE));

    scanner.RestoreMenu(menu);
    EXPECT_TRUE(scanner.Items().Empty());
    EXPECT_EQ(ItemText(menu, 1500), "Item &1500");
    DestroyMenu(menu);
}

TEST_F(BadInput, ACaptionOfFiveThousandCharacters) {
    std::string caption(5000, 'W');
    caption[2500] = '&';
    caption += "\tCtrl+W";
    HMENU menu = PopupOf({caption});
    Scan(menu);
    RecordPtr record = At(menu, 0);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->MenuText(), caption);
    EXPECT_EQ(record->Caption().size(), 5000u);
    EXPECT_EQ(record->ShortcutText(), "Ctrl+W");
    EXPECT_EQ(record->MnemonicCode(), 'W');
    EXPECT_GT(record->CaptionTextWidth(), record->ShortcutTextWidth());
    scanner.RestoreMenu(menu);
    EXPECT_EQ(brocade::GetMenuText(menu, 0), caption);
    DestroyMenu(menu);
}

// Texts are first read into a 256-byte buffer: lengths around its end come back whole.
TEST_F(BadInput, TextsAroundTheShortBufferComeBackWhole) {
    for (size_t length : {254u, 255u, 256u, 257u}) {
        const std::string text(length, 'x');
        HMENU menu = CreatePopupMenu();
        AppendMenuA(menu, MF_STRING, 1, text.c_str());
        EXPECT_EQ(brocade::GetMenuText(menu, 0), text) << length;
        DestroyMenu(menu);
    }
}

TEST_F(BadInput, LoneAndTrailingMnemonicMarkers) {
    HMENU menu = PopupOf({"&", "Total&", "&&", "& "});
    Scan(menu);
    EXPECT_EQ(At(menu, 0)->MnemonicCode(), 0);
    EXPECT_EQ(At(menu, 1)->MnemonicCode(), 0);
    EXPECT_EQ(At(menu, 2)->MnemonicCode(), '&');
    EXPECT_EQ(At(menu, 3)->MnemonicCode(), ' ');
    DestroyMenu(menu);
}

TEST_F(BadInput, MarkedCaptionsOfOddLengthOrOnlyTheMark) {
    host.unicode = true;
    host.language = 2;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "\xFF\xFE\x42\x30\x44");  // odd: half a code unit left over
    AppendMenuA(menu, MF_STRING, 2, "\xFF\xFE");              // only the mark: plain text
    AppendMenuA(menu, MF_STRING, 3, "\xFE\xFF\x01\x01");      // a character code page 932 lacks
    Scan(menu);
    ASSERT_EQ(scanner.Items().Count(), 3u);
    EXPECT_EQ(At(menu, 0)->MenuText(), "\xFF\xFE\x42\x30\x44");
    EXPECT_EQ(brocade::GetConvertedUnicodeString(At(menu, 0)->MenuText(), 2), "\x82\xA0");
    EXPECT_EQ(At(menu, 1)->MenuText(), "\xFF\xFE");
    EXPECT_EQ(brocade::GetConvertedUnicodeString(At(menu, 2)->MenuText(), 2), "0");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(ItemType(menu, i) & MFT_OWNERDRAW) << i;
    DestroyMenu(menu);
}

TEST_F(BadInput, AHandlerThatThrowsSkipsOnlyItsOwnStep) {
    host.onSetMenuItemAttributes = [](IDispatch *) { throw std::runtime_error("host handler failed"); };
    HMENU menu = PopupOf({"&Open", "-", "&Close"});
    EXPECT_NO_THROW(Scan(menu));
    EXPECT_EQ(host.raised.size(), 3u) << "every item was offered";
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(At(menu, i)) << i;
        EXPECT_TRUE(ItemType(menu, i) & MFT_OWNERDRAW) << i;
        EXPECT_GT(At(menu, i)->CaptionTextHeight(), 0) << "measured after the failed event";
    }
    DestroyMenu(menu);
}

TEST_F(BadInput, AHandlerSettingANonPictureIsRefusedAndTheScanGoesOn) {
    std::vector<HRESULT> results;
    ComPtr<IDispatch> plain = MakePlainObject();
    host.onSetMenuItemAttributes = [&](IDispatch *item) {
        results.push_back(PutProperty(item, L"Picture", ObjectValue(plain.Get()), DISPATCH_PROPERTYPUTREF));
        // A picture where the type library wants a colour is refused as well.
        results.push_back(PutProperty(item, L"PictureBackColor", ObjectValue(plain.Get())));
    };
    HMENU menu = PopupOf({"&Open", "&Close"});
    Scan(menu);
    ASSERT_EQ(results.size(), 4u);
    for (HRESULT hr : results) EXPECT_TRUE(FAILED(hr));
    EXPECT_FALSE(At(menu, 0)->Picture());
    EXPECT_EQ(At(menu, 1)->PictureBackColor(), 0x00C0C0C0u);
    EXPECT_TRUE(ItemType(menu, 1) & MFT_OWNERDRAW);
    DestroyMenu(menu);
}

TEST_F(BadInput, FailingLookUpsStillConvertTheItems) {
    host.failLookUps = true;
    HMENU menu = PopupOf({"&Open", "-", "&Close"});
    EXPECT_NO_THROW(Scan(menu));
    ASSERT_EQ(scanner.Items().Count(), 3u);
    EXPECT_EQ(At(menu, 0)->TooltTipText(), "");
    EXPECT_FALSE(At(menu, 0)->Picture());
    EXPECT_TRUE(ItemType(menu, 2) & MFT_OWNERDRAW);
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 7, "&File");
    EXPECT_NO_THROW(scanner.ScanMenuBar(bar));
    EXPECT_TRUE(At(bar, 0));
    DestroyMenu(menu);
    DestroyMenu(bar);
}

// A host whose SetMenuItemAttributes handler changes a property every time makes the control
// rescan the menu bar from inside the scan: the inner scans are left out instead of recursing
// until the stack runs out.
TEST_F(BadInput, AHandlerRescanningTheMenuBarOnEveryRaise) {
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 7, "&File");
    AppendMenuA(bar, MF_STRING, 8, "&Edit");
    int raises = 0;
    host.onSetMenuItemAttributes = [&](IDispatch *) {
        ++raises;
        if (raises < 1000) scanner.ScanMenuBar(bar);
    };
    scanner.ScanMenuBar(bar);
    EXPECT_EQ(raises, 2);
    scanner.ScanMenuBar(bar);  // a later scan raises again
    EXPECT_EQ(raises, 4);
    host.onSetMenuItemAttributes = nullptr;
    DestroyMenu(bar);
}

TEST_F(BadInput, AMenuDestroyedBetweenScans) {
    HMENU kept = PopupOf({"&Keep"});
    HMENU menu = PopupOf({"&Open", "-", "&Close"});
    Scan(kept);
    Scan(menu);
    DestroyMenu(menu);
    EXPECT_NO_THROW(Scan(menu));
    EXPECT_NO_THROW(scanner.ScanMenuBar(menu));
    EXPECT_NO_THROW(scanner.RestoreMenu(menu));
    EXPECT_FALSE(scanner.FindMenuItem(menu, 0));
    EXPECT_FALSE(scanner.FixMenuItemStyle(window.Handle(), menu, -1, 0, false, true, true, false));
    EXPECT_EQ(scanner.Items().Count(), 4u) << "no record is made for a menu that is gone";
    scanner.PurgeDeadRecords();
    EXPECT_EQ(scanner.Items().Count(), 1u);
    EXPECT_TRUE(At(kept, 0));
    DestroyMenu(kept);
}

TEST_F(BadInput, PositionsBeyondTheMenuAndForeignItemData) {
    HMENU menu = PopupOf({"&Open"});
    EXPECT_FALSE(scanner.FixMenuItemStyle(window.Handle(), menu, -1, 5, false, false, false, false));
    EXPECT_FALSE(scanner.FixMenuItemStyle(window.Handle(), menu, -1, -1, false, false, false, false));
    Scan(menu);
#ifdef _WIN64
    // Item data wider than 32 bits is the host's own, whatever its low half says.
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = (static_cast<ULONG_PTR>(1) << 32) + 1001;
    SetMenuItemInfoA(menu, 0, TRUE, &info);
    EXPECT_FALSE(scanner.FindMenuItem(menu, 0));
#endif
    EXPECT_TRUE(scanner.GetMenuItemByKey("MENU_1001"));
    EXPECT_FALSE(scanner.GetMenuItemByKey("no such key"));
    DestroyMenu(menu);
}

TEST_F(BadInput, NothingLeaks) {
    ComPtr<IPictureDisp> listed = MakePicture();
    ComPtr<IPictureDisp> builtIn = MakePicture();
    host.imageList = MakeImageList({{L"OPEN", listed}});
    host.defaultPicture = [&](const std::string &, bool, long, long) { return builtIn; };
    std::vector<std::string> texts;
    for (int i = 0; i < 100; ++i) texts.push_back(i % 10 ? "&Open\tCtrl+O" : "-");
    // The fonts every record realizes are made once, before the count starts.
    HMENU warmUp = PopupOf(texts);
    Scan(warmUp);
    scanner.RestoreMenu(warmUp);
    DestroyMenu(warmUp);

    RecordPtr kept;
    {
        GdiHeadroom headroom(30);
        ASSERT_GT(headroom.Taken(), 1000u);
        size_t left = GdiHeadroom::Left();
        for (int round = 0; round < 3; ++round) {
            HMENU menu = PopupOf(texts);
            Scan(menu);
            Scan(menu);
            for (int i = 0; i < 100; ++i) ASSERT_GT(At(menu, i)->CaptionTextHeight(), 0) << round << " " << i;
            kept = At(menu, 99);
            scanner.RestoreMenu(menu);
            DestroyMenu(menu);
        }
        EXPECT_EQ(GdiHeadroom::Left(), left) << "GDI objects left behind";
    }
    EXPECT_TRUE(scanner.Items().Empty());
    // The records let go of everything; the last one lives only through this reference.
    kept->AddRef();
    EXPECT_EQ(kept->Release(), 1u);
    kept.Reset();
    listed->AddRef();
    EXPECT_EQ(listed->Release(), 2u) << "the test's and the image list's references only";
    builtIn->AddRef();
    EXPECT_EQ(builtIn->Release(), 1u) << "the test's reference only";
}

}  // namespace
}  // namespace menu_test
