// Events as a connected host receives them: the CMenuItem and the other arguments, what the
// host changes from inside an event, and the item a host keeps.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"
#include "support/settings.h"

using namespace brocade_test;

namespace {

LONG Handle(const void *handle) { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(handle)); }

// What a host reads of an item, on one line.
std::wstring Describe(IDispatch *item, HMENU bar, HWND form, HWND control) {
    std::wostringstream out;
    auto number = [&](const wchar_t *name) { return Get(item, name).value.AsLong(); };
    out << Get(item, L"Caption").value.AsString() << L" [" << Get(item, L"ShortcutText").value.AsString() << L"] id "
        << number(L"MenuId") << L" parent " << number(L"ParentMenuId") << L" at " << number(L"Position")
        << (number(L"hMenu") == Handle(bar) ? L" in the bar" : L" in a popup")
        << (number(L"hwnd") == Handle(form) ? L" of the form" : number(L"hwnd") == Handle(control) ? L" of the control" : L" of ?");
    for (const wchar_t *flag : {L"IsFirst", L"IsLast", L"IsTopLevel", L"HasSubMenus", L"IsSeparator", L"Checked", L"Disabled"})
        // Wine reads a separator made by AppendMenu as grayed (state 0x803).
        if (number(flag) && !(number(L"IsSeparator") && flag == std::wstring(L"Disabled"))) out << L" " << flag;
    return out.str();
}

int Count(const Surface &pixels, COLORREF colour) {
    int count = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) count += pixels.At(x, y) == colour;
    return count;
}

}  // namespace

TEST(Events, EachEventCarriesTheItemAsTheHostReadsItAndItsOtherArguments) {
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "-", "E&xit"}), bar = GetMenu(form);
    CheckMenuItem(file, 0, MF_BYPOSITION | MF_CHECKED);
    EnableMenuItem(file, 2, MF_BYPOSITION | MF_GRAYED);
    HostedControl control = HostedControl::WithSite(form);
    ASSERT_TRUE(control);
    HWND own = nullptr;
    control.As<IOleWindow>(IID_IOleWindow)->GetWindow(&own);
    const std::wstring menuFont = Get(Call(control, L"GetMenuCaptionFont").value.AsDispatch().Get(), L"Name").value.AsString();
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    std::set<std::wstring> scanned;  // (Wine scans converted items again)
    ComPtr<_CMenuItem> kept;
    sink.onSetMenuItemAttributes = [&](_CMenuItem *item) {
        scanned.insert(Describe(item, bar, form, own));
        EXPECT_EQ(Get(Get(item, L"CaptionFont").value.AsDispatch().Get(), L"Name").value.AsString(), menuFont);
        if (Get(item, L"MenuId").value.AsLong() == 100) kept = ComPtr<_CMenuItem>(item);
    };
    std::vector<LONG> measured, drawn;
    sink.onSetMenuItemSize = [&](_CMenuItem *, LONG &width, LONG &height) { measured = {width, height}; };
    sink.onDrawMenuItem = [&](_CMenuItem *, HDC dc, bool selected, LONG cx, LONG cy, VARIANT_BOOL &) {
        drawn = {cx, cy, selected, GetObjectType(dc) == OBJ_MEMDC};  // drawn off-screen, in a bitmap of its own
    };
    DrawItemThroughForm(form, bar, 0);
    Surface open = DrawItemThroughForm(form, file, 0, true);
    EXPECT_EQ(scanned, (std::set<std::wstring>{
                           L"&File [] id -1 parent -1 at 0 in the bar of the control IsFirst IsTopLevel HasSubMenus",
                           L"&Open [Ctrl+O] id 100 parent -1 at 0 in a popup of the form IsFirst Checked",
                           L" [] id 0 parent -1 at 1 in a popup of the form IsSeparator",
                           L"E&xit [] id 101 parent -1 at 2 in a popup of the form IsLast Disabled"}));
    EXPECT_EQ(sink.Captions(kSetMenuItemSize).back(), L"&Open");
    EXPECT_EQ(measured, (std::vector<LONG>{open.Width(), open.Height()}));
    EXPECT_EQ(sink.Captions(kDrawMenuItem).back(), L"&Open");
    EXPECT_EQ(drawn, (std::vector<LONG>{open.Width(), open.Height(), true, true}));

    // The host's reference keeps the item after the control has gone; it takes what a host may set.
    control.Close();
    ASSERT_TRUE(kept);
    EXPECT_EQ(Get(kept.Get(), L"MenuText").value.AsString(), L"&Open\tCtrl+O");
    EXPECT_EQ(Put(kept.Get(), L"TooltTipText", L"  Open a file  ").hr, S_OK) << "taken by reference";
    EXPECT_EQ(Get(kept.Get(), L"TooltTipText").value.AsString(), L"Open a file");
    EXPECT_EQ(Put(kept.Get(), L"Language", 2).hr, S_OK);
    ASSERT_TRUE(FontInstalledFor(SHIFTJIS_CHARSET));
    for (const wchar_t *font : {L"CaptionFont", L"ShortcutFont"})
        EXPECT_EQ(Get(Get(kept.Get(), font).value.AsDispatch().Get(), L"Charset").value.AsLong(), SHIFTJIS_CHARSET) << font;
    EXPECT_EQ(Put(kept.Get(), L"Caption", L"Other").hr, DISP_E_MEMBERNOTFOUND) << "read-only";
    ComPtr<IPictureDisp> picture = BitmapPicture(4, 4, RGB(9, 9, 9));
    EXPECT_EQ(PutRef(kept.Get(), L"Picture", picture.Get()).hr, S_OK);
    EXPECT_EQ(Get(kept.Get(), L"Picture").value.AsDispatch().Get(), picture.Get());
    auto font = Get(kept.Get(), L"CaptionFont").value.AsDispatch();  // an early-bound host can hand over any object
    EXPECT_EQ(kept->putref_Picture(reinterpret_cast<IPictureDisp *>(font.Get())), static_cast<HRESULT>(0x80040000));
}

namespace {

// Pixels unlike the background at the item's right end.
int Ink(const Surface &item) {
    const int background = Count(item, item.At(item.Width() - 1, item.Height() / 2));
    return item.Width() * item.Height() - background;
}

void MakeFontsBold(_CMenuItem *item) {
    for (const wchar_t *font : {L"CaptionFont", L"ShortcutFont"})
        Put(Get(item, font).value.AsDispatch().Get(), L"Bold", true);
}

}  // namespace

// The fonts an item was measured with are read again for its texts once a handler changed one
// (what was read is kept until the font object tells of a change).
TEST(Events, AFontMadeBoldInDrawMenuItemShowsInThatItemsText) {
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "E&xit"});
    HostedControl control = HostedControl::WithSite(form);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    const int plain = Ink(DrawItemThroughForm(form, file, 0));
    sink.onDrawMenuItem = [&](_CMenuItem *item, HDC, bool, LONG, LONG, VARIANT_BOOL &) {
        MakeFontsBold(item);
    };
    EXPECT_GT(Ink(DrawItemThroughForm(form, file, 0)), plain + plain / 10) << "thicker strokes";
}

// Each opening gives the items the menu's fonts again, so a change made in one opening lasts
// for that opening only, however the fonts are kept between the items.
TEST(Events, AFontMadeBoldInOneOpeningIsTheMenuFontAgainAtTheNext) {
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "E&xit"});
    HostedControl control = HostedControl::WithSite(form);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    const int plain = Ink(DrawItemThroughForm(form, file, 0));
    sink.onSetMenuItemAttributes = [&](_CMenuItem *item) {
        MakeFontsBold(item);
    };
    EXPECT_GT(Ink(DrawItemThroughForm(form, file, 0)), plain + plain / 10) << "bold in the opening that asked";
    sink.onSetMenuItemAttributes = nullptr;
    EXPECT_EQ(Ink(DrawItemThroughForm(form, file, 0)), plain) << "the menu's font at the next";
}

TEST(Events, WhatTheHostChangesInAnEventShowsInThatVeryMeasureOrDraw) {
    constexpr COLORREF kRed = RGB(250, 0, 0), kHost = RGB(10, 200, 30);
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "E&xit"});
    HostedControl control = HostedControl::WithSite(form);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    Surface plain = DrawItemThroughForm(form, file, 0);
    sink.onSetMenuItemAttributes = [&](_CMenuItem *item) {
        if (Get(item, L"MenuId").value.AsLong() == 100) PutRef(item, L"Picture", BitmapPicture(16, 16, kRed).Get());
        else Put(Get(item, L"CaptionFont").value.AsDispatch().Get(), L"Size", 30);
    };
    Surface changed = DrawItemThroughForm(form, file, 0);
    // Items of a popup are as wide as its widest caption: the other item's, measured in the scan.
    EXPECT_GT(changed.Width(), plain.Width()) << "as wide as the other caption in the larger font given";
    EXPECT_EQ(Count(plain, kRed), 0);
    EXPECT_GT(Count(changed, kRed), 100) << "drawn with the picture given";
    sink.onSetMenuItemSize = [](_CMenuItem *, LONG &width, LONG &height) { width = 150, height = 40; };
    sink.onDrawMenuItem = [&](_CMenuItem *, HDC dc, bool, LONG cx, LONG cy, VARIANT_BOOL &userDrawn) {
        const RECT all = {0, 0, cx, cy};
        SetDCBrushColor(dc, kHost);
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        userDrawn = VARIANT_TRUE;
    };
    Surface sized = DrawItemThroughForm(form, file, 0);
    EXPECT_EQ(sized.Width(), 150) << "the size SetMenuItemSize gave";
    EXPECT_EQ(sized.Height(), 40) << "the size SetMenuItemSize gave";
    EXPECT_EQ(Count(sized, kHost), 150 * 40) << "drawn by the host alone";
}
