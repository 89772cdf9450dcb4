// The control hosted for real in Wine's ATL container on a form with a menu bar: its
// menu scan raises events to a connected sink, and its picture methods answer.
#include <windows.h>
#include <oleauto.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "com/com_test_support.h"
#include "control/dispids.h"
#include "support/test_support.h"

using namespace brocade_test;
using brocade::ComPtr;

namespace {

using AtlAxWinInitFn = BOOL(WINAPI *)();
using AtlAxGetControlFn = HRESULT(WINAPI *)(HWND, IUnknown **);

// A form with a File menu and the control on it, in the stock ATL container. (Wine's ATL
// host calls InitNew before SetClientSite, although the control asks for its site first; the
// control then attaches when the site arrives.)
class HostedForm : public testing::Test {
protected:
    HWND form = nullptr;
    HMENU file = nullptr;
    HWND statusBar = nullptr;
    ComPtr<IDispatch> control;

    void SetUp() override {
        HMODULE atl = LoadLibraryW(L"atl.dll");
        ASSERT_NE(atl, nullptr);
        auto init = reinterpret_cast<AtlAxWinInitFn>(GetProcAddress(atl, "AtlAxWinInit"));
        auto getControl = reinterpret_cast<AtlAxGetControlFn>(GetProcAddress(atl, "AtlAxGetControl"));
        ASSERT_TRUE(init && getControl);
        init();  // registers the window class once per process; later calls may answer FALSE
        HMENU bar = CreateMenu();
        file = CreatePopupMenu();
        AppendMenuW(file, MF_STRING, 100, L"&Open...\tCtrl+O");
        AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(file, MF_STRING, 101, L"E&xit");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
        form = CreateWindowExW(0, L"STATIC", L"form", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, bar, nullptr,
                               nullptr);
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD, 0, 0, 0, 0, form, nullptr, nullptr, nullptr);
        HWND host = CreateWindowExW(0, L"AtlAxWin", L"Brocade.Brocade", WS_CHILD | WS_VISIBLE, 0, 0, 32, 32, form,
                                    nullptr, nullptr, nullptr);
        ComPtr<IUnknown> unknown;
        ASSERT_EQ(getControl(host, unknown.Out()), S_OK);
        control = unknown.As<IDispatch>(IID_IDispatch);
        ASSERT_TRUE(control);
        PumpMessages(50);  // the control's first menu bar redraw after attaching
    }
    void TearDown() override {
        control.Reset();
        DestroyWindow(form);
        PumpMessages();
    }
};

}  // namespace

TEST_F(HostedForm, OpeningAPopupRaisesSetMenuItemAttributesWithALiveMenuItem) {
    RecordingSink sink;
    DWORD cookie = Connect(control.Get(), DIID___Brocade, &sink);
    ASSERT_NE(cookie, 0u);
    EXPECT_EQ(SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0), 0);
    EXPECT_EQ(std::count(sink.received.begin(), sink.received.end(), 1), 3) << "two items and a separator";
    ASSERT_GE(sink.captions.size(), 1u);
    EXPECT_EQ(sink.captions[0], L"&Open...");

    MENUITEMINFOW info = {sizeof info, MIIM_DATA | MIIM_FTYPE};
    ASSERT_TRUE(GetMenuItemInfoW(file, 0, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    EXPECT_GE(info.dwItemData, 1001u) << "the item data is its record's serial";
    Disconnect(control.Get(), DIID___Brocade, cookie);
}

TEST_F(HostedForm, DefaultPicturesAndCleanCaptionsAnswerThroughAutomation) {
    VARIANT result;
    ASSERT_EQ(CallMethod(control.Get(), DispidOf(control.Get(), L"GetCleanCaption"),
                         {MakeString(L"  Save &As...\tCtrl+S")}, &result),
              S_OK);
    EXPECT_STREQ(V_BSTR(&result), L"SAVE AS");
    VariantClear(&result);

    DISPID ex2 = DispidOf(control.Get(), L"GetDefaultPictureEx2");
    VARIANT first, second;
    ASSERT_EQ(CallMethod(control.Get(), ex2, {MakeString(L"&Open..."), MakeLong(0), MakeLong(0)}, &first), S_OK);
    ASSERT_EQ(CallMethod(control.Get(), ex2, {MakeString(L"&Open..."), MakeLong(0), MakeLong(17)}, &second), S_OK);
    ASSERT_EQ(V_VT(&first), VT_DISPATCH);
    ASSERT_NE(V_DISPATCH(&first), nullptr);
    ASSERT_NE(V_DISPATCH(&second), nullptr);
    EXPECT_NE(V_DISPATCH(&first), V_DISPATCH(&second)) << "one picture per icon set";
    VARIANT again;
    CallMethod(control.Get(), ex2, {MakeString(L"OPEN"), MakeLong(0), MakeLong(17)}, &again);
    EXPECT_EQ(V_DISPATCH(&again), V_DISPATCH(&second)) << "the cache answers the same caption again";
    VariantClear(&first);
    VariantClear(&second);
    VariantClear(&again);

    ASSERT_EQ(CallMethod(control.Get(), ex2, {MakeString(L"No such command"), MakeLong(0), MakeLong(0)}, &result),
              S_OK);
    EXPECT_EQ(V_DISPATCH(&result), nullptr);
}

TEST_F(HostedForm, AMetafileBackgroundPictureRaisesInvalidPictureType) {
    HDC metaDc = CreateMetaFileW(nullptr);
    Rectangle(metaDc, 0, 0, 10, 10);
    PICTDESC desc = {sizeof desc, PICTYPE_METAFILE};
    desc.wmf.hmeta = CloseMetaFile(metaDc);
    desc.wmf.xExt = 100;
    desc.wmf.yExt = 100;
    ComPtr<IPictureDisp> metafile;
    ASSERT_EQ(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(metafile.Out())),
              S_OK);
    ComPtr<_Brocade> dual = control.As<_Brocade>(IID__Brocade);
    EXPECT_EQ(dual->putref_BackgroundPicture(metafile.Get()), static_cast<HRESULT>(0x80040000));
    ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, info.Out()), S_OK);
    BSTR description = nullptr;
    info->GetDescription(&description);
    EXPECT_STREQ(description, L"Invalid picture type");
    SysFreeString(description);
    ComPtr<IPictureDisp> stored;
    dual->get_BackgroundPicture(stored.Out());
    EXPECT_EQ(stored.Get(), metafile.Get()) << "the picture stays stored";
    EXPECT_EQ(dual->putref_BackgroundPicture(nullptr), S_OK);
}

TEST_F(HostedForm, HelpMessagesReachTheStatusBarAndTheShowMenuHelpEvent) {
    DISPID add = DispidOf(control.Get(), L"AddMessage");
    VARIANT result;
    ASSERT_EQ(CallMethod(control.Get(), add, {MakeString(L"&Open..."), MakeString(L"  Opens a file  ")}, &result), S_OK);
    EXCEPINFO exception = {};
    EXPECT_EQ(CallMethod(control.Get(), add, {MakeString(L"OPEN"), MakeString(L"again")}, &result, &exception),
              DISP_E_EXCEPTION);
    EXPECT_EQ(exception.scode, static_cast<HRESULT>(0x800A01C9)) << "the collection's duplicate-key error";
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);

    RecordingSink sink;
    DWORD cookie = Connect(control.Get(), DIID___Brocade, &sink);
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(100, MF_STRING), reinterpret_cast<LPARAM>(file));
    wchar_t text[64] = {};
    SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Opens a file");
    EXPECT_EQ(std::count(sink.received.begin(), sink.received.end(), 4), 1);

    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // the menu closed
    SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"");
    EXPECT_EQ(std::count(sink.received.begin(), sink.received.end(), 5), 1);
    Disconnect(control.Get(), DIID___Brocade, cookie);
}

TEST_F(HostedForm, MeasuringAnItemRaisesSetMenuItemSize) {
    RecordingSink sink;
    DWORD cookie = Connect(control.Get(), DIID___Brocade, &sink);
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    MENUITEMINFOW info = {sizeof info, MIIM_DATA};
    ASSERT_TRUE(GetMenuItemInfoW(file, 0, TRUE, &info));
    MEASUREITEMSTRUCT measure = {ODT_MENU, 0, 100, 0, 0, info.dwItemData};
    EXPECT_EQ(SendMessageW(form, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), 1);
    EXPECT_GT(measure.itemWidth, 0u);
    EXPECT_GT(measure.itemHeight, 0u);
    EXPECT_EQ(std::count(sink.received.begin(), sink.received.end(), 2), 1);
    Disconnect(control.Get(), DIID___Brocade, cookie);
}
