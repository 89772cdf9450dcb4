// The brush and pen the control paints flat frames and outlines with: made for a new control,
// rebuilt when the colours they come from change, replaced without a leak while a popup draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/gdi_count.h"
#include "support/hosted_control.h"
#include "support/menus.h"
#include "support/settings.h"

using namespace brocade_test;

namespace {

constexpr long kFlat = 1, kXp = 9, kOverBitmapAlways = 1;
// Set for the test and put back: the derived border colour is the system's button shadow. Wine
// frames its popups in that colour too, so with the derived colours only the outlines inside
// the items tell a missing pen from the control's own.
constexpr COLORREF kShadow = RGB(200, 20, 120), kMenu = RGB(230, 230, 200);

COLORREF ColourOf(IDispatch *control, const wchar_t *name) { return static_cast<COLORREF>(Get(control, name).value.AsLong()); }

// A container that sites the control before InitNew (as forms packages do) and one that sites
// it after (Wine's ATL); the second sets a style whose derived colours differ.
struct Host {
    const char *name;
    bool inAtl;
    long highlightStyle;  // -1: left as a new control has it
};

class FlatBorderAfterInitNew : public testing::TestWithParam<Host> {};

TEST_P(FlatBorderAfterInitNew, FramesAndOutlinesAreDrawnInTheBorderColour) {
    ScopedSysColors colours({{COLOR_BTNSHADOW, kShadow}, {COLOR_MENU, kMenu}});  // put back at the end
    Form form(FormOptions{true});
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "&Save", "E&xit"});
    CheckMenuItem(file, 1, MF_BYPOSITION | MF_CHECKED);
    HostedControl control = GetParam().inAtl ? HostedControl::InAtl(form) : HostedControl::WithSite(form);
    ASSERT_TRUE(control);
    if (GetParam().highlightStyle >= 0) {
        ASSERT_EQ(Put(control, L"HighlightStyle", GetParam().highlightStyle).hr, S_OK);
    }
    ASSERT_EQ(Put(control, L"MenuBorder", kFlat).hr, S_OK);
    ASSERT_EQ(Put(control, L"HighlightOverBitmap", kOverBitmapAlways).hr, S_OK);  // outlines checked pictures
    const COLORREF border = ColourOf(control, L"MenuHighlightBorder");
    if (GetParam().highlightStyle == kXp) {
        ASSERT_NE(border, kShadow) << "the style derives a border colour of its own";
    }

    Surface popup;
    ASSERT_TRUE(WithOpenPopup(form, file, 60, 60, [&](HWND window) {
        popup = WindowPixels(window);
        return true;
    }));
    EXPECT_EQ(popup.At(0, popup.Height() / 2), border) << "left edge " << Hex(popup.At(0, popup.Height() / 2));
    EXPECT_EQ(popup.At(popup.Width() / 2, 0), border) << "top edge " << Hex(popup.At(popup.Width() / 2, 0));

    Surface title = DrawItemThroughForm(form, GetMenu(form), 0, true);
    ASSERT_GT(title.Height(), 2);
    EXPECT_EQ(title.At(0, title.Height() / 2), border) << "title frame " << Hex(title.At(0, title.Height() / 2));
    Surface checked = DrawItemThroughForm(form, file, 1);
    ASSERT_GT(checked.Height(), 2);
    EXPECT_EQ(checked.At(1, checked.Height() / 2), border)
        << "checked picture's outline " << Hex(checked.At(1, checked.Height() / 2));
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, FlatBorderAfterInitNew,
                         testing::Values(Host{"SitedFirst", false, -1}, Host{"InAtlWithXpStyle", true, kXp}),
                         [](const testing::TestParamInfo<Host> &info) { return info.param.name; });

// A property a host changes from DrawMenuItemEx while a real popup draws its items under a flat
// border, which makes the control rebuild its brush and pen.
struct Change {
    const char *name;
    std::function<void(IDispatch *control)> apply;
};

class ChangeDuringPopup : public testing::TestWithParam<Change> {};

TEST_P(ChangeDuringPopup, LeavesNoPenBehind) {
    Form form(FormOptions{true});
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "&Save", "E&xit"});
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    ASSERT_EQ(Put(control, L"MenuBorder", kFlat).hr, S_OK);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    std::vector<int> pensLeft;
    bool busy = false;  // the change redraws the menu bar, whose titles raise the event too
    sink.onDrawMenuItemEx = [&](_CMenuItem *item, HDC, bool, LONG, LONG, LONG stage, VARIANT_BOOL &) {
        VARIANT_BOOL title = VARIANT_FALSE;
        item->get_IsTopLevel(&title);
        if (busy || title || stage != 0) return;
        busy = true;
        // Wine deletes an object still selected into a DC once it is let go, where Windows
        // refuses and the object leaks: counted right after the change, Wine still holds it.
        const int before = GdiObjectCountOfType(OBJ_PEN);
        GetParam().apply(control);
        pensLeft.push_back(GdiObjectCountOfType(OBJ_PEN) - before);
        busy = false;
    };
    ASSERT_TRUE(WithOpenPopup(form, file, 60, 60));  // the system's caches fill on first use
    const int before = GdiObjectCountBesidesCachedDcs();
    const std::string census = GdiCensus();
    ASSERT_TRUE(WithOpenPopup(form, file, 60, 60));
    ASSERT_FALSE(pensLeft.empty());
    EXPECT_EQ(std::count(pensLeft.begin(), pensLeft.end(), 0), static_cast<long>(pensLeft.size()))
        << "a change left a pen " << pensLeft.back();
    EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), before) << "was: " << census << "\nnow: " << GdiCensus();
}

INSTANTIATE_TEST_SUITE_P(
    Lifecycle, ChangeDuringPopup,
    testing::Values(Change{"UseCustomColors",
                           [](IDispatch *control) { Put(control, L"UseCustomColors", !Get(control, L"UseCustomColors").value.AsBool()); }},
                    Change{"LockRefreshReleased",
                           [](IDispatch *control) {
                               Put(control, L"LockRefresh", true);
                               Put(control, L"LockRefresh", false);
                           }}),
    [](const testing::TestParamInfo<Change> &info) { return info.param.name; });

}  // namespace
