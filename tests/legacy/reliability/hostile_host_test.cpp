// Hosts that misbehave: event handlers that fail every event or re-enter the control (setting
// properties, registering windows, destroying the form, tearing the control down), two
// controls on one window, an MDI child destroyed while its menu is open. Nothing may crash,
// no failure may reach the window procedure, every hook goes at teardown and nothing leaks.
#include <windows.h>
#include <oleauto.h>
#include <olectl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "control/control.h"
#include "reliability/com_host.h"
#include "../../support/gdi_count.h"
#include "reliability/soak_host.h"
#include "subclass/subclass_wnd.h"
#include "support/test_support.h"

namespace reliability_test {
namespace {

using brocade::ComPtr;
using namespace brocade_test;

// The form's own procedure counts what reaches it.
int ownMessages = 0;
LRESULT CALLBACK CountingFormProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    ++ownMessages;
    return DefWindowProcW(window, msg, wParam, lParam);
}

HWND CreateSoakForm() {
    static const wchar_t *name = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = CountingFormProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BrocadeHostileForm";
        RegisterClassW(&wc);
        return L"BrocadeHostileForm";
    }();
    return CreateWindowExW(0, name, L"hostile", WS_OVERLAPPEDWINDOW, 30, 30, 400, 300, nullptr,
                           BuildSoakMenuBar(), GetModuleHandleW(nullptr), nullptr);
}

bool HasOwnProcedure(HWND window) {
    return static_cast<ULONG_PTR>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == GetClassLongPtrW(window, GCLP_WNDPROC);
}

bool IsOwnerDrawn(HMENU menu, int position) {
    MENUITEMINFOW info = {sizeof info, MIIM_FTYPE};
    return GetMenuItemInfoW(menu, position, TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}

// A form with the COM control on it and a connected sink; every menu path is driven through it.
class HostileHost : public testing::Test {
protected:
    HWND form = nullptr;
    HMENU popup = nullptr;
    HWND surface = nullptr;
    std::unique_ptr<SitedControl> sited;
    ScriptedSink sink;
    DWORD cookie = 0;

    void SetUp() override {
        form = CreateSoakForm();
        popup = GetSubMenu(GetMenu(form), 0);
        surface = CreatePopupStandIn();
        Site();
    }
    void TearDown() override {
        Unsite();
        if (IsWindow(form)) DestroyWindow(form);
        DestroyWindow(surface);
        PumpMessages();
    }
    void Site() {
        sited = std::make_unique<SitedControl>(form);
        ASSERT_NE(sited->Get(), nullptr);
        cookie = Connect(sited->Get());
    }
    void Unsite() {
        if (sited && sited->Get() && cookie) Disconnect(sited->Get());
        sited.reset();
        cookie = 0;
    }
    DWORD Connect(IUnknown *object) {
        ComPtr<IConnectionPointContainer> container;
        object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void **>(container.Out()));
        ComPtr<IConnectionPoint> point;
        DWORD result = 0;
        if (container && SUCCEEDED(container->FindConnectionPoint(DIID___Brocade, point.Out())))
            point->Advise(static_cast<IDispatch *>(&sink), &result);
        return result;
    }
    void Disconnect(IUnknown *object) {
        ComPtr<IConnectionPointContainer> container;
        object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void **>(container.Out()));
        ComPtr<IConnectionPoint> point;
        if (container && SUCCEEDED(container->FindConnectionPoint(DIID___Brocade, point.Out())))
            point->Unadvise(cookie);
    }
    // Every path a menu takes, synthesized and through the system's own loop.
    void RunEveryMenuPath() {
        if (IsWindow(form)) SendMenuBarCycle(form);
        if (IsWindow(form)) SendPopupCycle(form, popup, surface);
        if (IsWindow(form)) RunRealPopupCycle(form, popup);
    }
};

// Fails in turn with an automation exception, plain failure codes, and garbage written into
// the by-reference arguments (a size of -1 and 2^31-1, a help text taken away).
HRESULT FailEveryWay(DISPID event, DISPPARAMS *params, EXCEPINFO *exception) {
    static int turn = 0;
    switch (turn++ % 4) {
    case 0:
        if (exception) {
            exception->scode = static_cast<SCODE>(0x800A0005);  // the host's own runtime error
            exception->bstrSource = SysAllocString(L"HostileHost");
            exception->bstrDescription = SysAllocString(L"Invalid procedure call");
        }
        return DISP_E_EXCEPTION;
    case 1:
        return E_FAIL;
    case 2:
        if (event == kEventSetMenuItemSize && params && params->cArgs == 3) {
            *V_I4REF(&params->rgvarg[0]) = 0x7FFFFFFF;
            *V_I4REF(&params->rgvarg[1]) = -1;
        }
        if (event == kEventShowMenuHelp && params && params->cArgs == 2) {
            SysFreeString(*V_BSTRREF(&params->rgvarg[0]));
            *V_BSTRREF(&params->rgvarg[0]) = nullptr;
        }
        return DISP_E_TYPEMISMATCH;
    default:
        return E_OUTOFMEMORY;
    }
}

TEST_F(HostileHost, AHostFailingEveryEventLeavesMenusWorkingAndNothingBehind) {
    sink.react = FailEveryWay;
    // Two controls' worth of warming up: the system's DC cache settles only then.
    RunEveryMenuPath();
    Unsite();
    Site();
    RunEveryMenuPath();
    Unsite();
    int gdi = GdiObjectCountBesidesCachedDcs();
    std::string census = GdiCensus();
    int live = brocade::Control::LiveControlCount();

    for (int round = 0; round < 3; ++round) {
        Site();
        sited->Get()->put_HighlightStyle(static_cast<bdHighlight>(round * 4));
        sited->Get()->put_MenuBorder(static_cast<bdBorder>(round));
        ownMessages = 0;
        RunEveryMenuPath();
        EXPECT_GT(ownMessages, 0) << "the form's own procedure still runs";
        EXPECT_TRUE(IsOwnerDrawn(popup, 0)) << "the scan went on past the failing events";
        EXPECT_GT(sink.received.size(), 0u);
        Unsite();
        EXPECT_TRUE(HasOwnProcedure(form));
    }
    EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), gdi) << "\n was: " << census << "\n now: " << GdiCensus();
    EXPECT_EQ(brocade::Control::LiveControlCount(), live);
}

TEST_F(HostileHost, AHostReenteringFromEveryEventCrashesNothing) {
    HWND other = CreateSoakForm();
    int turn = 0;
    int depth = 0;
    sink.react = [&](DISPID event, DISPPARAMS *, EXCEPINFO *) -> HRESULT {
        // A property that changes makes the control redraw the menu bar, which raises the
        // events again: a handler that changed something every time would recurse without end
        // in any host. This one re-enters two levels deep.
        if (depth >= 2) return S_OK;
        struct Level {
            int &depth;
            explicit Level(int &d) : depth(++d) {}
            ~Level() { --depth; }
        } level(depth);
        _Brocade *control = sited->Get();
        ++turn;
        switch (event) {
        case kEventSetMenuItemAttributes: {
            control->put_HighlightStyle(static_cast<bdHighlight>(turn % 11));
            control->put_MenuBorder(static_cast<bdBorder>(turn % 3));
            control->put_UseCustomColors(turn % 2 ? VARIANT_TRUE : VARIANT_FALSE);
            control->put_MenuHighlight(static_cast<OLE_COLOR>(turn * 0x10203));
            VARIANT_BOOL enabled = turn % 5 == 0 ? VARIANT_FALSE : VARIANT_TRUE;
            control->put_Enabled(&enabled);  // gives the menus back mid-scan, then takes them again
            enabled = VARIANT_TRUE;
            control->put_Enabled(&enabled);
            break;
        }
        case kEventSetMenuItemSize:
            control->put_LockRefresh(turn % 2 ? VARIANT_TRUE : VARIANT_FALSE);
            control->put_Language(static_cast<bdLanguage>(turn % 11));
            break;
        case kEventShowMenuHelp: {
            VARIANT_BOOL stop = turn % 2 ? VARIANT_TRUE : VARIANT_FALSE;
            control->RegisterWindowMenu(static_cast<LONG>(reinterpret_cast<LONG_PTR>(other)), &stop);
            BSTR caption = SysAllocString(L"ITEM 16");
            BSTR help = SysAllocString(L"changed");
            control->RemoveMessage(caption);
            control->AddMessage(caption, help);
            SysFreeString(caption);
            SysFreeString(help);
            break;
        }
        case kEventClearMenuHelp:
            control->put_RightToLeft(turn % 2 ? VARIANT_TRUE : VARIANT_FALSE);
            break;
        }
        return S_OK;
    };
    for (int round = 0; round < 3; ++round) RunEveryMenuPath();
    SendMenuBarCycle(other);
    EXPECT_GT(sink.received.size(), 0u);
    Unsite();
    EXPECT_TRUE(HasOwnProcedure(form));
    EXPECT_TRUE(HasOwnProcedure(other)) << "a registered window is unhooked at teardown";
    DestroyWindow(other);
}

TEST_F(HostileHost, AHostDestroyingTheFormInsideAnEventCrashesNothing) {
    sink.react = [&](DISPID event, DISPPARAMS *, EXCEPINFO *) -> HRESULT {
        if (event == kEventShowMenuHelp && IsWindow(form)) DestroyWindow(form);
        return S_OK;
    };
    SendPopupCycle(form, popup, surface);
    EXPECT_FALSE(IsWindow(form));
    EXPECT_FALSE(brocade::IsTrue(brocade::SubclassWnd::IsWindowSubclassed(form)));
    Unsite();  // the control outlives its form; its teardown finds nothing left to unhook
}

TEST_F(HostileHost, AHostTearingTheControlDownInsideAnEventCrashesNothing) {
    int live = brocade::Control::LiveControlCount();
    for (DISPID when : {kEventSetMenuItemAttributes, kEventSetMenuItemSize, kEventShowMenuHelp}) {
        if (!sited) Site();
        sink.react = [&, when](DISPID event, DISPPARAMS *, EXCEPINFO *) -> HRESULT {
            if (event == when && sited) {
                Disconnect(sited->Get());
                sited.reset();  // Close, no site, the container's last reference gone
            }
            return S_OK;
        };
        SendPopupCycle(form, popup, surface);
        EXPECT_TRUE(sited == nullptr) << "event " << when;
        EXPECT_TRUE(HasOwnProcedure(form)) << "event " << when;
        EXPECT_EQ(brocade::Control::LiveControlCount(), live - 1) << "event " << when;
    }
}

TEST_F(HostileHost, TwoControlsOnOneWindowUnhookItWhicheverGoesFirst) {
    for (bool firstGoesFirst : {true, false}) {
        if (!sited) Site();
        auto second = std::make_unique<SitedControl>(form);
        RunEveryMenuPath();
        EXPECT_TRUE(IsOwnerDrawn(popup, 0));
        if (firstGoesFirst) {
            Unsite();
            EXPECT_TRUE(HasOwnProcedure(form)) << "either teardown removes the window's subclassing";
            RunEveryMenuPath();
            second.reset();
        } else {
            second.reset();
            EXPECT_TRUE(HasOwnProcedure(form));
            RunEveryMenuPath();
            Unsite();
        }
        EXPECT_TRUE(HasOwnProcedure(form));
    }
}

// --- An MDI child whose menu is open when the host destroys it --------------------------------

LRESULT CALLBACK MdiFrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND client = FindWindowExW(window, nullptr, L"MDIClient", nullptr);
    return DefFrameProcW(window, client, msg, wParam, lParam);
}

LRESULT CALLBACK MdiChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcW(window, msg, wParam, lParam);
}

void RegisterMdiClasses() {
    static bool registered = [] {
        WNDCLASSW wc = {};
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpfnWndProc = MdiFrameProc;
        wc.lpszClassName = L"BrocadeHostileFrame";
        RegisterClassW(&wc);
        wc.lpfnWndProc = MdiChildProc;
        wc.lpszClassName = L"BrocadeHostileChild";
        RegisterClassW(&wc);
        return true;
    }();
    (void)registered;
}

struct DestroyRequest {
    HWND client;
    HWND child;
    HMENU popup;
} pendingDestroy;

// Destroys the child once the frame's popup shows, then walks the popup and leaves it.
VOID CALLBACK DestroyChildThenClose(HWND window, UINT, UINT_PTR timer, DWORD) {
    if (!PopupShownByThisThread()) return;
    KillTimer(window, timer);
    SendMessageW(pendingDestroy.client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(pendingDestroy.child), 0);
    WalkPopupOnceItShows(window, 5);
}

VOID CALLBACK EndMenuLate(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    EndMenu();
}

TEST(HostileMdiHost, AnMdiChildDestroyedWhileTheFramesMenuIsOpenLeavesEveryHookRestored) {
    RegisterMdiClasses();
    int gdiAfterSecond = 0;
    std::string census;
    for (int round = 0; round < 4; ++round) {
        HWND frame = CreateWindowExW(0, L"BrocadeHostileFrame", L"frame", WS_OVERLAPPEDWINDOW, 10, 10, 500,
                                     400, nullptr, BuildSoakMenuBar(), GetModuleHandleW(nullptr), nullptr);
        CLIENTCREATESTRUCT clientInfo = {GetSubMenu(GetMenu(frame), 1), 1000};
        HWND client = CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 480,
                                      360, frame, nullptr, GetModuleHandleW(nullptr), &clientInfo);
        MDICREATESTRUCTW childInfo = {L"BrocadeHostileChild", L"child", GetModuleHandleW(nullptr),
                                      CW_USEDEFAULT, CW_USEDEFAULT, 200, 150, WS_VISIBLE, 0};
        HWND child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&childInfo)));
        ASSERT_NE(child, nullptr);

        auto site = std::make_unique<SoakSite>();
        site->container = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 32, 32, child, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
        auto control = std::make_unique<brocade::Control>(*site);
        control->InitNew();
        ASSERT_EQ(control->HostWindow(), child);
        EXPECT_TRUE(control->FrameHooked()) << "the active child's control hooks the frame";

        HMENU popup = GetSubMenu(GetMenu(frame), 0);
        pendingDestroy = {client, child, popup};
        SetTimer(frame, 1, 10, DestroyChildThenClose);
        SetTimer(frame, 2, 5000, EndMenuLate);
        SetForegroundWindow(frame);
        TrackPopupMenu(popup, TPM_RETURNCMD, 40, 40, 0, frame, nullptr);
        KillTimer(frame, 2);
        PumpMessages(20);
        EXPECT_FALSE(IsWindow(child));

        control->Teardown();
        EXPECT_TRUE(HasOwnProcedure(frame)) << "round " << round;
        EXPECT_TRUE(HasOwnProcedure(client)) << "round " << round;
        control.reset();
        DestroyWindow(frame);
        PumpMessages();
        if (round == 1) gdiAfterSecond = GdiObjectCountBesidesCachedDcs();  // two rounds settle the system's caches
        if (round == 1) census = GdiCensus();
    }
    EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), gdiAfterSecond) << "\n was: " << census << "\n now: " << GdiCensus();
}

}  // namespace
}  // namespace reliability_test
