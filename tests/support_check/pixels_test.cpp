// Pixels of an item the control draws when the form's window is asked to, as the menu asks it.
#include <gtest/gtest.h>

#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"
#include "support/settings.h"

using namespace brocade_test;

namespace {

constexpr COLORREF kHighlight = RGB(200, 30, 40), kBackground = RGB(230, 240, 200), kTiled = RGB(20, 160, 90);

}  // namespace

TEST(Pixels, TheSelectedItemIsFilledWithTheCustomHighlightAndTheOthersWithTheBackground) {
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "E&xit"});
    HostedControl control = HostedControl::WithSite(form);
    ASSERT_TRUE(control);
    Put(control, L"UseCustomColors", true);
    Put(control, L"HighlightStyle", 0);  // Plain
    Put(control, L"MenuHighlight", kHighlight);
    Put(control, L"MenuBackground", kBackground);
    for (bool selected : {true, false}) {
        Surface item = DrawItemThroughForm(form, file, 1, selected);
        ASSERT_GT(item.Width(), 8);
        const COLORREF expected = selected ? kHighlight : kBackground;
        EXPECT_EQ(item.At(item.Width() - 4, item.Height() / 2), expected)
            << (selected ? "selected: " : "not selected: ") << Hex(item.At(item.Width() - 4, item.Height() / 2));
    }
}

TEST(Pixels, ABackgroundPictureIsTiledBehindTheItems) {
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open"});
    HostedControl control = HostedControl::WithSite(form);
    ASSERT_TRUE(control);
    ASSERT_EQ(PutRef(control, L"BackgroundPicture", BitmapPicture(8, 8, kTiled).Get()).hr, S_OK);
    Surface item = DrawItemThroughForm(form, file, 0);
    EXPECT_EQ(item.At(item.Width() - 4, item.Height() / 2), kTiled) << Hex(item.At(item.Width() - 4, item.Height() / 2));
}

TEST(Pixels, WithDefaultColoursTheBackgroundFollowsTheSystemMenuColour) {
    ScopedSysColors colours({{COLOR_MENU, RGB(180, 190, 250)}});  // put back at the end
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open"});
    HostedControl control = HostedControl::WithSite(form);
    ASSERT_TRUE(control);
    Surface item = DrawItemThroughForm(form, file, 0);
    EXPECT_EQ(item.At(item.Width() - 4, item.Height() / 2), RGB(180, 190, 250))
        << Hex(item.At(item.Width() - 4, item.Height() / 2));
}
