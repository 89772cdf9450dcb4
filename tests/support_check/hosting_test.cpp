// The control as containers host it: Wine's ATL container and a site of the test's own, its
// ambient properties, and its properties carried through a bag or a stream.
#include <gtest/gtest.h>

#include <set>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"

using namespace brocade_test;

namespace {

bool OwnerDrawn(HMENU menu, UINT position) {
    MENUITEMINFOA info = {sizeof info, MIIM_FTYPE};
    return GetMenuItemInfoA(menu, position, TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}

}  // namespace

TEST(Hosting, TheControlHostedInAtlSubclassesTheFormAndConvertsItsMenuBarUntilItCloses) {
    Form form;
    form.AddPopup("&File", {"&Open\tCtrl+O", "-", "E&xit"});
    form.AddPopup("&Edit", {"&Copy"});
    HMENU bar = GetMenu(form);
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(form, GWLP_WNDPROC)), Form::OwnProcedure());

    SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    EXPECT_TRUE(OwnerDrawn(bar, 0));
    EXPECT_TRUE(OwnerDrawn(bar, 1));
    EXPECT_EQ(form.Count(WM_INITMENU), 1) << "the form's own procedure still sees the message";

    control.Close();
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(form, GWLP_WNDPROC)), Form::OwnProcedure());
}

TEST(Hosting, AControlOnAnMdiChildStylesTheFramesMenuBarOpenedFromTheKeyboard) {
    Form frame(FormOptions{true, false, true});
    frame.AddPopup("&File", {"&New", "E&xit"});
    Form child(frame, L"Child");
    HostedControl control = HostedControl::InAtl(child);
    ASSERT_TRUE(control);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    EXPECT_TRUE(WithOpenMenuBar(frame));
    EXPECT_TRUE(OwnerDrawn(GetMenu(frame), 0));
    const std::vector<std::wstring> scanned = sink.Captions(kSetMenuItemAttributes);
    EXPECT_EQ(std::set<std::wstring>(scanned.begin(), scanned.end()), (std::set<std::wstring>{L"&File", L"&New", L"E&xit"}));
}

TEST(Hosting, ColoursReadAsSystemColoursInDesignModeAndAsTheirRgbValuesInRunMode) {
    Form form;
    SiteOptions design;
    design.userMode = false;
    HostedControl designed = HostedControl::WithSite(form, design);
    HostedControl running = HostedControl::WithSite(form);
    ASSERT_TRUE(designed && running);
    EXPECT_EQ(static_cast<DWORD>(Get(designed, L"TextColor").value.AsLong()), 0x80000000u | COLOR_MENUTEXT);
    EXPECT_EQ(static_cast<COLORREF>(Get(running, L"TextColor").value.AsLong()), GetSysColor(COLOR_MENUTEXT));
}

// A property set on one control comes back on another loaded from what the first saved.
struct Carrier {
    const char *name;
    bool stream;
    bool siteAfterLoad;
};

class RoundTrip : public testing::TestWithParam<Carrier> {};

TEST_P(RoundTrip, APropertySetBeforeSavingReadsBackAfterLoading) {
    Form form;
    PropertyBag bag;
    ComPtr<IStream> stream;
    {
        HostedControl saved = HostedControl::WithSite(form);
        ASSERT_TRUE(saved);
        ASSERT_EQ(Put(saved, L"HighlightStyle", 3).hr, S_OK);
        ASSERT_EQ(Put(saved, L"ShowTooltip", false).hr, S_OK);
        if (GetParam().stream)
            ASSERT_TRUE(stream = SaveToStream(saved));
        else
            ASSERT_EQ(SaveToBag(saved, bag), S_OK);
    }
    SiteOptions options;
    options.stream = stream.Get();
    options.bag = GetParam().stream ? nullptr : &bag;
    options.siteAfterLoad = GetParam().siteAfterLoad;
    HostedControl loaded = HostedControl::WithSite(form, options);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded.InitResult(), S_OK);
    EXPECT_EQ(Get(loaded, L"HighlightStyle").value.AsLong(), 3);
    EXPECT_FALSE(Get(loaded, L"ShowTooltip").value.AsBool());
    EXPECT_EQ(bag.references, 1u) << "the control keeps no reference to the bag";
}

INSTANTIATE_TEST_SUITE_P(Hosting, RoundTrip,
                         testing::Values(Carrier{"Bag", false, false}, Carrier{"BagThenSite", false, true},
                                         Carrier{"Stream", true, false}, Carrier{"StreamThenSite", true, true}),
                         [](const testing::TestParamInfo<Carrier> &info) { return info.param.name; });
