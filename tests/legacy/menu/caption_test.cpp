// Unicode captions and keyboard mnemonics of owner-drawn items.
#include <gtest/gtest.h>

#include "menu/menu_char.h"
#include "menu/menu_test_support.h"
#include "menu/unicode_caption.h"

namespace menu_test {
namespace {

using brocade::DecodeUnicodeCaption;
using brocade::GetCaptionWideText;
using brocade::GetConvertedUnicodeString;

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(UnicodeCaption, MarkedCaptionsDecodeToTheirCodeUnits) {
    EXPECT_EQ(DecodeUnicodeCaption(Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00})), Bytes({0x41, 0x00, 0x42, 0x00}));
    EXPECT_EQ(GetCaptionWideText(Bytes({0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00})), L"AB");
    // The other mark is read the same way: no byte swapping.
    EXPECT_EQ(GetCaptionWideText(Bytes({0xFE, 0xFF, 0x41, 0x00})), L"A");
    EXPECT_EQ(GetCaptionWideText(Bytes({0xFF, 0xFE, 0x42, 0x30, 0x44, 0x30})), L"\x3042\x3044");
}

TEST(UnicodeCaption, ShortOrUnmarkedTextsStayAsTheyAre) {
    std::string markOnly = Bytes({0xFF, 0xFE});
    EXPECT_FALSE(brocade::IsMarkedUnicodeCaption(markOnly));
    EXPECT_EQ(DecodeUnicodeCaption(markOnly), markOnly);
    EXPECT_EQ(DecodeUnicodeCaption("&Open"), "&Open");
    EXPECT_EQ(GetCaptionWideText("&Open"), L"&Open");
    EXPECT_TRUE(brocade::IsMarkedUnicodeCaption(Bytes({0xFF, 0xFE, 0x41})));
    // An odd byte after the mark is no whole code unit.
    EXPECT_EQ(GetCaptionWideText(Bytes({0xFF, 0xFE, 0x42, 0x30, 0x44})), L"\x3042");
    EXPECT_EQ(GetCaptionWideText(Bytes({0xFF, 0xFE, 0x44})), L"");
}

TEST(UnicodeCaption, ConvertsToTheLanguagesCodePage) {
    // U+3042 U+3044 in Shift-JIS (code page 932).
    EXPECT_EQ(GetConvertedUnicodeString(Bytes({0xFF, 0xFE, 0x42, 0x30, 0x44, 0x30}), 2),
              Bytes({0x82, 0xA0, 0x82, 0xA2}));
    // U+0101 has no place in code page 932: it becomes the digit 0.
    EXPECT_EQ(GetConvertedUnicodeString(Bytes({0xFF, 0xFE, 0x42, 0x30, 0x01, 0x01}), 2),
              Bytes({0x82, 0xA0, '0'}));
    // Russian: U+0416 is 0xC6 in code page 1251.
    EXPECT_EQ(GetConvertedUnicodeString(Bytes({0xFF, 0xFE, 0x16, 0x04}), 10), Bytes({0xC6}));
    // Unmarked text passes through the system code page.
    EXPECT_EQ(GetConvertedUnicodeString("Open", 0), "Open");
    EXPECT_EQ(GetConvertedUnicodeString("", 2), "");
    // A code unit of 0 ends the text, as the conversion reads up to the first NUL.
    EXPECT_EQ(GetConvertedUnicodeString(Bytes({0xFF, 0xFE, 0x41, 0x00, 0x00, 0x00, 0x42, 0x00}), 0), "A");
}

TEST(MenuChar, WordHelpers) {
    EXPECT_EQ(brocade::GetLoWordValue(0x00120063), 0x63);
    EXPECT_EQ(brocade::GetLoWordValue(-1), 0xFFFF);
    EXPECT_EQ(brocade::MakeLong(2, MNC_EXECUTE), 0x00020002);
    EXPECT_EQ(brocade::MakeLong(0xFFFF, 0x7FFF), 0x7FFFFFFF);
    EXPECT_EQ(brocade::MakeLong(1, 0x8000), static_cast<LONG>(0x80000001u));
}

// Records of one menu in collection order, as a scan leaves them.
struct MnemonicMenu {
    brocade::MenuItemCollection items;
    HMENU menu = CreatePopupMenu();
    HMENU other = CreatePopupMenu();
    long serial = 3000;

    void Add(HMENU owner, const char *text) {
        RecordPtr record = MenuItemRecord::Create();
        record->SetMenuText(text);
        record->SetMenuHandle(owner);
        record->SetItemSerial(++serial);
        items.Add(brocade::MenuItemKey(serial), record);
    }
    LRESULT Type(char typed, brocade::Boolean &route, HMENU target = nullptr) {
        route = brocade::kTrue;
        return brocade::OnMenuChar(&items, MAKEWPARAM(static_cast<unsigned char>(typed), MF_POPUP),
                                   reinterpret_cast<LPARAM>(target ? target : menu), route);
    }
    ~MnemonicMenu() {
        DestroyMenu(menu);
        DestroyMenu(other);
    }
};

TEST(MenuChar, AnswersThePositionAmongTheMenusRecords) {
    MnemonicMenu m;
    m.Add(m.menu, "&Open");
    m.Add(m.other, "&Copy");  // another menu's record does not count
    m.Add(m.menu, "");        // a separator holds its place
    m.Add(m.menu, "&Close\tAlt+F4");
    brocade::Boolean route;
    EXPECT_EQ(m.Type('c', route), brocade::MakeLong(2, MNC_EXECUTE));
    EXPECT_EQ(route, brocade::kFalse);
    EXPECT_EQ(m.Type('C', route), brocade::MakeLong(2, MNC_EXECUTE));
    EXPECT_EQ(m.Type('o', route), brocade::MakeLong(0, MNC_EXECUTE));
    EXPECT_EQ(m.Type('x', route), 0);
    EXPECT_EQ(route, brocade::kTrue) << "the window's own procedure answers";
    EXPECT_EQ(m.Type('c', route, m.other), brocade::MakeLong(0, MNC_EXECUTE));
}

TEST(MenuChar, FirstRecordWinsAndDoubledAmpersandIsTyped) {
    MnemonicMenu m;
    m.Add(m.menu, "&Help");
    m.Add(m.menu, "&History");
    m.Add(m.menu, "&&Help");
    m.Add(m.menu, "Total&");
    brocade::Boolean route;
    EXPECT_EQ(m.Type('h', route), brocade::MakeLong(0, MNC_EXECUTE));
    EXPECT_EQ(m.Type('&', route), brocade::MakeLong(2, MNC_EXECUTE));
    EXPECT_EQ(m.Type('\0', route), 0) << "items without a mnemonic are never chosen";
}

TEST(MenuChar, NoCollectionOrNoRecordsLetsTheWindowAnswer) {
    brocade::Boolean route = brocade::kTrue;
    EXPECT_EQ(brocade::OnMenuChar(nullptr, 'a', 0, route), 0);
    EXPECT_EQ(route, brocade::kTrue);
    MnemonicMenu m;
    EXPECT_EQ(m.Type('a', route), 0);
    EXPECT_EQ(route, brocade::kTrue);
}

}  // namespace
}  // namespace menu_test
