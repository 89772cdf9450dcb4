// The scan on real menus: records, item data, owner-draw types, the host's event, the way
// back, menu bars, system menus and an MDI window list.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/gdi.h"
#include "menu/menu_test_support.h"
#include "menu/menu_text.h"
#include "support/test_support.h"

namespace menu_test {
namespace {

using brocade::kFalse;
using brocade::kTrue;

class MenuScan : public testing::Test {
protected:
    TestScanHost host;
    brocade::MenuScanner scanner{host};
    TestWindow window{&scanner};
    TestWindow control{nullptr, WS_POPUP};

    void SetUp() override {
        host.hostWindow = window.Handle();
        host.controlWindow = control.Handle();
    }

    RecordPtr At(HMENU menu, int position) { return scanner.FindMenuItem(menu, position); }
    void Scan(HMENU menu) { scanner.OnInitMenuPopup(window.Handle(), menu, 0); }
};

// &Open<tab>Ctrl+O, separator, checked, grayed, and an item opening a submenu.
HMENU MixedPopup(HMENU &subMenu) {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 101, "&Open\tCtrl+O");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | MF_CHECKED, 102, "&Check");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, 103, "&Disabled");
    subMenu = CreatePopupMenu();
    AppendMenuA(subMenu, MF_STRING, 201, "&Inner");
    AppendMenuA(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(subMenu), "&More");
    return menu;
}

TEST_F(MenuScan, TakesOverEveryItemWithTextAndEverySeparator) {
    HMENU subMenu;
    HMENU menu = MixedPopup(subMenu);
    Scan(menu);

    ASSERT_EQ(scanner.Items().Count(), 5u);
    EXPECT_EQ(scanner.NextItemSerial(), 1005);
    EXPECT_EQ(host.raised, (std::vector<long>{1001, 1002, 1003, 1004, 1005}));
    for (int i = 0; i < 5; ++i) {
        RecordPtr record = At(menu, i);
        ASSERT_TRUE(record) << i;
        EXPECT_EQ(ItemData(menu, i), static_cast<ULONG_PTR>(1001 + i));
        EXPECT_TRUE(GetMenuState(menu, i, MF_BYPOSITION) & MF_OWNERDRAW) << i;
        EXPECT_TRUE(ItemType(menu, i) & MFT_OWNERDRAW) << i;
        EXPECT_EQ(record->Position(), i);
        EXPECT_EQ(record->IsFirst(), brocade::ToBoolean(i == 0));
        EXPECT_EQ(record->IsLast(), brocade::ToBoolean(i == 4));
        EXPECT_EQ(record->ParentMenuId(), -1);
        EXPECT_EQ(record->MenuHandle(), menu);
        EXPECT_EQ(record->OwnerWindow(), window.Handle());
        EXPECT_EQ(record->IsTopLevel(), kFalse);
        EXPECT_TRUE(record->CaptionFont());
        EXPECT_EQ(record->AttributesChanged(), kTrue) << "new records are converted";
    }

    RecordPtr open = At(menu, 0);
    EXPECT_EQ(open->Caption(), "&Open");
    EXPECT_EQ(open->ShortcutText(), "Ctrl+O");
    EXPECT_EQ(open->MnemonicCode(), 'O');
    EXPECT_EQ(open->MenuId(), 101);
    EXPECT_EQ(open->AppliedMenuFlags(), static_cast<UINT>(MF_OWNERDRAW));
    EXPECT_GT(open->CaptionTextWidth(), 0);
    EXPECT_GT(open->ShortcutTextWidth(), 0);

    RecordPtr separator = At(menu, 1);
    EXPECT_EQ(separator->IsSeparator(), kTrue);
    EXPECT_FALSE(separator->Picture());
    EXPECT_EQ(separator->TooltTipText(), "");
    EXPECT_EQ(separator->MenuText(), "");
    // Wine: an appended separator reads state 0x803, so it also counts as disabled; test bits with &.
    EXPECT_EQ(separator->AppliedMenuFlags() & (MF_OWNERDRAW | MF_SEPARATOR), static_cast<UINT>(0x900));
    EXPECT_TRUE(ItemType(menu, 1) & MFT_SEPARATOR);

    EXPECT_EQ(At(menu, 2)->Checked(), kTrue);
    EXPECT_TRUE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(At(menu, 3)->Disabled(), kTrue);
    EXPECT_TRUE(GetMenuState(menu, 3, MF_BYPOSITION) & MF_GRAYED);

    RecordPtr more = At(menu, 4);
    EXPECT_EQ(more->HasSubMenus(), kTrue);
    EXPECT_EQ(more->MenuId(), -1);
    EXPECT_EQ(GetSubMenu(menu, 4), subMenu) << "the item still opens its submenu";
    EXPECT_TRUE(IsMenu(subMenu));
    DestroyMenu(menu);
}

TEST_F(MenuScan, FirstRecordIsSerial1001UnderItsKey) {
    HMENU menu = PopupOf({"&New"});
    Scan(menu);
    RecordPtr record = scanner.GetMenuItemByKey("MENU_1001");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->ItemSerial(), 1001);
    EXPECT_EQ(record->Caption(), "&New");
    EXPECT_EQ(ItemData(menu, 0), 1001u);
    EXPECT_FALSE(scanner.GetMenuItemByKey("MENU_1000"));
    DestroyMenu(menu);
}

TEST_F(MenuScan, ScanningAgainKeepsTheRecordsAndTheirSerials) {
    HMENU subMenu;
    HMENU menu = MixedPopup(subMenu);
    Scan(menu);
    host.raised.clear();
    Scan(menu);
    // Wine answers GetMenuStringA with the old text of converted items, so every item is
    // scanned again and raises the event; on Windows only the separator would.
    EXPECT_NE(std::find(host.raised.begin(), host.raised.end(), 1002), host.raised.end());
    EXPECT_EQ(scanner.Items().Count(), 5u);
    EXPECT_EQ(scanner.NextItemSerial(), 1005);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ItemData(menu, i), static_cast<ULONG_PTR>(1001 + i));
    DestroyMenu(menu);
}

TEST_F(MenuScan, TextTheHostRewroteIsTakenOverAgain) {
    HMENU menu = PopupOf({"&Open", "&Save"});
    Scan(menu);
    ModifyMenuA(menu, 1, MF_BYPOSITION | MF_STRING, 102, "Save &As...\tCtrl+Shift+S");
    host.raised.clear();
    Scan(menu);
    RecordPtr record = At(menu, 1);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->ItemSerial(), 1002) << "the item data still leads to its record";
    EXPECT_EQ(record->MenuText(), "Save &As...\tCtrl+Shift+S");
    EXPECT_EQ(record->ShortcutText(), "Ctrl+Shift+S");
    EXPECT_EQ(record->MnemonicCode(), 'A');
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_OWNERDRAW);
    EXPECT_NE(std::find(host.raised.begin(), host.raised.end(), 1002), host.raised.end());
    DestroyMenu(menu);
}

TEST_F(MenuScan, RightToLeftGivesTheRightOrderTypes) {
    host.rightToLeft = true;
    HMENU menu = PopupOf({"&Open", "-", "&Close"});
    Scan(menu);
    EXPECT_EQ(ItemType(menu, 0) & 0x6900, 0x2100u);
    EXPECT_EQ(ItemType(menu, 1) & 0x6900, 0x2900u);

    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(PopupOf({"x"})), "&File");
    scanner.ScanMenuBar(bar);
    EXPECT_EQ(ItemType(bar, 0) & 0x6900, 0x6100u);
    DestroyMenu(menu);
    DestroyMenu(bar);
}

TEST_F(MenuScan, ChangesInTheEventConvertTheItemOnTheSameScan) {
    // Separators are scanned every time, also on Windows: the host's change alone decides.
    HMENU menu = PopupOf({"&Open", "-", "&Save", "-", "&Close"});
    Scan(menu);
    host.rightToLeft = true;  // shows which items are written again
    host.onSetMenuItemAttributes = [](IDispatch *item) {
        if (GetLong(item, L"Position") == 1) PutProperty(item, L"PictureBackColor", LongValue(0x00FF00FF));
    };
    Scan(menu);
    EXPECT_EQ(ItemType(menu, 1) & MFT_RIGHTORDER, static_cast<UINT>(MFT_RIGHTORDER)) << "changed in the event";
    EXPECT_EQ(ItemType(menu, 3) & MFT_RIGHTORDER, 0u) << "unchanged";
    EXPECT_EQ(At(menu, 1)->PictureBackColor(), 0x00FF00FFu);
    DestroyMenu(menu);
}

TEST_F(MenuScan, EventChangesTakeEffectInTheSameScan) {
    ASSERT_TRUE(brocade_test::FontInstalledFor(SHIFTJIS_CHARSET));
    ComPtr<IPictureDisp> picture = MakePicture();
    host.onSetMenuItemAttributes = [&](IDispatch *item) {
        ASSERT_EQ(GetString(item, L"Caption"), GetLong(item, L"Position") == 0 ? L"&Open" : L"&Save");
        if (GetLong(item, L"Position") != 0) return;
        PutProperty(item, L"Picture", ObjectValue(picture.Get()), DISPATCH_PROPERTYPUTREF);
        ComPtr<IDispatch> font = GetObject(item, L"CaptionFont");
        VARIANT size;
        V_VT(&size) = VT_I4;
        V_I4(&size) = 28;
        PutProperty(font.Get(), L"Size", size);
        PutProperty(item, L"Language", LongValue(2));
    };
    HMENU menu = PopupOf({"&Open", "&Save"});
    Scan(menu);
    RecordPtr changed = At(menu, 0);
    RecordPtr plain = At(menu, 1);
    EXPECT_EQ(changed->Picture().Get(), picture.Get());
    EXPECT_EQ(changed->Language(), 2);
    EXPECT_EQ(FontCharset(changed->CaptionFont().Get()), 128);
    EXPECT_EQ(FontCharset(changed->ShortcutFont().Get()), 128);
    EXPECT_EQ(host.loadedLanguages, std::vector<long>{2});
    EXPECT_GT(changed->CaptionTextHeight(), plain->CaptionTextHeight() + 10) << "measured in the larger font";
    EXPECT_EQ(plain->Language(), 0);

    // The next scan starts from the defaults again.
    host.onSetMenuItemAttributes = nullptr;
    ModifyMenuA(menu, 0, MF_BYPOSITION | MF_STRING, 101, "&Open");
    Scan(menu);
    EXPECT_EQ(changed->Language(), 0);
    EXPECT_FALSE(changed->Picture());
    EXPECT_LT(changed->CaptionTextHeight(), plain->CaptionTextHeight() + 3);
    DestroyMenu(menu);
}

TEST_F(MenuScan, CopiesTheDefaultFontsIntoEveryRecord) {
    host.captionFont = MakeFont(L"Times New Roman", 14, true);
    HMENU menu = PopupOf({"&Open\tCtrl+O"});
    Scan(menu);
    // Wine's font objects report the face and size they realized, so compare with the default's.
    ComPtr<IFont> source = host.captionFont.As<IFont>(IID_IFont);
    ComPtr<IFont> caption = At(menu, 0)->CaptionFont().As<IFont>(IID_IFont);
    BSTR name = nullptr, expectedName = nullptr;
    caption->get_Name(&name);
    source->get_Name(&expectedName);
    EXPECT_STREQ(name, expectedName);
    SysFreeString(name);
    SysFreeString(expectedName);
    SHORT weight = 0;
    caption->get_Weight(&weight);
    EXPECT_EQ(weight, FW_BOLD);
    CY size, expectedSize;
    caption->get_Size(&size);
    source->get_Size(&expectedSize);
    EXPECT_EQ(size.int64, expectedSize.int64);
    BOOL bold = FALSE;
    caption->get_Bold(&bold);
    EXPECT_TRUE(bold);
    EXPECT_NE(At(menu, 0)->CaptionFont().Get(), host.captionFont.Get()) << "a copy, not the default itself";
    DestroyMenu(menu);
}

TEST_F(MenuScan, DisabledControlTouchesNothing) {
    host.enabled = false;
    HMENU menu = PopupOf({"&Open", "-"});
    Scan(menu);
    EXPECT_FALSE(scanner.FixMenuItemStyle(window.Handle(), menu, -1, 0, false, true, false, false));
    EXPECT_TRUE(scanner.Items().Empty());
    EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & MF_OWNERDRAW, 0u);
    EXPECT_TRUE(host.raised.empty());
    DestroyMenu(menu);
}

TEST_F(MenuScan, RestoreGivesBackTextsIdentifiersAndStates) {
    HMENU subMenu;
    HMENU menu = MixedPopup(subMenu);
    Scan(menu);
    scanner.OnInitMenuPopup(window.Handle(), subMenu, 4);
    ASSERT_EQ(scanner.Items().Count(), 6u);

    scanner.RestoreMenu(menu);
    EXPECT_TRUE(scanner.Items().Empty()) << "the submenu's records too";
    const char *texts[] = {"&Open\tCtrl+O", "", "&Check", "&Disabled", "&More"};
    const UINT ids[] = {101, 0, 102, 103, static_cast<UINT>(-1)};
    for (int i = 0; i < 5; ++i) {
        // Wine: a popup item's state carries its submenu's item count (0x100 for one item), so
        // the type tells an owner-drawn item.
        EXPECT_EQ(ItemType(menu, i) & MFT_OWNERDRAW, 0u) << i;
        EXPECT_EQ(ItemText(menu, i), texts[i]) << i;
        if (i != 1) {
            EXPECT_EQ(GetMenuItemID(menu, i), ids[i]) << i;
        }
    }
    EXPECT_TRUE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, 3, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(GetSubMenu(menu, 4), subMenu);
    EXPECT_EQ(ItemType(subMenu, 0) & MFT_OWNERDRAW, 0u);
    EXPECT_EQ(ItemText(subMenu, 0), "&Inner");
    EXPECT_EQ(GetMenuItemID(subMenu, 0), 201u);

    // Taken over again afterwards, with new serials.
    Scan(menu);
    EXPECT_EQ(At(menu, 0)->ItemSerial(), 1007);
    DestroyMenu(menu);
}

TEST_F(MenuScan, MenuBarGetsItsBackgroundAndTopLevelRecords) {
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 90, "");  // no text: skipped, but it holds position 0
    AppendMenuA(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(PopupOf({"x"})), "&File");
    AppendMenuA(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(PopupOf({"y"})), "&Edit");
    SetMenu(window.Handle(), bar);
    brocade::UniqueBrush brush(CreateSolidBrush(RGB(10, 20, 30)));
    host.menuBarBrush = brush.Get();
    host.useCustomColors = true;
    host.imageList = MakeImageList({{L"FILE", MakePicture()}});
    host.defaultPicture = [](const std::string &, bool, long, long) { return MakePicture(); };

    scanner.ScanMenuBar(bar);
    EXPECT_EQ(host.systemFontRebuilds, 1);
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND;
    GetMenuInfo(bar, &info);
    EXPECT_EQ(info.hbrBack, brush.Get());

    ASSERT_EQ(scanner.Items().Count(), 2u);
    EXPECT_FALSE(At(bar, 0));
    for (int i = 1; i <= 2; ++i) {
        RecordPtr record = At(bar, i);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->IsTopLevel(), kTrue);
        EXPECT_EQ(record->IsFirst(), kFalse) << "the first item had no text";
        EXPECT_EQ(record->IsLast(), kFalse) << "menu-bar records are never last";
        EXPECT_EQ(record->OwnerWindow(), control.Handle());
        EXPECT_EQ(record->HasSubMenus(), kTrue);
    }
    EXPECT_TRUE(At(bar, 1)->Picture()) << "from the image list";
    EXPECT_FALSE(At(bar, 2)->Picture()) << "no built-in pictures on the menu bar";
    EXPECT_EQ(host.defaultPictureCalls, 0);

    // Without custom colours the bar gets the system's menu brush (Wine reports no XP).
    host.useCustomColors = false;
    scanner.ScanMenuBar(bar);
    GetMenuInfo(bar, &info);
    EXPECT_EQ(info.hbrBack, GetSysColorBrush(COLOR_MENU));
    SetMenu(window.Handle(), nullptr);
    DestroyMenu(bar);
}

TEST_F(MenuScan, HostWindowSystemMenuIsTakenOverAndRestored) {
    HMENU system = GetSystemMenu(window.Handle(), FALSE);
    ASSERT_TRUE(system);
    int count = GetMenuItemCount(system);
    ASSERT_GT(count, 0);
    std::vector<std::string> texts;
    std::vector<UINT> ids;
    for (int i = 0; i < count; ++i) {
        texts.push_back(ItemText(system, i));
        ids.push_back(GetMenuItemID(system, i));
    }
    scanner.OnInitMenuPopup(window.Handle(), system, MAKELPARAM(0, TRUE));
    size_t taken = 0;
    for (int i = 0; i < count; ++i) {
        RecordPtr record = At(system, i);
        if (!record) continue;
        ++taken;
        EXPECT_TRUE(GetMenuState(system, i, MF_BYPOSITION) & MF_OWNERDRAW);
        EXPECT_EQ(static_cast<UINT>(record->MenuId()), ids[i]);
        EXPECT_EQ(record->MenuText(), texts[i]);
        EXPECT_EQ(record->AppliedMenuFlags() & MF_OWNERDRAW, static_cast<UINT>(MF_OWNERDRAW));
    }
    EXPECT_EQ(taken, scanner.Items().Count());
    EXPECT_GE(taken, 2u);

    scanner.RestoreMenu(system);
    EXPECT_TRUE(scanner.Items().Empty());
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(GetMenuState(system, i, MF_BYPOSITION) & MF_OWNERDRAW, 0u) << i;
        EXPECT_EQ(ItemText(system, i), texts[i]) << i;
        EXPECT_EQ(GetMenuItemID(system, i), ids[i]) << i;
    }
}

TEST_F(MenuScan, MdiWindowListItemsAreTakenOverLikeAnyOther) {
    HMENU bar = CreateMenu();
    HMENU windowMenu = PopupOf({"&Cascade", "&Tile"}, 300);
    AppendMenuA(bar, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), "&Window");
    WNDCLASSW frameClass = {};
    frameClass.lpfnWndProc = DefWindowProcW;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.lpszClassName = L"BrocadeMenuTestMdiChild";
    RegisterClassW(&frameClass);
    HWND frame = CreateWindowExW(0, L"BrocadeMenuTestWindow", L"Frame", WS_OVERLAPPEDWINDOW, 0, 0, 500,
                                 400, nullptr, bar, GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT clientInfo = {windowMenu, 50000};
    HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 300,
                                  frame, nullptr, GetModuleHandleW(nullptr), &clientInfo);
    ASSERT_TRUE(client);
    MDICREATESTRUCTW child = {L"BrocadeMenuTestMdiChild", L"Report", GetModuleHandleW(nullptr), 0, 0, 200, 150, 0, 0};
    HWND childWindow = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
    ASSERT_TRUE(childWindow);
    brocade_test::PumpMessages(20);

    int count = GetMenuItemCount(windowMenu);
    ASSERT_GT(count, 2) << "the client appended its window list";
    scanner.OnInitMenuPopup(frame, windowMenu, 0);
    RecordPtr listed;
    for (int i = 0; i < count; ++i)
        if (RecordPtr record = At(windowMenu, i); record && record->MenuId() == 50000) listed = record;
    ASSERT_TRUE(listed);
    EXPECT_NE(listed->MenuText().find("Report"), std::string::npos);
    EXPECT_EQ(listed->OwnerWindow(), frame);
    EXPECT_EQ(scanner.Items().Count(), static_cast<size_t>(count)) << "the list's separator too";

    scanner.RestoreMenu(windowMenu);
    EXPECT_TRUE(scanner.Items().Empty());
    DestroyWindow(frame);
}

TEST_F(MenuScan, HelpComesFromTheHostThenTheBuiltInTexts) {
    host.userHelp["Open"] = "Opens a document";
    host.userHelp["SAVE"] = "Saves";
    host.defaultHelp[{0, "SAVE"}] = "Built-in save help";
    host.defaultHelp[{0, "CLOSE"}] = "Built-in close help";
    HMENU menu = PopupOf({"Open", "&Save", "&Close\tAlt+F4", "&Other"});
    Scan(menu);
    EXPECT_EQ(At(menu, 0)->TooltTipText(), "Opens a document");
    // The scan looks the whole menu text up in the host's table.
    EXPECT_EQ(At(menu, 1)->TooltTipText(), "Built-in save help");
    EXPECT_EQ(At(menu, 2)->TooltTipText(), "Built-in close help");
    EXPECT_EQ(At(menu, 3)->TooltTipText(), "");
    DestroyMenu(menu);
}

TEST_F(MenuScan, MarkedUnicodeCaptionsFindHelpThroughTheirLanguagesCodePage) {
    ASSERT_TRUE(brocade_test::FontInstalledFor(SHIFTJIS_CHARSET));
    host.unicode = true;
    host.language = 2;
    const std::string marked = "\xFF\xFE\x42\x30\x44\x30";
    const std::string shiftJis = "\x82\xA0\x82\xA2";
    host.defaultHelp[{2, shiftJis}] = "Japanese help";
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, marked.c_str());
    ASSERT_EQ(brocade::GetMenuText(menu, 0), marked) << "the menu keeps the bytes";
    Scan(menu);
    RecordPtr record = At(menu, 0);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Unicode(), kTrue);
    EXPECT_EQ(record->MenuText(), marked);
    EXPECT_EQ(record->TooltTipText(), "Japanese help");
    EXPECT_EQ(FontCharset(record->CaptionFont().Get()), 128);
    DestroyMenu(menu);
}

TEST_F(MenuScan, PicturesFromTheImageListThenTheBuiltInSets) {
    ComPtr<IPictureDisp> open = MakePicture();
    ComPtr<IPictureDisp> exact = MakePicture();
    ComPtr<IPictureDisp> save = MakePicture();
    host.imageList = MakeImageList({{L"OPEN", open}, {L"E&xit", exact}});
    host.language = 2;
    host.iconSet = 1;
    std::vector<long> askedLanguages;
    host.defaultPicture = [&](const std::string &caption, bool, long language, long) {
        askedLanguages.push_back(language);
        return caption == "&Save" && language == 0 ? save : ComPtr<IPictureDisp>();
    };
    HMENU menu = PopupOf({"&Open...", "E&xit", "&Save", "&None"});
    Scan(menu);
    EXPECT_EQ(At(menu, 0)->Picture().Get(), open.Get()) << "by clean caption";
    EXPECT_EQ(At(menu, 1)->Picture().Get(), exact.Get()) << "by caption";
    EXPECT_EQ(At(menu, 2)->Picture().Get(), save.Get()) << "built-in, English fallback";
    EXPECT_FALSE(At(menu, 3)->Picture());
    EXPECT_EQ(At(menu, 2)->PictureBackColor(), 0x00FF00FFu) << "Office 2003 icons";
    EXPECT_EQ(At(menu, 0)->PictureBackColor(), 0x00C0C0C0u);
    EXPECT_EQ(askedLanguages, (std::vector<long>{2, 0, 2, 0}));

    host.iconSet = 17;
    RecordPtr record = At(menu, 2);
    EXPECT_EQ(scanner.GetItemPicture(*record.Get(), 2, true).Get(), save.Get());
    EXPECT_EQ(record->PictureBackColor(), 0x0000FFFFu);
    EXPECT_FALSE(scanner.GetItemPicture(*record.Get(), 2, false)) << "no built-in pictures asked for";
    DestroyMenu(menu);
}

TEST_F(MenuScan, TextSizesFollowTheLanguageRules) {
    ComPtr<IFontDisp> font = MakeFont(L"Arial", 10);
    SIZE marked = scanner.GetTextRect(font.Get(), 0, "&Open");
    SIZE plain = scanner.GetTextRect(font.Get(), 0, "Open");
    EXPECT_GT(plain.cx, 0);
    EXPECT_EQ(marked.cx, plain.cx) << "the mnemonic marker takes no room";
    EXPECT_EQ(marked.cy, plain.cy);
    EXPECT_GT(scanner.GetTextRect(font.Get(), 0, "&&").cx, 0) << "a doubled marker is an ampersand";
    SIZE empty = scanner.GetTextRect(font.Get(), 0, "");
    EXPECT_EQ(empty.cx, 0);
    EXPECT_EQ(empty.cy, plain.cy) << "an empty label is one line high";
    SIZE twoLines = scanner.GetTextRect(font.Get(), 0, "a\r\nb");
    EXPECT_EQ(twoLines.cy, 2 * plain.cy);

    // Japanese bytes are read in code page 932: two characters, not four.
    SIZE japanese = scanner.GetTextRect(font.Get(), 2, "\x82\xA0\x82\xA2");
    EXPECT_GT(japanese.cx, 0);
    SIZE asLatin = scanner.GetTextRect(font.Get(), 0, "\x82\xA0\x82\xA2");
    EXPECT_NE(japanese.cx, asLatin.cx);

    // With Unicode on, the text is drawn on one line up to its first NUL.
    host.unicode = true;
    EXPECT_EQ(scanner.GetTextRect(font.Get(), 0, std::string("Op\0en", 5)).cx,
              scanner.GetTextRect(font.Get(), 0, "Op").cx);
    EXPECT_EQ(scanner.GetTextRect(font.Get(), 0, "a\r\nb").cy, plain.cy);
}

// Items measured in a row with nobody listening trust the font object read for the first; once
// the pass ends it is read again.
TEST_F(MenuScan, ATrustedFontObjectIsReadAgainOnlyAfterThePass) {
    ComPtr<IFontDisp> font = MakeFont(L"Arial", 10);
    const SIZE small = scanner.GetTextRect(font.Get(), 0, "Open", true);
    font.As<IFont>(IID_IFont)->put_Size(CY{{400000, 0}});  // 40 points, changed in place
    EXPECT_EQ(scanner.GetTextRect(font.Get(), 0, "Open", true).cy, small.cy);
    EXPECT_GT(scanner.GetTextRect(font.Get(), 0, "Open", false).cy, 2 * small.cy);
    font.As<IFont>(IID_IFont)->put_Size(CY{{100000, 0}});
    scanner.ForgetMeasuringSource();
    EXPECT_EQ(scanner.GetTextRect(font.Get(), 0, "Open", true).cy, small.cy);
}

TEST_F(MenuScan, ARecordTakingAKeyDropsThePreviousOne) {
    ComPtr<IPictureDisp> picture = MakePicture();
    RecordPtr first = MenuItemRecord::Create();
    first->SetItemSerial(5000);
    first->SetCaptionFont(MakeFont(L"Arial", 9).Get());
    first->SetShortcutFont(MakeFont(L"Arial", 9).Get());
    first->SetPicture(picture.Get());
    scanner.AddToMenuItemCollection(first);
    RecordPtr second = MenuItemRecord::Create();
    second->SetItemSerial(5000);
    scanner.AddToMenuItemCollection(second);
    EXPECT_EQ(scanner.GetMenuItemByKey("MENU_5000").Get(), second.Get());
    EXPECT_EQ(scanner.Items().Count(), 1u);
    EXPECT_FALSE(first->CaptionFont());
    EXPECT_FALSE(first->ShortcutFont());
    EXPECT_FALSE(first->Picture());
}

TEST_F(MenuScan, DeadMenusAndOwnersLoseTheirRecords) {
    HMENU kept = PopupOf({"&Keep", "-"});
    HMENU doomed = PopupOf({"&Gone", "&Away"});
    Scan(kept);
    Scan(doomed);
    HMENU other = PopupOf({"&Frame item"});
    scanner.OnInitMenuPopup(control.Handle(), other, 0);
    ASSERT_EQ(scanner.Items().Count(), 5u);

    DestroyMenu(doomed);
    scanner.PurgeDeadRecords();
    EXPECT_EQ(scanner.Items().Count(), 3u);
    EXPECT_TRUE(At(kept, 0));

    scanner.RemoveRecordsOfWindow(control.Handle());
    EXPECT_EQ(scanner.Items().Count(), 2u);
    EXPECT_FALSE(At(other, 0));
    DestroyMenu(kept);
    DestroyMenu(other);
}

TEST_F(MenuScan, MnemonicsAreAnsweredThroughWmMenuChar) {
    // Sent by the test: Wine handles owner-drawn items' mnemonics itself and never sends it.
    HMENU menu = PopupOf({"&Open", "-", "&Close", "&&Help"});
    Scan(menu);
    auto send = [&](char typed) {
        return SendMessageA(window.Handle(), WM_MENUCHAR, MAKEWPARAM(static_cast<unsigned char>(typed), MF_POPUP),
                            reinterpret_cast<LPARAM>(menu));
    };
    EXPECT_EQ(send('c'), MAKELONG(2, MNC_EXECUTE));
    EXPECT_EQ(send('C'), MAKELONG(2, MNC_EXECUTE));
    EXPECT_EQ(send('o'), MAKELONG(0, MNC_EXECUTE));
    EXPECT_EQ(send('&'), MAKELONG(3, MNC_EXECUTE));
    EXPECT_EQ(send('x'), 0) << "the window's own procedure answered";
    DestroyMenu(menu);
}

}  // namespace
}  // namespace menu_test
