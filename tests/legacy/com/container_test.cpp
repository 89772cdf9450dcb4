// Hosting: Wine's stock ATL container, a design-time site, the design view and the about box.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include "com/brocade_object.h"
#include "com/com_test_support.h"
#include "control/dispids.h"
#include "support/test_support.h"

using namespace brocade_test;
using brocade::ComPtr;

namespace {

// A client site whose ambient properties the test chooses (a form being designed).
class AmbientSite final : public IOleClientSite, public IDispatch {
public:
    bool userMode = false;
    LONG refs = 1;
    STDMETHODIMP QueryInterface(REFIID iid, void **result) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
            *result = static_cast<IOleClientSite *>(this);
        else if (IsEqualIID(iid, IID_IDispatch))
            *result = static_cast<IDispatch *>(this);
        else {
            *result = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker **) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer **) override { return E_NOINTERFACE; }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfoCount(UINT *count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *result, EXCEPINFO *, UINT *) override {
        if (id != DISPID_AMBIENT_USERMODE || !result) return DISP_E_MEMBERNOTFOUND;
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = userMode ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
};

LONG TextColorOf(IDispatch *control) {
    VARIANT value;
    EXPECT_EQ(GetProperty(control, brocade::kDispTextColor, value), S_OK);
    return V_I4(&value);
}

using AtlAxWinInitFn = BOOL(WINAPI *)();
using AtlAxGetControlFn = HRESULT(WINAPI *)(HWND, IUnknown **);

}  // namespace

TEST(Container, StockAtlHostSetsTheClientSiteAndTheControlRunsInUserMode) {
    HMODULE atl = LoadLibraryW(L"atl.dll");
    ASSERT_NE(atl, nullptr);
    auto init = reinterpret_cast<AtlAxWinInitFn>(GetProcAddress(atl, "AtlAxWinInit"));
    auto getControl = reinterpret_cast<AtlAxGetControlFn>(GetProcAddress(atl, "AtlAxGetControl"));
    ASSERT_TRUE(init && getControl);
    init();  // registers the window class once per process; later calls may answer FALSE

    HWND form = CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                nullptr, nullptr);
    HWND host = CreateWindowExW(0, L"AtlAxWin", L"Brocade.Brocade", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, form,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(host, nullptr);
    ComPtr<IUnknown> unknown;
    ASSERT_EQ(getControl(host, unknown.Out()), S_OK);
    ComPtr<IOleObject> ole = unknown.As<IOleObject>(IID_IOleObject);
    ASSERT_TRUE(ole);
    ComPtr<IOleClientSite> site;
    ASSERT_EQ(ole->GetClientSite(site.Out()), S_OK);
    EXPECT_TRUE(site) << "the container handed the control its site";

    // Run mode: colours read back as the current RGB of their system colour.
    ComPtr<IDispatch> control = unknown.As<IDispatch>(IID_IDispatch);
    EXPECT_EQ(static_cast<COLORREF>(TextColorOf(control.Get())), GetSysColor(COLOR_MENUTEXT));

    // In place, the control has a window of its own, hidden at run time.
    HWND own = nullptr;
    ComPtr<IOleInPlaceObject> inPlace = unknown.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    ASSERT_EQ(inPlace->GetWindow(&own), S_OK);
    EXPECT_TRUE(IsWindow(own));
    EXPECT_FALSE(IsWindowVisible(own));

    site.Reset();
    ole.Reset();
    inPlace.Reset();
    control.Reset();
    unknown.Reset();
    DestroyWindow(form);  // the container closes the control and lets go of its site
    PumpMessages();
    EXPECT_FALSE(IsWindow(own));
}

TEST(Container, ADesignTimeSiteShowsOleColoursAndAFixedSizeIcon) {
    ComPtr<IDispatch> control = CreateInProcess();
    ComPtr<IOleObject> ole = control.As<IOleObject>(IID_IOleObject);
    AmbientSite site;
    ASSERT_EQ(ole->SetClientSite(&site), S_OK);
    EXPECT_GT(site.refs, 1) << "the control holds on to its site";
    control.As<IPersistStreamInit>(IID_IPersistStreamInit)->InitNew();
    EXPECT_EQ(static_cast<DWORD>(TextColorOf(control.Get())), 0x80000007u) << "design mode keeps system colours";

    site.userMode = true;
    control.As<IOleControl>(IID_IOleControl)->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE);
    EXPECT_EQ(static_cast<COLORREF>(TextColorOf(control.Get())), GetSysColor(COLOR_MENUTEXT));

    SIZEL asked = {10000, 10000}, extent = {};
    EXPECT_EQ(ole->SetExtent(DVASPECT_CONTENT, &asked), S_OK);
    EXPECT_EQ(ole->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
    EXPECT_LT(extent.cx, 2000) << "the control keeps the size of its icon";
    EXPECT_EQ(extent.cx, extent.cy);

    ole->SetClientSite(nullptr);
    EXPECT_EQ(site.refs, 1);
}

TEST(Container, TheDesignViewDrawsTheIcon) {
    ComPtr<IDispatch> control = CreateInProcess();
    ComPtr<IViewObject2> view = control.As<IViewObject2>(IID_IViewObject2);
    ASSERT_TRUE(view);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 32, 32};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECTL bounds = {0, 0, 32, 32};
    ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0), S_OK);
    int painted = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) painted += GetPixel(dc, x, y) != RGB(255, 255, 255);
    EXPECT_GT(painted, 200);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

namespace {

struct AboutBoxSeen {
    bool found = false;
    bool namesProduct = false;
    bool namesVersion = false;
};
AboutBoxSeen g_about;

BOOL CALLBACK ReadDialogText(HWND child, LPARAM) {
    wchar_t text[128];
    GetWindowTextW(child, text, 128);
    if (wcscmp(text, L"Brocade") == 0) g_about.namesProduct = true;
    if (wcscmp(text, L"Version 1.0.0") == 0) g_about.namesVersion = true;
    return TRUE;
}

void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"About Brocade");
    if (!dialog) return;
    KillTimer(nullptr, timer);
    g_about.found = true;
    EnumChildWindows(dialog, ReadDialogText, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST(Container, ShowAboutBoxIsAModalDialogWithNameAndVersion) {
    ComPtr<IDispatch> control = CreateInProcess();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseAboutBox);
    VARIANT result;
    EXPECT_EQ(CallMethod(control.Get(), DISPID_ABOUTBOX, {}, &result), S_OK);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_about.found);
    EXPECT_TRUE(g_about.namesProduct);
    EXPECT_TRUE(g_about.namesVersion);
}
