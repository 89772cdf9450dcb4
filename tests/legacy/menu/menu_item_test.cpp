// The menu item record: the text split, the change rules, fonts and their notifications,
// and the record's end of life.
#include <gtest/gtest.h>

#include "menu/menu_item.h"
#include "menu/menu_item_collection.h"
#include "menu/menu_test_support.h"
#include "menu/ole_font.h"
#include "support/test_support.h"

namespace menu_test {
namespace {

using brocade::kFalse;
using brocade::kTrue;

struct SplitCase {
    const char *text;
    const char *caption;
    const char *shortcut;
    long mnemonic;
};

TEST(MenuItemRecord, SplitsMenuTextIntoCaptionShortcutAndMnemonic) {
    const SplitCase cases[] = {
        {"&File", "&File", "", 70},
        {"Save &as...\tCtrl+S", "Save &as...", "Ctrl+S", 65},
        {"Fish && Chips", "Fish && Chips", "", 38},
        {"Total&", "Total&", "", 0},
        {"No marker", "No marker", "", 0},
        {"a\tb\tc", "a", "b\tc", 0},
        {"& space", "& space", "", 32},
        {"&", "&", "", 0},
        {"\tCtrl+X", "", "Ctrl+X", 0},
        {"", "", "", 0},
    };
    RecordPtr record = MenuItemRecord::Create();
    for (const SplitCase &c : cases) {
        record->SetMenuText(c.text);
        EXPECT_EQ(record->MenuText(), c.text);
        EXPECT_EQ(record->Caption(), c.caption) << c.text;
        EXPECT_EQ(record->ShortcutText(), c.shortcut) << c.text;
        EXPECT_EQ(record->MnemonicCode(), c.mnemonic) << c.text;
    }
}

TEST(MenuItemRecord, NewRecordHasTheInitialValues) {
    RecordPtr record = MenuItemRecord::Create();
    EXPECT_EQ(record->PictureBackColor(), 0x00C0C0C0u);
    EXPECT_FALSE(record->Picture());
    EXPECT_FALSE(record->CaptionFont());
    EXPECT_FALSE(record->ShortcutFont());
    EXPECT_EQ(record->ItemSerial(), 0);
    EXPECT_EQ(record->AttributesChanged(), kFalse);
    EXPECT_EQ(record->Language(), 0);
    EXPECT_EQ(record->MenuId(), 0);
    EXPECT_EQ(record->ParentMenuId(), 0);
    EXPECT_EQ(record->AppliedMenuFlags(), 0u);
    EXPECT_EQ(record->TooltTipText(), "");
}

TEST(MenuItemRecord, PictureMarksChangeOnlyForAnotherObject) {
    RecordPtr record = MenuItemRecord::Create();
    ComPtr<IPictureDisp> first = MakePicture();
    record->SetPicture(first.Get());
    EXPECT_EQ(record->AttributesChanged(), kTrue);

    record->SetAttributesChanged(kFalse);
    record->SetPicture(first.Get());
    EXPECT_EQ(record->AttributesChanged(), kFalse) << "the same object again";
    // The same object reached through another of its interfaces is still the same object.
    ComPtr<IPicture> sameObject = first.As<IPicture>(IID_IPicture);
    record->SetPicture(reinterpret_cast<IPictureDisp *>(sameObject.Get()));
    EXPECT_EQ(record->AttributesChanged(), kFalse);

    record->SetPicture(MakePicture().Get());
    EXPECT_EQ(record->AttributesChanged(), kTrue) << "an equal picture, but another object";

    record->SetAttributesChanged(kFalse);
    record->SetPicture(nullptr);
    EXPECT_EQ(record->AttributesChanged(), kTrue);
    record->SetAttributesChanged(kFalse);
    record->SetPicture(nullptr);
    EXPECT_EQ(record->AttributesChanged(), kFalse);
}

TEST(MenuItemRecord, PictureBackColorAndSerialMarkChangeOnlyWhenDifferent) {
    RecordPtr record = MenuItemRecord::Create();
    record->SetPictureBackColor(0x00C0C0C0);
    EXPECT_EQ(record->AttributesChanged(), kFalse);
    record->SetPictureBackColor(0x00FF00FF);
    EXPECT_EQ(record->AttributesChanged(), kTrue);

    record->SetAttributesChanged(kFalse);
    record->SetItemSerial(0);
    EXPECT_EQ(record->AttributesChanged(), kFalse);
    record->SetItemSerial(1001);
    EXPECT_EQ(record->AttributesChanged(), kTrue);
}

TEST(MenuItemRecord, TooltipTextLosesSurroundingSpacesOnly) {
    RecordPtr record = MenuItemRecord::Create();
    record->SetTooltTipText("   Open file  ");
    EXPECT_EQ(record->TooltTipText(), "Open file");
    record->SetTooltTipText("\tTabbed ");
    EXPECT_EQ(record->TooltTipText(), "\tTabbed");
    record->SetTooltTipText("    ");
    EXPECT_EQ(record->TooltTipText(), "");
}

TEST(MenuItemRecord, LanguageSetsBothFontsCharacterSet) {
    ASSERT_TRUE(brocade_test::FontInstalledFor(SHIFTJIS_CHARSET));
    RecordPtr record = MenuItemRecord::Create();
    record->SetCaptionFont(brocade::CreateRecordFont().Get());
    record->SetShortcutFont(brocade::CreateRecordFont().Get());
    record->SetLanguage(2);
    EXPECT_EQ(record->Language(), 2);
    EXPECT_EQ(FontCharset(record->CaptionFont().Get()), 128);
    EXPECT_EQ(FontCharset(record->ShortcutFont().Get()), 128);

    record->SetLanguage(10);
    EXPECT_EQ(FontCharset(record->CaptionFont().Get()), 204);
    record->SetLanguage(3);  // Italian is written in the ANSI character set
    EXPECT_EQ(FontCharset(record->ShortcutFont().Get()), 0);

    RecordPtr withoutFonts = MenuItemRecord::Create();
    withoutFonts->SetLanguage(2);
    EXPECT_EQ(withoutFonts->Language(), 2);
}

TEST(MenuItemRecord, FontSetterGivesTheRecordsCharacterSet) {
    ASSERT_TRUE(brocade_test::FontInstalledFor(HANGUL_CHARSET));
    RecordPtr record = MenuItemRecord::Create();
    record->SetLanguage(1);
    ComPtr<IFontDisp> font = MakeFont(L"Arial", 10);
    record->SetCaptionFont(font.Get());
    EXPECT_EQ(FontCharset(font.Get()), 129);
    record->SetCaptionFont(nullptr);
    EXPECT_FALSE(record->CaptionFont());
}

TEST(MenuItemRecord, LanguageCharsetTable) {
    EXPECT_EQ(brocade::GetLanguageCharset(1), 129);
    EXPECT_EQ(brocade::GetLanguageCharset(2), 128);
    EXPECT_EQ(brocade::GetLanguageCharset(7), 136);
    EXPECT_EQ(brocade::GetLanguageCharset(8), 134);
    EXPECT_EQ(brocade::GetLanguageCharset(10), 204);
    for (long other : {0L, 3L, 4L, 5L, 6L, 9L, 11L, -1L}) EXPECT_EQ(brocade::GetLanguageCharset(other), 0) << other;
}

TEST(MenuItemRecord, AnyFontPropertyChangeMarksTheRecord) {
    RecordPtr record = MenuItemRecord::Create();
    ComPtr<IFontDisp> caption = MakeFont(L"Arial", 10);
    ComPtr<IFontDisp> shortcut = MakeFont(L"Arial", 10);
    record->SetCaptionFont(caption.Get());
    record->SetShortcutFont(shortcut.Get());

    record->SetAttributesChanged(kFalse);
    caption.As<IFont>(IID_IFont)->put_Italic(TRUE);
    EXPECT_EQ(record->AttributesChanged(), kTrue);

    record->SetAttributesChanged(kFalse);
    CY size;
    size.int64 = 140000;
    shortcut.As<IFont>(IID_IFont)->put_Size(size);
    EXPECT_EQ(record->AttributesChanged(), kTrue);

    // A font the record let go of no longer reaches it.
    record->SetShortcutFont(nullptr);
    record->SetAttributesChanged(kFalse);
    shortcut.As<IFont>(IID_IFont)->put_Bold(TRUE);
    EXPECT_EQ(record->AttributesChanged(), kFalse);
}

TEST(MenuItemRecord, FontsOutliveTheRecordWithoutReachingIt) {
    ComPtr<IFontDisp> font = MakeFont(L"Arial", 10);
    {
        RecordPtr record = MenuItemRecord::Create();
        record->SetCaptionFont(font.Get());
    }
    // The record is gone; a change must not call into it.
    font.As<IFont>(IID_IFont)->put_Bold(TRUE);
    ComPtr<IFont> properties = font.As<IFont>(IID_IFont);
    properties->AddRef();
    EXPECT_EQ(properties->Release(), 2u) << "the test's two references only";
}

TEST(MenuItemRecord, LastReleaseLetsGoOfFontsAndPicture) {
    ComPtr<IFontDisp> caption = MakeFont(L"Arial", 10);
    ComPtr<IPictureDisp> picture = MakePicture();
    RecordPtr record = MenuItemRecord::Create();
    record->SetCaptionFont(caption.Get());
    record->SetPicture(picture.Get());
    picture->AddRef();
    EXPECT_EQ(picture->Release(), 2u);
    record.Reset();
    picture->AddRef();
    EXPECT_EQ(picture->Release(), 1u);
}

TEST(MenuItemCollection, KeysLookUpAndInsertionOrder) {
    brocade::MenuItemCollection items;
    std::vector<RecordPtr> records;
    for (long serial : {1003L, 1001L, 1002L}) {
        RecordPtr record = MenuItemRecord::Create();
        record->SetItemSerial(serial);
        ASSERT_TRUE(items.Add(brocade::MenuItemKey(serial), record));
        records.push_back(record);
    }
    EXPECT_EQ(brocade::MenuItemKey(1001), "MENU_1001");
    EXPECT_EQ(brocade::MenuItemKey(-7), "MENU_-7");
    EXPECT_FALSE(items.Add("MENU_1001", MenuItemRecord::Create())) << "duplicate key";
    EXPECT_EQ(items.Find("menu_1002").Get(), records[2].Get()) << "keys ignore case";
    EXPECT_FALSE(items.Find("MENU_9999"));

    auto order = items.Records();
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0]->ItemSerial(), 1003);
    EXPECT_EQ(order[1]->ItemSerial(), 1001);
    order.clear();

    EXPECT_EQ(items.Remove("MENU_1001").Get(), records[1].Get());
    EXPECT_FALSE(items.Remove("MENU_1001"));
    EXPECT_EQ(items.Count(), 2u);
    items.Clear();
    EXPECT_TRUE(items.Empty());
    records[0]->AddRef();
    EXPECT_EQ(records[0]->Release(), 1u) << "the collection let go of its reference";
}

TEST(MenuItemCollection, MenuIndexFollowsTheRecordsMenuInCollectionOrder) {
    brocade::MenuItemCollection items;
    HMENU first = CreatePopupMenu();
    HMENU second = CreatePopupMenu();
    std::vector<RecordPtr> records;
    for (int i = 0; i < 4; ++i) {
        RecordPtr record = MenuItemRecord::Create();
        record->SetMenuHandle(i % 2 ? second : first);
        record->SetItemSerial(2000 + i);
        items.Add(brocade::MenuItemKey(2000 + i), record);
        records.push_back(record);
    }
    auto serialsOf = [&](HMENU menu) {
        std::vector<long> serials;
        items.VisitMenu(menu, [&](const MenuItemRecord &r) {
            serials.push_back(r.ItemSerial());
            return false;
        });
        return serials;
    };
    EXPECT_EQ(serialsOf(first), (std::vector<long>{2000, 2002}));
    // A record that moves to the other menu takes its collection place there.
    records[2]->SetMenuHandle(second);
    EXPECT_EQ(serialsOf(first), (std::vector<long>{2000}));
    EXPECT_EQ(serialsOf(second), (std::vector<long>{2001, 2002, 2003}));
    items.Remove("MENU_2001");
    EXPECT_EQ(serialsOf(second), (std::vector<long>{2002, 2003}));
    DestroyMenu(first);
    DestroyMenu(second);
}

}  // namespace
}  // namespace menu_test
