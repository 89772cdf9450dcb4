// The control going away while the host's forms live on: from inside an event its own timer
// raised, with a property notification sink still connected, and with menus it converted.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"
#include "support/pixels.h"

using namespace brocade_test;

namespace {

bool OwnerDrawn(HMENU menu, int position) {
    MENUITEMINFOA info = {sizeof info, MIIM_FTYPE};
    return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}

std::string TextOf(HMENU menu, int position) {
    char text[256] = {};
    MENUITEMINFOA info = {sizeof info, MIIM_STRING};
    info.dwTypeData = text;
    info.cch = sizeof text;
    return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) ? std::string(text) : std::string();
}

// Every item of a menu tree: its text and whether it is owner-drawn.
struct Item {
    HMENU menu;
    int position;
    std::string text;
};
void Collect(HMENU menu, std::vector<Item> &items) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        items.push_back({menu, i, TextOf(menu, i)});
        if (HMENU sub = GetSubMenu(menu, i)) Collect(sub, items);
    }
}

// Every item is a string item (or separator) again, with the text it had before.
void ExpectPlainAsBefore(const std::vector<Item> &before) {
    for (const Item &item : before) {
        EXPECT_FALSE(OwnerDrawn(item.menu, item.position)) << "\"" << item.text << "\" is still owner-drawn";
        EXPECT_EQ(TextOf(item.menu, item.position), item.text);
    }
}

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

// Containers that site the control after initialising it (Wine's ATL) and before.
struct Host {
    const char *name;
    bool inAtl;
};
const auto kHosts = testing::Values(Host{"InAtl", true}, Host{"SitedFirst", false});
std::string HostName(const testing::TestParamInfo<Host> &info) { return info.param.name; }

class LetGo : public testing::TestWithParam<Host> {
protected:
    HostedControl Make(HWND form) { return GetParam().inAtl ? HostedControl::InAtl(form) : HostedControl::WithSite(form); }
};

TEST_P(LetGo, InsideSetMenuItemAttributesRaisedByTheControlsTimerTick) {
    Form form;
    form.AddPopup("&File", {"&Open", "E&xit"});
    HostedControl control = Make(form);
    ASSERT_TRUE(control);
    // A title added after the control attached: the tick that redraws the menu bar scans it.
    form.AddPopup("&Help", {"&About"});
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    bool closed = false;
    sink.onSetMenuItemAttributes = [&](_CMenuItem *) {
        if (closed) return;
        closed = true;
        sink.Disconnect();
        control.Close();  // the host's last reference
    };
    ASSERT_TRUE(WaitFor([&] { return closed; }, 2000, "SetMenuItemAttributes from the timer tick"));
    Pump();
    EXPECT_EQ(ProcedureOf(form), Form::OwnProcedure());
    HMENU bar = GetMenu(form);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) EXPECT_FALSE(OwnerDrawn(bar, i)) << "title " << i;
}

// A host that advises the way ATL's AtlAdvise does, keeping the cookie and not the connection
// point, and forgets to unadvise before it lets go.
TEST_P(LetGo, WithAPropertyNotificationSinkThatReadsTheControlWhenNotified) {
    Form form;
    form.AddPopup("&File", {"&Open", "E&xit"});
    HostedControl control = Make(form);
    ASSERT_TRUE(control);
    ASSERT_EQ(PutRef(control, L"BackgroundPicture", BitmapPicture(8, 8, RGB(20, 160, 90)).Get()).hr, S_OK);
    SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(form)), 0);
    PropertyNotifySink notified;
    {
        auto container = control.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
        ComPtr<IConnectionPoint> point;
        DWORD cookie = 0;
        ASSERT_TRUE(container && SUCCEEDED(container->FindConnectionPoint(IID_IPropertyNotifySink, point.Out())));
        ASSERT_EQ(point->Advise(&notified, &cookie), S_OK);
    }
    IDispatch *raw = control;
    notified.onChanged = [&](DISPID) {
        ComPtr<IDispatch> held(raw);  // a property browser reads the new value
        Get(held.Get(), L"BackgroundPicture");
    };
    control.Close();
    Pump();
    EXPECT_TRUE(notified.changed.empty()) << "the control notified while it was going away";
    EXPECT_EQ(ProcedureOf(form), Form::OwnProcedure());
    EXPECT_EQ(notified.references, 1u) << "the control let go of the sink";
}

TEST_P(LetGo, OnAFormThatLivesOnGivesItsMenusTheirStringItemsBack) {
    Form form(FormOptions{true});
    form.AddPopup("&File", {"&Open\tCtrl+O", "-", "E&xit"});
    HMENU edit = form.AddPopup("&Edit", {"&Copy"});  // never opened
    HMENU context = form.MakePopup({"Cu&t", "-", "&Paste"});
    std::vector<Item> before;
    Collect(GetMenu(form), before);
    Collect(context, before);
    HostedControl control = Make(form);
    ASSERT_TRUE(control);
    ASSERT_TRUE(WithOpenMenuBar(form));
    ASSERT_TRUE(WithOpenPopup(form, context, 80, 80));
    for (const Item &item : before)
        EXPECT_TRUE(item.menu == edit || OwnerDrawn(item.menu, item.position)) << "\"" << item.text << "\"";

    control.Close();
    ExpectPlainAsBefore(before);
    EXPECT_EQ(ProcedureOf(form), Form::OwnProcedure());
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, LetGo, kHosts, HostName);

// A control on an MDI child form converts the frame's menu bar while its child is the active
// one; the frame is left with string items when the control closes or another child becomes
// active.
struct FrameRelease {
    const char *name;
    bool closeControl;
};

class MdiFrameMenuBar : public testing::TestWithParam<FrameRelease> {};

TEST_P(MdiFrameMenuBar, GetsItsStringItemsBack) {
    Form frame(FormOptions{false, false, true});
    frame.AddPopup("&File", {"&New", "-", "E&xit"});
    frame.AddPopup("&Window", {"&Cascade"});
    std::vector<Item> before;
    Collect(GetMenu(frame), before);
    Form child(frame, L"Child");
    HostedControl control = HostedControl::WithSite(child);
    ASSERT_TRUE(control);
    ASSERT_TRUE(WaitFor([&] { return OwnerDrawn(GetMenu(frame), 0) && OwnerDrawn(GetMenu(frame), 1); }, 2000,
                        "the frame's menu bar converted"));

    std::unique_ptr<Form> other;
    if (GetParam().closeControl)
        control.Close();
    else
        other = std::make_unique<Form>(frame, L"Other");  // becomes the active child
    Pump();
    ExpectPlainAsBefore(before);
    EXPECT_EQ(ProcedureOf(frame), Form::OwnProcedure());
}

INSTANTIATE_TEST_SUITE_P(Lifecycle, MdiFrameMenuBar,
                         testing::Values(FrameRelease{"ControlClosed", true}, FrameRelease{"OtherChildActivated", false}),
                         [](const testing::TestParamInfo<FrameRelease> &info) { return info.param.name; });

}  // namespace
