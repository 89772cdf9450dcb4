// Calls through IDispatch as automation clients make them, and events through the
// connection points.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include "com/brocade_object.h"
#include "com/com_test_support.h"
#include "control/dispids.h"

using namespace brocade_test;
using brocade::ComPtr;

namespace {

constexpr HRESULT kBrocadeError = static_cast<HRESULT>(0x80040000);

void ExpectBrocadeError(const EXCEPINFO &e, const wchar_t *description) {
    EXPECT_EQ(e.scode, kBrocadeError);
    ASSERT_NE(e.bstrSource, nullptr);
    EXPECT_STREQ(e.bstrSource, L"Brocade");
    ASSERT_NE(e.bstrDescription, nullptr);
    EXPECT_STREQ(e.bstrDescription, description);
    SysFreeString(e.bstrSource);
    SysFreeString(e.bstrDescription);
    SysFreeString(e.bstrHelpFile);
}

}  // namespace

TEST(Dispatch, ControlIsCreatedByItsProgId) {
    ComPtr<IDispatch> control = CreateByProgId();
    ASSERT_TRUE(control);
    VARIANT result;
    ASSERT_EQ(CallMethod(control.Get(), DispidOf(control.Get(), L"GetMeanColor"),
                         {MakeLong(0x010101), MakeLong(0x020202)}, &result),
              S_OK);
    EXPECT_EQ(V_VT(&result), VT_I4);
    EXPECT_EQ(V_I4(&result), 0x020202);
}

TEST(Dispatch, PropertiesReadAndWriteWithArgumentCoercion) {
    ComPtr<IDispatch> control = CreateByProgId();
    ASSERT_TRUE(control);
    DISPID style = DispidOf(control.Get(), L"HighlightStyle");
    EXPECT_EQ(style, brocade::kDispHighlightStyle);
    VARIANT value;
    ASSERT_EQ(GetProperty(control.Get(), style, value), S_OK);
    EXPECT_EQ(V_I4(&value), 1);

    VARIANT text = MakeString(L"7");  // a script's string becomes the enumeration value
    EXPECT_EQ(PutProperty(control.Get(), style, text), S_OK);
    VariantClear(&text);
    ASSERT_EQ(GetProperty(control.Get(), style, value), S_OK);
    EXPECT_EQ(V_I4(&value), 7);

    VARIANT version;
    ASSERT_EQ(GetProperty(control.Get(), DispidOf(control.Get(), L"Version"), version), S_OK);
    ASSERT_EQ(V_VT(&version), VT_BSTR);
    EXPECT_STREQ(V_BSTR(&version), L"1.0.0");
    VariantClear(&version);
}

TEST(Dispatch, BadCallsGetClearAutomationErrors) {
    ComPtr<IDispatch> control = CreateByProgId();
    ASSERT_TRUE(control);
    DISPID unknown = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"NoSuchMember")};
    EXPECT_EQ(control->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &unknown), DISP_E_UNKNOWNNAME);

    VARIANT result;
    EXPECT_EQ(CallMethod(control.Get(), 0x12345, {}, &result), DISP_E_MEMBERNOTFOUND);

    VARIANT notANumber = MakeString(L"not a number");
    EXPECT_EQ(PutProperty(control.Get(), brocade::kDispHighlightStyle, notANumber), DISP_E_TYPEMISMATCH);
    VariantClear(&notANumber);
    VARIANT style;
    ASSERT_EQ(GetProperty(control.Get(), brocade::kDispHighlightStyle, style), S_OK);
    EXPECT_EQ(V_I4(&style), 1) << "a rejected call leaves the property as it was";

    EXPECT_EQ(CallMethod(control.Get(), DispidOf(control.Get(), L"GetMeanColor"), {MakeLong(1)}, &result),
              DISP_E_BADPARAMCOUNT);
}

TEST(Dispatch, CaptureScreenAlwaysRaisesTheBrocadeError) {
    ComPtr<IDispatch> control = CreateByProgId();
    ASSERT_TRUE(control);
    VARIANT result;
    EXCEPINFO exception = {};
    EXPECT_EQ(CallMethod(control.Get(), DispidOf(control.Get(), L"CaptureScreen"), {}, &result, &exception),
              DISP_E_EXCEPTION);
    ExpectBrocadeError(exception, L"Call to undocumented function CaptureScreen");

    // The vtable call reports the same error through the error object.
    ComPtr<_Brocade> dual = control.As<_Brocade>(IID__Brocade);
    ASSERT_TRUE(dual);
    IPictureDisp *picture = reinterpret_cast<IPictureDisp *>(1);
    EXPECT_EQ(dual->CaptureScreen(&picture), kBrocadeError);
    EXPECT_EQ(picture, nullptr);
    ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, info.Out()), S_OK);
    BSTR source = nullptr;
    info->GetSource(&source);
    EXPECT_STREQ(source, L"Brocade");
    SysFreeString(source);
}

TEST(Dispatch, ShowAboutBoxIsTheStandardAboutDispid) {
    ComPtr<IDispatch> control = CreateByProgId();
    ASSERT_TRUE(control);
    EXPECT_EQ(DispidOf(control.Get(), L"ShowAboutBox"), DISPID_ABOUTBOX);
}

TEST(Events, CoreEventsReachEverySinkThroughTheConnectionPoint) {
    ComPtr<IDispatch> object = CreateInProcess();
    ASSERT_TRUE(object);
    RecordingSink first, second;
    DWORD cookie1 = Connect(object.Get(), DIID___Brocade, &first);
    DWORD cookie2 = Connect(object.Get(), DIID___Brocade, &second);
    ASSERT_NE(cookie1, 0u);
    ASSERT_NE(cookie2, 0u);

    auto *brocadeObject = static_cast<brocade::BrocadeObject *>(static_cast<_Brocade *>(object.Get()));
    brocadeObject->Core().RaiseClearMenuHelp();
    EXPECT_EQ(first.received, std::vector<DISPID>{5});
    EXPECT_EQ(second.received, std::vector<DISPID>{5});

    Disconnect(object.Get(), DIID___Brocade, cookie1);
    brocadeObject->Core().RaiseClearMenuHelp();
    EXPECT_EQ(first.received.size(), 1u) << "an unadvised sink hears nothing more";
    EXPECT_EQ(second.received.size(), 2u);
    Disconnect(object.Get(), DIID___Brocade, cookie2);
    EXPECT_EQ(first.refs, 1);
    EXPECT_EQ(second.refs, 1);
}

TEST(Events, PropertyChangesNotifyTheContainerOnlyWhenTheValueChanges) {
    ComPtr<IDispatch> object = CreateInProcess();
    ASSERT_TRUE(object);
    PropertyNotifyRecorder notify;
    DWORD cookie = Connect(object.Get(), IID_IPropertyNotifySink, &notify);
    ASSERT_NE(cookie, 0u);

    EXPECT_EQ(PutProperty(object.Get(), brocade::kDispHighlightStyle, MakeLong(3)), S_OK);
    EXPECT_EQ(PutProperty(object.Get(), brocade::kDispHighlightStyle, MakeLong(3)), S_OK);
    VARIANT on;
    V_VT(&on) = VT_BOOL;
    V_BOOL(&on) = VARIANT_TRUE;
    EXPECT_EQ(PutProperty(object.Get(), brocade::kDispAutoShowHelp, on), S_OK);
    EXPECT_EQ(PutProperty(object.Get(), brocade::kDispAutoShowHelp, on), S_OK);
    EXPECT_EQ(notify.changed, (std::vector<DISPID>{brocade::kDispHighlightStyle, brocade::kDispAutoShowHelp,
                                                   brocade::kDispAutoShowHelp}));
    Disconnect(object.Get(), IID_IPropertyNotifySink, cookie);
}

TEST(Events, ConnectionPointsAreEnumeratedAndRejectWrongSinks) {
    ComPtr<IDispatch> object = CreateInProcess();
    ComPtr<IConnectionPointContainer> container = object.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ASSERT_TRUE(container);
    ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(container->EnumConnectionPoints(points.Out()), S_OK);
    IConnectionPoint *found[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(points->Next(3, found, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    for (ULONG i = 0; i < fetched; ++i) found[i]->Release();

    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, point.Out()), CONNECT_E_NOCONNECTION);
    ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, point.Out()), S_OK);
    RecordingSink notASink;  // answers IDispatch but not IPropertyNotifySink
    DWORD cookie = 7;
    EXPECT_EQ(point->Advise(&notASink, &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);
    EXPECT_EQ(point->Unadvise(12345), CONNECT_E_NOCONNECTION);

    ComPtr<IProvideClassInfo2> classInfo = object.As<IProvideClassInfo2>(IID_IProvideClassInfo2);
    ASSERT_TRUE(classInfo);
    GUID events;
    ASSERT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
    EXPECT_TRUE(IsEqualGUID(events, DIID___Brocade));
}
