// The control between a form and the form's own window procedure: whose answer wins for each
// message, host handlers that fail or re-enter, the procedure a destroyed form has, windows the
// control must leave alone, and two controls on one form.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <future>
#include <set>
#include <thread>

#include "routing/menu_items.h"
#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"

using namespace brocade_test;

namespace {

constexpr LRESULT kOwn = 0x0A11;  // what the form's own procedure answers to the messages sent
constexpr UINT kUnhooked = WM_USER + 300;
constexpr LONG_PTR kTypedC = MAKEWPARAM('c', MF_POPUP), kTypedX = MAKEWPARAM('x', MF_POPUP);
constexpr LRESULT kExecuteClose = MAKELONG(2, MNC_EXECUTE);  // "&Close" is at position 2
POINT kNowhere = {-30000, -30000};
DRAWITEMSTRUCT kButton = {ODT_BUTTON, 7};

HWND TooltipOwnedBy(HWND form) {
    HWND window = nullptr;
    while ((window = FindWindowExW(HWND_DESKTOP, window, TOOLTIPS_CLASSW, nullptr)) && GetWindow(window, GW_OWNER) != form) {
    }
    return window;
}

using Argument = LONG_PTR (*)(HMENU popup);
template <LONG_PTR value>
LONG_PTR Value(HMENU) { return value; }
LONG_PTR Popup(HMENU popup) { return reinterpret_cast<LONG_PTR>(popup); }
LONG_PTR Nowhere(HMENU) { return reinterpret_cast<LONG_PTR>(&kNowhere); }
LONG_PTR Button(HMENU) { return reinterpret_cast<LONG_PTR>(&kButton); }

using Answer = LRESULT (*)(HWND form);
template <LRESULT value>
LRESULT Is(HWND) { return value; }
LRESULT TheForm(HWND form) { return reinterpret_cast<LRESULT>(form); }
LRESULT WhatTheTooltipFindsThere(HWND) { return reinterpret_cast<LRESULT>(WindowFromPoint(kNowhere)); }

enum Before { kNothing, kScan, kScanAndMouseSelect };

struct Routed {
    const char *name;
    bool enabled;
    Before before;
    bool toTooltip;  // sent to the control's tooltip instead of the form
    UINT msg;
    Argument wParam, lParam;
    Answer answer;   // what the sender gets back
    int formSees;    // times the form's own procedure sees the message, its arguments unchanged
    int ownerDrawn;  // items of the context menu owner-drawn afterwards
};

const Routed kRouted[] = {
    {"InitMenuPopup", true, kNothing, false, WM_INITMENUPOPUP, Popup, Value<0>, Is<0>, 1, 4},
    {"InitMenuPopupWhileDisabled", false, kNothing, false, WM_INITMENUPOPUP, Popup, Value<0>, Is<kOwn>, 1, 0},
    {"MenuCharOfAnItem", true, kScan, false, WM_MENUCHAR, Value<kTypedC>, Popup, Is<kExecuteClose>, 0, 4},
    {"MenuCharOfNoItem", true, kScan, false, WM_MENUCHAR, Value<kTypedX>, Popup, Is<kOwn>, 1, 4},
    {"MenuCharWhileDisabled", false, kScan, false, WM_MENUCHAR, Value<kTypedC>, Popup, Is<kOwn>, 1, 0},
    {"InitMenuOfAMenuNotTheBar", true, kNothing, false, WM_INITMENU, Popup, Value<0>, Is<kOwn>, 1, 0},
    {"UnhookedMessage", true, kScan, false, kUnhooked, Value<0x1234>, Value<0x5678>, Is<kOwn>, 1, 4},
    {"DrawItemOfAButton", true, kScan, false, WM_DRAWITEM, Value<7>, Button, Is<kOwn>, 1, 4},
    {"WindowFromPointWithoutAnchor", true, kScan, true, TTM_WINDOWFROMPOINT, Value<0>, Nowhere,
     WhatTheTooltipFindsThere, 0, 4},
    {"WindowFromPointWithAnchor", true, kScanAndMouseSelect, true, TTM_WINDOWFROMPOINT, Value<0>, Nowhere, TheForm, 0, 4},
};

class Routing : public testing::TestWithParam<Routed> {};

}  // namespace

TEST_P(Routing, TheRoutingDecidesWhoseAnswerTheSenderGetsAndWhetherTheFormSeesTheMessage) {
    const Routed &row = GetParam();
    Form form;
    HMENU popup = form.MakePopup({"Open", "-", "&Close"});
    int ownerDrawnWhenSeen = 0;
    form.onMessage = [&](UINT msg, WPARAM, LPARAM, LRESULT &result) {
        if (msg == WM_INITMENUPOPUP && GetMenuItemCount(popup) == 3) {
            ownerDrawnWhenSeen = OwnerDrawnCount(popup);
            AppendMenuA(popup, MF_STRING, 300, "&Added");  // the host's own handling adds an item
        }
        result = kOwn;
        return msg == WM_INITMENUPOPUP || msg == WM_MENUCHAR || msg == WM_INITMENU || msg == kUnhooked || msg == WM_DRAWITEM;
    };
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    ASSERT_EQ(Call(control, L"AddMessage", {L"Open", L"Opens a document"}).hr, S_OK);
    ASSERT_EQ(Put(control, L"Enabled", row.enabled).hr, S_OK);
    if (row.before != kNothing) SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    // A mouse selection of an item with help leaves the form as the tooltip's anchor.
    if (row.before == kScanAndMouseSelect)
        SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(100, MF_HILITE | MF_MOUSESELECT), reinterpret_cast<LPARAM>(popup));
    HWND to = row.toTooltip ? TooltipOwnedBy(form) : form.Handle();
    ASSERT_TRUE(to);
    const WPARAM wParam = static_cast<WPARAM>(row.wParam(popup));
    const LPARAM lParam = row.lParam(popup);
    const size_t before = form.received.size();
    EXPECT_EQ(SendMessageW(to, row.msg, wParam, lParam), row.answer(form));
    int seen = 0;
    for (size_t i = before; i < form.received.size(); ++i)
        seen += form.received[i].msg == row.msg && form.received[i].wParam == wParam && form.received[i].lParam == lParam;
    EXPECT_EQ(seen, row.formSees) << "times the form's own procedure saw the message";
    EXPECT_EQ(OwnerDrawnCount(popup), row.ownerDrawn) << "items owner-drawn, the one the form added included";
    EXPECT_EQ(ownerDrawnWhenSeen, 0) << "the form's own procedure saw WM_INITMENUPOPUP after items were converted";
}

INSTANTIATE_TEST_SUITE_P(Routing, Routing, testing::ValuesIn(kRouted),
                         [](const testing::TestParamInfo<Routed> &info) { return info.param.name; });

// One sink connected first answers every event with a failure; another listens after it.
class FailingHandler : public testing::TestWithParam<HRESULT> {};

TEST_P(FailingHandler, StopsNeitherTheScanNorTheDrawingNorTheNextSinkNorTheFormsOwnProcedure) {
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open", "-", "E&xit"});
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    EventSink failing, next;
    failing.answer = GetParam();
    ASSERT_TRUE(failing.Connect(control) && next.Connect(control));
    Surface item = DrawItemThroughForm(form, file, 0, true);
    const int selected = form.Count(WM_MENUSELECT);
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(100, MF_HILITE), reinterpret_cast<LPARAM>(file));
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(OwnerDrawnCount(file), 3);
    ASSERT_GT(item.Width(), 4);
    EXPECT_NE(item.At(item.Width() - 4, item.Height() / 2), kBackdrop) << "the item was drawn";
    EXPECT_EQ(form.Count(WM_INITMENUPOPUP), 1);
    EXPECT_EQ(form.Count(WM_MENUSELECT) - selected, 2);
    for (DISPID id : {kSetMenuItemAttributes, kSetMenuItemSize, kDrawMenuItemEx, kShowMenuHelp, kClearMenuHelp}) {
        EXPECT_GT(failing.Count(id), 0) << "event " << id;
        EXPECT_EQ(next.Count(id), failing.Count(id)) << "event " << id << " reached the sink after the failing one";
    }
}

INSTANTIATE_TEST_SUITE_P(Routing, FailingHandler, testing::Values(E_FAIL, DISP_E_EXCEPTION, E_OUTOFMEMORY),
                         [](const testing::TestParamInfo<HRESULT> &info) {
                             return info.param == E_FAIL ? "ReturnsAFailure"
                                    : info.param == E_OUTOFMEMORY ? "RunsOutOfMemory" : "RaisesAnError";
                         });

TEST(Reentrancy, AHandlerThatMessagesTheFormAndChangesPropertiesInsideTheScanLeavesOneRecordPerItem) {
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open", "-", "E&xit"});
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    int raised = 0;
    sink.onSetMenuItemAttributes = [&](_CMenuItem *) {
        // The same popup again from inside its own scan, then properties that recompute the
        // colours and redraw the menu bar, which scans the bar inside the popup's scan.
        if (raised++ == 0) SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
        Put(control, L"HighlightStyle", raised % 11);
        Put(control, L"RightToLeft", raised % 2 == 0);
    };
    Surface item = DrawItemThroughForm(form, file, 2, true);
    EXPECT_GT(item.Width(), 0);
    EXPECT_EQ(form.Count(WM_INITMENUPOPUP), 2);
    std::set<ULONG_PTR> serials;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(OwnerDrawn(file, i)) << i;
        serials.insert(ItemData(file, i));
    }
    EXPECT_EQ(serials.size(), 3u) << "each item leads to a record of its own";
}

// The host closes the form while it still holds the control, or destroys a window it registered.
class Destroyed : public testing::TestWithParam<bool> {};

TEST_P(Destroyed, TheWindowsOwnProcedureSeesWmNcDestroyWithItselfInPlaceAndTheControlStillWorks) {
    const bool registered = GetParam();
    Form destroyed, host;
    HostedControl control = HostedControl::WithSite(registered ? host : destroyed);
    ASSERT_TRUE(control);
    if (registered) {
        ASSERT_EQ(Call(control, L"RegisterWindowMenu", {Handle(destroyed)}).hr, S_OK);
    }
    ASSERT_NE(ProcedureOf(destroyed), Form::OwnProcedure());
    WNDPROC atNcDestroy = nullptr;
    destroyed.onMessage = [&](UINT msg, WPARAM, LPARAM, LRESULT &) {
        if (msg == WM_NCDESTROY) atNcDestroy = ProcedureOf(destroyed);
        return false;
    };
    DestroyWindow(destroyed);
    EXPECT_EQ(atNcDestroy, Form::OwnProcedure()) << "WM_NCDESTROY came without the procedure given back";
    // The thread's other windows are still served, and new ones as well.
    Form next;
    HMENU popup = next.MakePopup({"&Open"});
    ASSERT_EQ(Call(control, L"RegisterWindowMenu", {Handle(next)}).hr, S_OK);
    SendMessageW(next, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_TRUE(OwnerDrawn(popup, 0));
    control.Close();
    EXPECT_EQ(ProcedureOf(next), Form::OwnProcedure());
}

INSTANTIATE_TEST_SUITE_P(Routing, Destroyed, testing::Bool(), [](const testing::TestParamInfo<bool> &info) {
    return info.param ? "RegisteredWindow" : "HostForm";
});

TEST(Registration, WindowsOfAnotherThreadAndWhatIsNoWindowToRegisterAreLeftAlone) {
    Form form;
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    std::promise<HWND> made;
    DWORD threadId = 0;
    std::thread thread([&] {
        threadId = GetCurrentThreadId();
        Form own;
        made.set_value(own);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    });
    const HWND theirs = made.get_future().get();
    HWND dead = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(dead);
    const std::pair<const char *, HWND> windows[] = {
        {"another thread's", theirs}, {"the host form", form}, {"a destroyed window", dead}, {"none", nullptr}};
    auto procedure = [](HWND window) { return IsWindow(window) ? ProcedureOf(window) : nullptr; };
    for (const auto &[name, window] : windows) {
        SCOPED_TRACE(name);
        const WNDPROC before = procedure(window);
        EXPECT_EQ(Call(control, L"RegisterWindowMenu", {Handle(window)}).hr, S_OK);
        EXPECT_EQ(procedure(window), before);
    }
    PostThreadMessageW(threadId, WM_QUIT, 0, 0);
    thread.join();
}

// Two controls on one form: the one attached last hears it, and either one's teardown unhooks it.
class TwoControls : public testing::TestWithParam<bool> {};

TEST_P(TwoControls, TheLastAttachedHearsTheFormAndEitherClosingGivesTheFormItsOwnProcedure) {
    Form form;
    HMENU popup = form.MakePopup({"&Open"});
    HostedControl first = HostedControl::WithSite(form), second = HostedControl::WithSite(form);
    ASSERT_TRUE(first && second);
    EventSink firstSink, secondSink;
    ASSERT_TRUE(firstSink.Connect(first) && secondSink.Connect(second));
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_EQ(firstSink.Count(kSetMenuItemAttributes), 0);
    EXPECT_EQ(secondSink.Count(kSetMenuItemAttributes), 1);
    wchar_t text[8] = {};  // no ANSI code page holds both characters
    SetWindowTextW(form, L"\u03A9\u2603");
    GetWindowTextW(form, text, 8);
    EXPECT_STREQ(text, L"\u03A9\u2603") << "text passes the control's procedure as it came";
    firstSink.Disconnect();  // a connected sink keeps its control alive
    secondSink.Disconnect();
    (GetParam() ? first : second).Close();
    EXPECT_EQ(ProcedureOf(form), Form::OwnProcedure());
    (GetParam() ? second : first).Close();
    EXPECT_EQ(ProcedureOf(form), Form::OwnProcedure());
    EXPECT_EQ(form.Count(WM_INITMENUPOPUP), 1);
}

INSTANTIATE_TEST_SUITE_P(Routing, TwoControls, testing::Bool(), [](const testing::TestParamInfo<bool> &info) {
    return info.param ? "FirstClosedFirst" : "LastClosedFirst";
});
