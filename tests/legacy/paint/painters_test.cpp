// The painters called straight on memory DCs: background tiling, GDI fonts and their cache,
// text output with code-page conversion, and the icon's place in the bitmap column.
#include <gtest/gtest.h>

#include "common/enums.h"
#include "paint/paint_test_support.h"
#include "common/color_utils.h"
#include "render/item_font.h"
#include "render/item_icon.h"
#include "render/item_texts.h"
#include "render/menu_text.h"
#include "render/tile_background.h"

namespace paint_test {
namespace {

using brocade_test::Surface;

COLORREF PatternAt(int x, int y) { return RGB(x * 20 + 5, y * 30 + 7, 99); }

// --- Background tiling ---------------------------------------------------------------------

// A 5 x 3 picture under an item at (7, 4): the item's pixel (i, j) shows picture pixel
// ((7 + i) mod 5, (4 + j) mod 3), so column 0 starts at picture column 2, row 0 at row 1.
TEST(TileBackground, TheTilePhaseFollowsTheItemsPlace) {
    Surface picture(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) SetPixelV(picture.Dc(), x, y, PatternAt(x, y));
    Surface item(12, 7);
    brocade::TileBackgroundPicture(item.Dc(), picture.Dc(), 5, 3, 7, 4, 12, 7);
    for (int j = 0; j < 7; ++j)
        for (int i = 0; i < 12; ++i)
            ASSERT_EQ(item.At(i, j), PatternAt((7 + i) % 5, (4 + j) % 3)) << i << "," << j;
}

// Two items stacked show the same pixels as one tile over both: the phase runs on.
TEST(TileBackground, StackedItemsContinueOneTiling) {
    Surface picture(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) SetPixelV(picture.Dc(), x, y, PatternAt(x, y));
    Surface whole(9, 11), upper(9, 4), lower(9, 7);
    brocade::TileBackgroundPicture(whole.Dc(), picture.Dc(), 5, 3, 0, 2, 9, 11);
    brocade::TileBackgroundPicture(upper.Dc(), picture.Dc(), 5, 3, 0, 2, 9, 4);
    brocade::TileBackgroundPicture(lower.Dc(), picture.Dc(), 5, 3, 0, 6, 9, 7);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(whole.At(x, y), y < 4 ? upper.At(x, y) : lower.At(x, y - 4)) << x << "," << y;
}

// Only (0, 0)-(w, h) is covered: the shadow strip of an item keeps what lay there.
TEST(TileBackground, CoversOnlyTheAskedArea) {
    Surface picture(4, 4, RGB(9, 9, 9));
    Surface item(10, 6);
    brocade::TileBackgroundPicture(item.Dc(), picture.Dc(), 4, 4, 3, 3, 8, 4);
    EXPECT_EQ(CountColor(item, RECT{0, 0, 8, 4}, RGB(9, 9, 9)), 32);
    EXPECT_EQ(CountColor(item, RECT{0, 0, 10, 6}, brocade_test::kBackdrop), 60 - 32);
}

TEST(TileBackground, AnEmptyPictureDrawsNothing) {
    Surface item(6, 6);
    brocade::TileBackgroundPicture(item.Dc(), item.Dc(), 0, 3, 0, 0, 6, 6);
    brocade::TileBackgroundPicture(item.Dc(), static_cast<const brocade::BackgroundSurface *>(nullptr), 0, 0, 6, 6);
    EXPECT_EQ(CountColor(item, RECT{0, 0, 6, 6}, brocade_test::kBackdrop), 36);
}

// --- GDI fonts -----------------------------------------------------------------------------

brocade::FontProperties Points(LONGLONG tenThousandths) {
    brocade::FontProperties properties;
    properties.name = L"Arial";
    properties.size = tenThousandths;
    properties.weight = FW_NORMAL;
    return properties;
}

// lfHeight = -RoundEven(|Size x dpi / 72|): 9 pt at 96 dpi is 12 pixels, 9.375 pt is 12.5 ->
// 12 (halves to even), 10.125 pt is 13.5 -> 14, 8.25 pt at 120 dpi is 13.75 -> 14.
TEST(CreateGdiFont, TheHeightIsThePointSizeAtTheResolutionRoundedHalvesToEven) {
    EXPECT_EQ(brocade::ItemLogFont(Points(90000), 96).lfHeight, -12);
    EXPECT_EQ(brocade::ItemLogFont(Points(93750), 96).lfHeight, -12);
    EXPECT_EQ(brocade::ItemLogFont(Points(101250), 96).lfHeight, -14);
    EXPECT_EQ(brocade::ItemLogFont(Points(82500), 120).lfHeight, -14);
    EXPECT_EQ(brocade::ItemLogFont(Points(-90000), 96).lfHeight, -12);  // the magnitude counts
}

TEST(CreateGdiFont, TheOtherFieldsComeFromTheProperties) {
    brocade::FontProperties properties = Points(100000);
    properties.name = L"A face name that is longer than thirty-one characters";
    properties.weight = 600;
    properties.italic = properties.underline = properties.strikethrough = true;
    properties.bold = true;  // the weight decides, not Bold
    properties.charset = SHIFTJIS_CHARSET;
    const LOGFONTA font = brocade::ItemLogFont(properties, 96);
    EXPECT_EQ(font.lfWeight, 600);
    EXPECT_EQ(font.lfItalic, TRUE);
    EXPECT_EQ(font.lfUnderline, TRUE);
    EXPECT_EQ(font.lfStrikeOut, TRUE);
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_STREQ(font.lfFaceName, "A face name that is longer than");  // 31 characters
    EXPECT_EQ(font.lfWidth, 0);
    EXPECT_EQ(font.lfQuality, 0);
    EXPECT_EQ(font.lfPitchAndFamily, 0);
}

TEST(CreateGdiFont, MakesTheFontOfAFontObject) {
    ComPtr<IFontDisp> object = menu_test::MakeFont(L"Arial", 9, true);
    brocade::UniqueFont font = brocade::CreateGdiFont(object.Get());
    ASSERT_TRUE(font);
    LOGFONTA made = {};
    ASSERT_EQ(GetObjectA(font.Get(), sizeof made, &made), static_cast<int>(sizeof made));
    // Wine's font objects report the face and size they realised (Liberation Sans at 9.75
    // points for Arial 9): the LOGFONT follows what the object says.
    brocade::FontProperties said;
    ASSERT_TRUE(brocade::ReadFontProperties(object.Get(), said));
    const int dpi = GetDeviceCaps(brocade::WindowDc(nullptr).Get(), LOGPIXELSY);
    EXPECT_EQ(made.lfHeight, -brocade::RoundEven(said.size / 10000.0 * dpi / 72));
    EXPECT_EQ(made.lfWeight, FW_BOLD);
    char face[LF_FACESIZE] = {};
    WideCharToMultiByte(CP_ACP, 0, said.name.c_str(), -1, face, LF_FACESIZE - 1, nullptr, nullptr);
    EXPECT_STREQ(made.lfFaceName, face);
    EXPECT_FALSE(brocade::CreateGdiFont(nullptr));
}

TEST(ItemFontCache, EqualPropertiesReuseTheFontAndAChangeRebuildsIt) {
    brocade::ItemFontCache cache;
    ComPtr<IFontDisp> first = menu_test::MakeFont(L"Arial", 10);
    ComPtr<IFontDisp> twin = menu_test::MakeFont(L"Arial", 10);
    HFONT made = cache.GetItemFont(first.Get());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(cache.GetItemFont(first.Get()), made);
    EXPECT_EQ(cache.GetItemFont(twin.Get()), made);  // another object, the same eight properties
    EXPECT_EQ(cache.CreatedCount(), 1);

    ComPtr<IFont> changed = twin.As<IFont>(IID_IFont);
    changed->put_Italic(TRUE);
    HFONT italic = cache.GetItemFont(twin.Get());
    EXPECT_EQ(cache.CreatedCount(), 2);
    LOGFONTA read = {};
    GetObjectA(italic, sizeof read, &read);
    EXPECT_EQ(read.lfItalic, TRUE);
    EXPECT_EQ(cache.GetItemFont(first.Get()) != nullptr, true);
    EXPECT_EQ(cache.CreatedCount(), 3);  // back and forth rebuilds each time
    EXPECT_EQ(cache.GetItemFont(nullptr), nullptr);
    cache.Clear();
}

// Within a pass the font object last read is trusted unchanged; ending the pass reads it again.
TEST(ItemFontCache, ASourceTrustedWithinAPassIsReadAgainAfterIt) {
    brocade::ItemFontCache cache;
    ComPtr<IFontDisp> font = menu_test::MakeFont(L"Arial", 10);
    HFONT made = cache.GetItemFont(font.Get(), {}, true);
    ASSERT_NE(made, nullptr);
    font.As<IFont>(IID_IFont)->put_Bold(TRUE);
    EXPECT_EQ(cache.GetItemFont(font.Get(), {}, true), made);
    EXPECT_EQ(cache.CreatedCount(), 1);
    EXPECT_NE(cache.GetItemFont(font.Get(), {}, false), made);  // read again: bold now
    EXPECT_EQ(cache.CreatedCount(), 2);
    font.As<IFont>(IID_IFont)->put_Bold(FALSE);
    cache.ForgetSource();
    LOGFONTA read = {};
    GetObjectA(cache.GetItemFont(font.Get(), {}, true), sizeof read, &read);
    EXPECT_EQ(read.lfWeight, FW_NORMAL);
}

TEST(GetItemFont, ANullFontMeansTheAmbientFont) {
    PaintBench bench({"Item"});
    bench.host.ambientFont = menu_test::MakeFont(L"Courier New", 12);
    HFONT font = brocade::GetItemFont(bench.host, nullptr);
    LOGFONTA read = {};
    ASSERT_NE(GetObjectA(font, sizeof read, &read), 0);
    brocade::FontProperties said;
    ASSERT_TRUE(brocade::ReadFontProperties(bench.host.ambientFont.Get(), said));
    EXPECT_EQ(read.lfHeight, -brocade::RoundEven(said.size / 10000.0 *
                                                  GetDeviceCaps(brocade::WindowDc(nullptr).Get(), LOGPIXELSY) / 72));
    char face[LF_FACESIZE] = {};
    WideCharToMultiByte(CP_ACP, 0, said.name.c_str(), -1, face, LF_FACESIZE - 1, nullptr, nullptr);
    EXPECT_STREQ(read.lfFaceName, face);
}

// --- Text output ---------------------------------------------------------------------------

TEST(DrawMenuText, MnemonicMarksOfAConvertedText) {
    EXPECT_EQ(brocade::RemoveMnemonicMarks(L"A&&B&C"), L"A&BC");
    EXPECT_EQ(brocade::RemoveMnemonicMarks(L"&&&&&"), L"&&");
    EXPECT_EQ(brocade::RemoveMnemonicMarks(L"&File"), L"File");
    EXPECT_EQ(brocade::RemoveMnemonicMarks(L"end&"), L"end");
}

class TextOutput : public testing::Test {
protected:
    static constexpr int kWidth = 120, kHeight = 20;
    const RECT rect_ = {4, 0, kWidth, kHeight};
    const UINT flags_ = DT_SINGLELINE | DT_VCENTER;

    // The pixels one call draws in black on white.
    template <class Draw>
    std::unique_ptr<Surface> Drawn(Draw draw) {
        auto surface = std::make_unique<Surface>(kWidth, kHeight, RGB(255, 255, 255));
        SetBkMode(surface->Dc(), TRANSPARENT);
        SelectObject(surface->Dc(), GetStockObject(DEFAULT_GUI_FONT));
        draw(surface->Dc());
        return surface;
    }
    std::unique_ptr<Surface> Wide(const wchar_t *text) {
        return Drawn([&](HDC dc) {
            RECT r = rect_;
            DrawTextW(dc, text, -1, &r, flags_);
        });
    }
    std::unique_ptr<Surface> Ansi(const char *text) {
        return Drawn([&](HDC dc) {
            RECT r = rect_;
            DrawTextA(dc, text, -1, &r, flags_);
        });
    }
    std::unique_ptr<Surface> Menu(const std::string &text, long language, bool unicode) {
        return Drawn([&](HDC dc) { brocade::DrawMenuText(dc, text, rect_, flags_, language, unicode); });
    }
};

// Japanese text on a system of another code page is converted from code page 932, and its
// marks are taken out before DrawText would read them: "A&&B&C" shows as DrawTextW("A&BC")
// (whose own "&" underlines the B), where DrawTextA would show "A&B" and an underlined C.
TEST_F(TextOutput, ALanguageOfAnotherCodePageIsConvertedAndItsMarksResolved) {
    ASSERT_NE(GetACP(), 932u) << "the test needs a system code page other than Japanese";
    auto converted = Menu("A&&B&C", brocade::kJapanese, false);
    EXPECT_EQ(converted->FirstDifference(*Wide(L"A&BC")), "");
    EXPECT_NE(converted->FirstDifference(*Ansi("A&&B&C")), "");
}

// Shift-JIS bytes 82 A0 are one character (U+3042) in code page 932, two in the system's.
TEST_F(TextOutput, DoubleByteTextIsReadInTheLanguagesCodePage) {
    auto converted = Menu("x\x82\xa0y", brocade::kJapanese, false);
    EXPECT_EQ(converted->FirstDifference(*Wide(L"x\u3042y")), "");
}

TEST_F(TextOutput, OtherLanguagesDrawTheAnsiTextAsItIs) {
    EXPECT_EQ(Menu("A&&B&C", brocade::kGerman, false)->FirstDifference(*Ansi("A&&B&C")), "");
    EXPECT_EQ(Menu("A&&B&C", brocade::kEnglish, false)->FirstDifference(*Ansi("A&&B&C")), "");
}

// A decoded Unicode caption is UTF-16LE code units.
TEST_F(TextOutput, UnicodeCaptionsAreDrawnWide) {
    const std::string units("H\0i\0&\0&\0\x42\x04", 10);  // "Hi&&" and CYRILLIC CAPITAL LETTER BE
    EXPECT_EQ(Menu(units, brocade::kEnglish, true)->FirstDifference(*Wide(L"Hi&&\u0442")), "");
}

// Windows 9x: the text at the rectangle's left, or centred; vertically centred from the
// text's height, halves to even; the DC's alignment is left as it was.
TEST_F(TextOutput, HandMadeWideOutputPlacesTheTextAndKeepsTheAlignment) {
    const std::wstring text = L"Menu";
    SIZE extent = {};
    auto byHand = Drawn([&](HDC dc) {
        GetTextExtentPoint32W(dc, text.c_str(), 4, &extent);
        SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
        brocade::DrawWideTextByHand(dc, text, RECT{0, 0, 101, 20}, DT_CENTER);
        EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_RIGHT | TA_BOTTOM));
    });
    auto expected = Drawn([&](HDC dc) {
        TextOutW(dc, brocade::RoundEven((101 - extent.cx) / 2.0), brocade::RoundEven((20 - extent.cy) / 2.0),
                 text.c_str(), 4);
    });
    EXPECT_EQ(byHand->FirstDifference(*expected), "");
}

// --- The icon in the bitmap column ---------------------------------------------------------

// A 15 x 15 picture in a column 24 wide of an item 100 x 21: x = RoundEven(4.5) = 4,
// y = RoundEven(3) = 3; in a column 26 wide x = RoundEven(5.5) = 6. Right to left it moves
// by cx - bw = 76 (80), and 2 less beside a shadow (78). Pictures larger than the column or
// the item are cut to them.
TEST(ItemIcon, ThePictureIsCentredInTheColumnRoundedHalvesToEven) {
    brocade::PaintStyle style = brocade_test::TestStyle(brocade::kPlain);
    EXPECT_EQ(brocade::ItemIconRect(100, 21, 24, SIZE{15, 15}, style).left, 4);
    EXPECT_EQ(brocade::ItemIconRect(100, 21, 24, SIZE{15, 15}, style).top, 3);
    EXPECT_EQ(brocade::ItemIconRect(100, 21, 26, SIZE{15, 15}, style).left, 6);
    EXPECT_EQ(brocade::ItemIconRect(100, 20, 26, SIZE{15, 15}, style).top, 2);  // 2.5 -> 2
    style.rightToLeft = true;
    EXPECT_EQ(brocade::ItemIconRect(100, 21, 24, SIZE{15, 15}, style).left, 80);
    style.menuBorder = brocade::kBorderFlatWithShadow;
    EXPECT_EQ(brocade::ItemIconRect(100, 21, 24, SIZE{15, 15}, style).left, 78);
    style.rightToLeft = false;
    const RECT cut = brocade::ItemIconRect(100, 12, 20, SIZE{32, 32}, style);
    EXPECT_EQ(cut.right - cut.left, 20);
    EXPECT_EQ(cut.bottom - cut.top, 12);
    EXPECT_EQ(cut.left, 0);
}

// A bitmap picture: its PictureBackColor pixels stay transparent, the others are copied; a
// disabled one turns light grey except those pixels.
TEST(ItemIcon, BitmapPicturesKeepTheirBackColourTransparentAndGreyWhenDisabled) {
    const COLORREF key = RGB(255, 0, 255), ink = RGB(0, 0, 0);
    ComPtr<IPictureDisp> picture = PaintedPicture(16, 16, [&](int x, int) { return x < 8 ? key : ink; });
    ComPtr<MenuItemRecord> record = MenuItemRecord::Create();
    record->SetPictureBackColor(key);
    brocade::PaintStyle style = brocade_test::TestStyle(brocade::kPlain);
    style.highlightOverBitmap = brocade::kOverBitmapNever;
    Surface item(100, 20, RGB(50, 60, 70));
    // Column 20: x = 2, y = 2.
    brocade::DrawItemIcon(item.Dc(), 100, 20, 20, picture.Get(), *record.Get(), false, style, nullptr);
    EXPECT_EQ(item.At(2 + 3, 2 + 3), RGB(50, 60, 70));  // key colour: transparent
    EXPECT_EQ(item.At(2 + 12, 2 + 3), ink);
    EXPECT_EQ(item.At(2 + 12, 2 + 16), RGB(50, 60, 70));  // below the picture

    record->SetDisabled(brocade::kTrue);
    Surface disabled(100, 20, RGB(50, 60, 70));
    brocade::DrawItemIcon(disabled.Dc(), 100, 20, 20, picture.Get(), *record.Get(), false, style, nullptr);
    EXPECT_EQ(disabled.At(2 + 3, 2 + 3), RGB(50, 60, 70));
    EXPECT_EQ(disabled.At(2 + 12, 2 + 3), RGB(101, 101, 101));  // black turned light grey
}

// A checked item's picture is outlined with the border pen when the highlight covers the
// column (1, 1)-(bw - 1, cy - 2), else raised with an edge over (0, 0)-(bw, cy).
TEST(ItemIcon, CheckedPicturesAreOutlinedOrRaised) {
    ComPtr<IPictureDisp> picture = PaintedPicture(8, 8, [](int, int) { return RGB(0, 128, 0); });
    ComPtr<MenuItemRecord> record = MenuItemRecord::Create();
    record->SetChecked(brocade::kTrue);
    brocade::PaintStyle style = brocade_test::TestStyle(brocade::kPlain);
    brocade::UniquePen pen(CreatePen(PS_SOLID, 1, RGB(200, 0, 0)));

    style.highlightOverBitmap = brocade::kOverBitmapAlways;
    Surface outlined(60, 20, RGB(255, 255, 255));
    brocade::DrawItemIcon(outlined.Dc(), 60, 20, 20, picture.Get(), *record.Get(), false, style, pen.Get());
    EXPECT_EQ(outlined.At(1, 1), RGB(200, 0, 0));
    EXPECT_EQ(outlined.At(19, 1), RGB(200, 0, 0));   // right = 1 + 20 - 2
    EXPECT_EQ(outlined.At(19, 17), RGB(200, 0, 0));
    EXPECT_EQ(outlined.At(1, 18), RGB(200, 0, 0));   // bottom = 20 - 2
    EXPECT_EQ(outlined.At(10, 18), RGB(200, 0, 0));
    EXPECT_EQ(outlined.At(20, 1), RGB(255, 255, 255));
    EXPECT_EQ(outlined.At(1, 19), RGB(255, 255, 255));
    EXPECT_EQ(outlined.At(0, 0), RGB(255, 255, 255));

    style.highlightOverBitmap = brocade::kOverBitmapNever;
    Surface raised(60, 20, RGB(255, 255, 255));
    brocade::DrawItemIcon(raised.Dc(), 60, 20, 20, picture.Get(), *record.Get(), false, style, pen.Get());
    EXPECT_EQ(raised.At(19, 10), GetSysColor(COLOR_BTNSHADOW));  // the edge's dark right side
    EXPECT_EQ(raised.At(10, 19), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(raised.At(0, 10), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST(ItemIcon, NoPictureDrawsNothingEvenWhenChecked) {
    ComPtr<MenuItemRecord> record = MenuItemRecord::Create();
    record->SetChecked(brocade::kTrue);
    Surface item(60, 20);
    brocade::DrawItemIcon(item.Dc(), 60, 20, 20, nullptr, *record.Get(), true, brocade_test::TestStyle(brocade::kPlain),
                          nullptr);
    EXPECT_EQ(CountColor(item, RECT{0, 0, 60, 20}, brocade_test::kBackdrop), 1200);
}

}  // namespace
}  // namespace paint_test
