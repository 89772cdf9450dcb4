// Hosts that misbehave inside the control's events: failing every event, re-entering the
// control, destroying the menu or the form, closing the control. The host survives, its own
// window procedure keeps running and comes back, and no GDI object is left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <utility>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/gdi_count.h"
#include "support/hosted_control.h"
#include "support/menus.h"

using namespace brocade_test;

namespace {

struct Scene {
    Form form, other;
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "&Save", "-", "E&xit"});
    std::optional<HostedControl> control{HostedControl::WithSite(form)};
    EventSink sink;
    int depth = 0, turn = 0;

    // The popup scanned, each item drawn selected as the menu draws it and selected from the
    // keyboard (help).
    void Walk() {
        SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
        for (UINT i = 0; IsWindow(form) && IsMenu(file) && i < UINT(GetMenuItemCount(file)); ++i) {
            MENUITEMINFOW info = {sizeof info, MIIM_FTYPE | MIIM_ID};
            if (GetMenuItemInfoW(file, i, TRUE, &info) && (info.fType & MFT_OWNERDRAW)) DrawItemThroughForm(form, file, i, true);
            SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(info.wID, MF_HILITE), reinterpret_cast<LPARAM>(file));
        }
        SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    }
};

using Hostile = std::pair<const char *, std::function<void(Scene &)>>;  // a name, and the sink's handlers it sets

class HostileHost : public testing::TestWithParam<Hostile> {};

// Fails every event in turn with the host's own runtime error or a plain failure, and writes
// nonsense into the by-reference arguments.
void FailEveryWay(Scene &scene) {
    auto fail = [&scene] {
        const HRESULT failures[] = {DISP_E_EXCEPTION, E_FAIL, DISP_E_TYPEMISMATCH, E_OUTOFMEMORY};
        scene.sink.answer = failures[scene.turn++ % 4];
    };
    scene.sink.onSetMenuItemAttributes = [fail](_CMenuItem *) { fail(); };
    scene.sink.onSetMenuItemSize = [fail](_CMenuItem *, LONG &width, LONG &height) { fail(), width = -1, height = 0x7FFFFFFF; };
    scene.sink.onShowMenuHelp = [fail](_CMenuItem *, BSTR *help) { fail(), SysFreeString(*help), *help = nullptr; };
}

// Changes properties, registers another window and replaces help from inside the events, two
// levels deep (a change redraws, which raises the events again).
void Reenter(Scene &scene) {
    scene.sink.onSetMenuItemAttributes = [&scene](_CMenuItem *) {
        if (scene.depth++ < 2) {
            Put(*scene.control, L"HighlightStyle", ++scene.turn % 11), Put(*scene.control, L"MenuBorder", scene.turn % 3);
            Put(*scene.control, L"UseCustomColors", scene.turn % 2 == 0);
        }
        --scene.depth;
    };
    scene.sink.onShowMenuHelp = [&scene](_CMenuItem *, BSTR *) {
        if (scene.depth++ < 2) {
            Call(*scene.control, L"RegisterWindowMenu", {LONG(reinterpret_cast<LONG_PTR>(HWND(scene.other)))});
            Call(*scene.control, L"RemoveMessage", {L"Save"}), Call(*scene.control, L"AddMessage", {L"Save", L"Changed"});
        }
        --scene.depth;
    };
}

}  // namespace

TEST_P(HostileHost, SurvivesWithItsProcedureBackAndNoGdiObjectLeft) {
    auto run = [] {
        Scene scene;
        ASSERT_TRUE(*scene.control);
        ASSERT_TRUE(scene.sink.Connect(*scene.control));
        GetParam().second(scene);
        for (int round = 0; round < 2; ++round) scene.Walk();
        EXPECT_GT(scene.sink.events.size(), 0u);
        MENUITEMINFOW info = {sizeof info, MIIM_FTYPE};
        if (IsWindow(scene.form)) {
            EXPECT_GT(scene.form.Count(WM_INITMENUPOPUP), 0) << "the form's own procedure runs";
        }
        if (*scene.control && IsMenu(scene.file) && GetMenuItemInfoW(scene.file, 0, TRUE, &info)) {
            EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << "the scan went on past the host";
        }
        scene.sink.Disconnect();  // a host lets go of the connection before the control
        scene.control->Close();
        for (HWND window : {HWND(scene.form), HWND(scene.other)})
            if (IsWindow(window)) {
                EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), Form::OwnProcedure());
            }
    };
    run(), run();  // the system's own caches fill on first use
    const int before = GdiObjectCountBesidesCachedDcs();
    const std::string census = GdiCensus();
    run(), run();
    EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), before) << "was: " << census << "\nnow: " << GdiCensus();
}

INSTANTIATE_TEST_SUITE_P(
    Reliability, HostileHost,
    testing::Values(
        Hostile{"FailsEveryEvent", FailEveryWay}, Hostile{"ReentersFromEveryEvent", Reenter},
        Hostile{"DestroysTheMenuInShowMenuHelp",
                [](Scene &s) { s.sink.onShowMenuHelp = [&s](_CMenuItem *, BSTR *) { DestroyMenu(s.file); }; }},
        Hostile{"DestroysTheFormInShowMenuHelp",
                [](Scene &s) { s.sink.onShowMenuHelp = [&s](_CMenuItem *, BSTR *) { DestroyWindow(s.form); }; }},
        Hostile{"ClosesTheControlInSetMenuItemAttributes",
                [](Scene &s) { s.sink.onSetMenuItemAttributes = [&s](_CMenuItem *) { s.sink.Disconnect(), s.control->Close(); }; }}),
    [](const testing::TestParamInfo<Hostile> &info) { return info.param.first; });
