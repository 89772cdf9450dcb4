// Hosts that misbehave inside the control's events: failing every event, re-entering the
// control, destroying the menu or the form, closing the control. The host survives, its own
// window procedure keeps running and comes back, and no GDI object is left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/gdi_count.h"
#include "support/hosted_control.h"
#include "support/menus.h"

using namespace brocade_test;

namespace {

struct Scene;
using Reaction = std::function<HRESULT(Scene &, DISPID, DISPPARAMS *, EXCEPINFO *)>;

// An event sink whose answers are the reaction's.
class HostileSink final : public IDispatch {
public:
    HostileSink(Scene &scene, const Reaction &react) : scene_(scene), react_(react) {}
    int received = 0;
    STDMETHODIMP QueryInterface(REFIID iid, void **object) override {
        return Offer(iid, object, {{IID_IUnknown, this}, {IID_IDispatch, this}, {DIID___Brocade, this}});
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }  // lives on the test's stack
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override { return *count = 0, S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **info) override { return *info = nullptr, E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *, EXCEPINFO *error, UINT *) override {
        return ++received, react_(scene_, id, params, error);
    }

private:
    Scene &scene_;
    Reaction react_;
};

struct Scene {
    explicit Scene(const Reaction &react) : sink(*this, react) {
        control.emplace(HostedControl::WithSite(form));
        EXPECT_TRUE(connection.Connect(control->Get(), DIID___Brocade, &sink));
    }
    Form form, other;
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "&Save", "-", "E&xit"});
    std::optional<HostedControl> control;
    HostileSink sink;
    Connection connection;
    int depth = 0, turn = 0;

    // The popup scanned, each item drawn selected as the menu draws it, and selected from the
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

HRESULT FailEveryWay(Scene &scene, DISPID event, DISPPARAMS *params, EXCEPINFO *error) {
    switch (scene.turn++ % 4) {
    case 0:  // the host's own runtime error
        if (error) *error = {0, 0, SysAllocString(L"Host"), SysAllocString(L"Invalid procedure call"), nullptr, 0, nullptr, nullptr, SCODE(0x800A0005)};
        return DISP_E_EXCEPTION;
    case 1:
        return E_FAIL;
    case 2:  // nonsense written into the by-reference arguments
        if (event == kSetMenuItemSize && params && params->cArgs == 3) *V_I4REF(&params->rgvarg[0]) = -1, *V_I4REF(&params->rgvarg[1]) = 0x7FFFFFFF;
        if (event == kShowMenuHelp && params && params->cArgs == 2) SysFreeString(*V_BSTRREF(&params->rgvarg[0])), *V_BSTRREF(&params->rgvarg[0]) = nullptr;
        return DISP_E_TYPEMISMATCH;
    default:
        return E_OUTOFMEMORY;
    }
}

// Changes properties, registers another window and adds help from inside the events, two
// levels deep (a change redraws, which raises the events again).
HRESULT Reenter(Scene &scene, DISPID event, DISPPARAMS *, EXCEPINFO *) {
    if (scene.depth >= 2) return S_OK;
    ++scene.depth, ++scene.turn;
    IDispatch *control = *scene.control;
    if (event == kSetMenuItemAttributes) {
        Put(control, L"HighlightStyle", scene.turn % 11);
        Put(control, L"MenuBorder", scene.turn % 3);
        Put(control, L"UseCustomColors", scene.turn % 2 == 0);
    } else if (event == kShowMenuHelp) {
        Call(control, L"RegisterWindowMenu", {LONG(reinterpret_cast<LONG_PTR>(HWND(scene.other)))});
        Call(control, L"RemoveMessage", {L"Save"});
        Call(control, L"AddMessage", {L"Save", L"Changed"});
    }
    return --scene.depth, S_OK;
}

struct Hostile {
    const char *name;
    Reaction react;
};

class HostileHost : public testing::TestWithParam<Hostile> {};

}  // namespace

TEST_P(HostileHost, SurvivesWithItsProcedureBackAndNoGdiObjectLeft) {
    auto run = [] {
        Scene scene(GetParam().react);
        ASSERT_TRUE(*scene.control);
        for (int round = 0; round < 3; ++round) scene.Walk();
        EXPECT_GT(scene.sink.received, 0);
        if (IsWindow(scene.form)) {
            EXPECT_GT(scene.form.Count(WM_INITMENUPOPUP), 0) << "the form's own procedure runs";
        }
        MENUITEMINFOW info = {sizeof info, MIIM_FTYPE};
        if (*scene.control && IsMenu(scene.file) && GetMenuItemInfoW(scene.file, 0, TRUE, &info)) {
            EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << "the scan went on past the host";
        }
        scene.connection.Disconnect();  // a host lets go of the connection before the control
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
    testing::Values(Hostile{"FailsEveryEvent", FailEveryWay}, Hostile{"ReentersFromEveryEvent", Reenter},
                    Hostile{"DestroysTheMenuInShowMenuHelp",
                            [](Scene &scene, DISPID event, DISPPARAMS *, EXCEPINFO *) {
                                if (event == kShowMenuHelp) DestroyMenu(scene.file);
                                return S_OK;
                            }},
                    Hostile{"DestroysTheFormInShowMenuHelp",
                            [](Scene &scene, DISPID event, DISPPARAMS *, EXCEPINFO *) {
                                if (event == kShowMenuHelp) DestroyWindow(scene.form);
                                return S_OK;
                            }},
                    Hostile{"ClosesTheControlInSetMenuItemAttributes",
                            [](Scene &scene, DISPID event, DISPPARAMS *, EXCEPINFO *) {
                                if (event == kSetMenuItemAttributes) scene.connection.Disconnect(), scene.control->Close();
                                return S_OK;
                            }}),
    [](const testing::TestParamInfo<Hostile> &info) { return info.param.name; });
