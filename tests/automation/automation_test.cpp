// The control as automation clients reach it: created by its ProgID, called by name through
// IDispatch, the errors it raises, and the names its type library gives scripts and hosts.
#include <gtest/gtest.h>
#include <olectl.h>

#include <sstream>

#include "support/form.h"
#include "support/hosted_control.h"

using namespace brocade_test;

namespace {

constexpr HRESULT kBrocadeError = static_cast<HRESULT>(0x80040000);

// "name=value, ..." of an enumeration, or "name=dispid, ..." of an interface's members in slot order.
std::wstring Members(ITypeInfo *info) {
    std::wostringstream out;
    TYPEATTR *attr = nullptr;
    if (!info || FAILED(info->GetTypeAttr(&attr))) return L"(missing)";
    auto name = [&](MEMBERID id) {
        BSTR text = nullptr;
        info->GetDocumentation(id, &text, nullptr, nullptr, nullptr);
        out << (out.tellp() ? L", " : L"") << (text ? text : L"");
        SysFreeString(text);
    };
    for (UINT i = 0; i < attr->cVars; ++i) {
        VARDESC *var = nullptr;
        info->GetVarDesc(i, &var);
        name(var->memid);
        out << L"=" << Variant(*var->lpvarValue).AsLong();
        info->ReleaseVarDesc(var);
    }
    for (UINT i = 0; i < attr->cFuncs; ++i) {
        FUNCDESC *func = nullptr;
        info->GetFuncDesc(i, &func);
        const bool inherited = (func->memid & 0xFFFE0000) == 0x60000000;  // IUnknown's and IDispatch's
        if (!inherited && func->invkind != INVOKE_PROPERTYPUT && func->invkind != INVOKE_PROPERTYPUTREF) {
            name(func->memid);
            out << (func->wFuncFlags & FUNCFLAG_FHIDDEN ? L"(hidden)" : L"") << L"=" << std::hex << func->memid << std::dec;
        }
        info->ReleaseFuncDesc(func);
    }
    info->ReleaseTypeAttr(attr);
    return out.str();
}

// A hosted control with the type library it hands out through IDispatch.
class Automation : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(control);
        ComPtr<ITypeInfo> info;
        if (SUCCEEDED(control->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Out()))) info->GetContainingTypeLib(library.Out(), nullptr);
        ASSERT_TRUE(library);
    }
    // A type by name; a dual interface by its vtable part, which holds the slots.
    ComPtr<ITypeInfo> Type(const wchar_t *name) {
        ComPtr<ITypeInfo> info, vtable;
        std::wstring asked = name;
        MEMBERID member;
        USHORT found = 1;
        library->FindName(asked.data(), 0, info.Out(), &member, &found);
        HREFTYPE ref = 0;
        if (info && SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref))) info->GetRefTypeInfo(ref, vtable.Out());
        return vtable ? vtable : info;
    }
    Form form;
    HostedControl control = HostedControl::WithSite(form);
    ComPtr<ITypeLib> library;
};

}  // namespace

TEST(Creation, TheProgIdNamesTheControlClassWhichAnswersAsAnAutomationControl) {
    CLSID clsid = {};
    ASSERT_EQ(CLSIDFromProgID(L"Brocade.Brocade", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_Brocade));
    ComPtr<IDispatch> control;  // as a script creates it: no container, no InitNew
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void **>(control.Out())), S_OK);
    EXPECT_EQ(Call(control.Get(), L"GetMeanColor", {0x010101, 0x030303}).value.AsLong(), 0x020202);
    EXPECT_EQ(Get(control.Get(), L"HighlightStyle").value.AsLong(), 1) << "it behaves as a new control";
    GUID events = {};
    auto classInfo = control.As<IProvideClassInfo2>(IID_IProvideClassInfo2);
    EXPECT_TRUE(classInfo && classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events) == S_OK &&
                IsEqualGUID(events, DIID___Brocade)) << "containers find its events";
    auto errors = control.As<ISupportErrorInfo>(IID_ISupportErrorInfo);
    EXPECT_TRUE(errors && errors->InterfaceSupportsErrorInfo(IID__Brocade) == S_OK) << "hosts read its error objects";
}

TEST(Creation, EveryInterfaceAHostAsksForAnswersWithTheOneIdentityAndReferenceCount) {
    ComPtr<IUnknown> control;
    ASSERT_EQ(CoCreateInstance(CLSID_Brocade, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void **>(control.Out())), S_OK);
    const std::pair<const char *, IID> answered[] = {
        {"IDispatch", IID_IDispatch}, {"_Brocade", IID__Brocade}, {"IConnectionPointContainer", IID_IConnectionPointContainer},
        {"IProvideClassInfo", IID_IProvideClassInfo}, {"IProvideClassInfo2", IID_IProvideClassInfo2},
        {"ISupportErrorInfo", IID_ISupportErrorInfo}, {"IOleObject", IID_IOleObject}, {"IOleWindow", IID_IOleWindow},
        {"IOleInPlaceObject", IID_IOleInPlaceObject}, {"IOleControl", IID_IOleControl}, {"IViewObject", IID_IViewObject},
        {"IViewObject2", IID_IViewObject2}, {"IPersist", IID_IPersist}, {"IPersistStreamInit", IID_IPersistStreamInit},
        {"IPersistPropertyBag", IID_IPersistPropertyBag}};
    for (const auto &[name, iid] : answered) {
        SCOPED_TRACE(name);
        ComPtr<IUnknown> face, identity;
        ASSERT_EQ(control->QueryInterface(iid, reinterpret_cast<void **>(face.Out())), S_OK);
        ASSERT_EQ(face->QueryInterface(IID_IUnknown, reinterpret_cast<void **>(identity.Out())), S_OK);
        EXPECT_EQ(identity.Get(), control.Get());
        const ULONG before = control->AddRef();
        EXPECT_EQ(face->AddRef(), before + 1) << "one count for the whole object";
        face->Release(), control->Release();
    }
    const std::pair<const char *, IID> refused[] = {
        {"IPersistStream", IID_IPersistStream}, {"IPersistStorage", IID_IPersistStorage}, {"IDataObject", IID_IDataObject},
        {"IOleInPlaceActiveObject", IID_IOleInPlaceActiveObject}, {"IQuickActivate", IID_IQuickActivate}};
    for (const auto &[name, iid] : refused) {
        ComPtr<IUnknown> face;
        EXPECT_EQ(control->QueryInterface(iid, reinterpret_cast<void **>(face.Out())), E_NOINTERFACE) << name;
    }
}

TEST_F(Automation, ArgumentsAreCoercedToTheDeclaredTypesAndCallsThatCannotBeMadeFailAndChangeNothing) {
    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"NoSuchMember")};
    DISPID id = 0;
    EXPECT_EQ(control->GetIDsOfNames(IID_NULL, unknown, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
    struct Row {
        const char *name;
        const wchar_t *member;
        WORD flags;
        std::vector<Variant> args;
        HRESULT hr;
        const wchar_t *after;  // the property's value then, or its result; null: as before
    };
    const WORD put = DISPATCH_PROPERTYPUT, call = DISPATCH_METHOD;
    const LONG window = static_cast<LONG>(reinterpret_cast<LONG_PTR>(form.Handle()));
    const Row rows[] = {
        {"text for an enumeration", L"HighlightStyle", put, {L"7"}, S_OK, L"7"},
        {"text for a 16-bit integer", L"TooltipInitialDelay", put, {L"250"}, S_OK, L"250"},
        {"a Long for a Boolean", L"Unicode", put, {1}, S_OK, L"-1"},
        {"a Long for a Boolean taken by reference", L"ShowTootipTitle", put, {1}, S_OK, L"-1"},
        {"text for a Long argument", L"GetMeanColor", call, {L"0", 0x020202}, S_OK, L"65793"},
        {"an optional argument left out", L"RegisterWindowMenu", call, {window}, S_OK, L""},
        {"a DISPID nobody declared", nullptr, call, {}, DISP_E_MEMBERNOTFOUND, nullptr},
        {"text that is no number", L"HighlightStyle", put, {L"not a number"}, DISP_E_TYPEMISMATCH, nullptr},
        {"a value too large for a 16-bit integer", L"TooltipReshowDelay", put, {100000}, DISP_E_OVERFLOW, nullptr},
        {"a write to the read-only Version", L"Version", put, {L"9.9"}, DISP_E_MEMBERNOTFOUND, nullptr},
        {"one argument of two", L"GetMeanColor", call, {1}, DISP_E_BADPARAMCOUNT, nullptr},
        {"three arguments of two", L"GetMeanColor", call, {1, 2, 3}, DISP_E_BADPARAMCOUNT, nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const bool property = row.member && row.flags == put;
        const std::wstring before = property ? Get(control, row.member).value.AsString() : L"";
        Invoked invoked = Invoke(control, row.member ? Dispid(control, row.member) : 0x12345, row.flags, row.args);
        EXPECT_EQ(invoked.hr, row.hr);
        const std::wstring after = property ? Get(control, row.member).value.AsString() : invoked.value.AsString();
        EXPECT_EQ(after, row.after ? row.after : before);
    }
}

TEST_F(Automation, FailingOperationsRaiseTheBrocadeErrorThroughExcepinfoAndTheErrorObject) {
    PICTDESC desc = {sizeof desc, PICTYPE_METAFILE};
    desc.wmf = {CloseMetaFile(CreateMetaFileW(nullptr)), 100, 100};
    ComPtr<IPictureDisp> metafile;
    ASSERT_EQ(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(metafile.Out())), S_OK);
    ASSERT_EQ(Call(control, L"AddMessage", {L"Open", L"Opens a file"}).hr, S_OK);
    const std::tuple<const char *, Invoked, HRESULT, const wchar_t *> rows[] = {
        {"CaptureScreen", Call(control, L"CaptureScreen"), kBrocadeError, L"Call to undocumented function CaptureScreen"},
        {"a metafile as the background picture", PutRef(control, L"BackgroundPicture", metafile.Get()), kBrocadeError,
         L"Invalid picture type"},
        // The collection's own error, through either method that adds.
        {"a help message added twice", Call(control, L"AddMessage", {L"&Open", L"again"}), static_cast<HRESULT>(0x800A01C9),
         L"This key is already associated with an element of this collection"},
        {"a composite message for a caption already there", Call(control, L"AddCompositeMessage", {L"Open...|again"}),
         static_cast<HRESULT>(0x800A01C9), L"This key is already associated with an element of this collection"},
    };
    for (const auto &[name, invoked, scode, description] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(invoked.hr, DISP_E_EXCEPTION);
        EXPECT_EQ(invoked.scode, scode);
        EXPECT_EQ(invoked.source, L"Brocade");
        if (description) { EXPECT_EQ(invoked.description, description); }
    }
    // A host calling through the interface itself reads the error object.
    IPictureDisp *picture = nullptr;
    EXPECT_EQ(control->CaptureScreen(&picture), kBrocadeError);
    ComPtr<IErrorInfo> error;
    ASSERT_EQ(GetErrorInfo(0, error.Out()), S_OK);
    BSTR source = nullptr, description = nullptr;
    error->GetSource(&source), error->GetDescription(&description);
    EXPECT_STREQ(source, L"Brocade");
    EXPECT_STREQ(description, L"Call to undocumented function CaptureScreen");
    SysFreeString(source), SysFreeString(description);
}

TEST_F(Automation, TheTypeLibraryKeepsThePublicNamesBlanksIncludedDispidsSlotsAndHelpStrings) {
    const std::pair<const wchar_t *, const wchar_t *> types[] = {
        {L"bdHighlight", L"Plain=0, Horizontal Left To Right=1, Horizontal Right To Left=2, Horizontal Center=3, "
                         L"Vertical Top To Bottom=4, Vertical Bottom To Top=5, Vertical Center=6, Diagonal=7, Radial=8, "
                         L"XP=9, Office 2003=10"},
        {L"bdBorder", L"Normal=0, Flat=1, Flat with Shadow=2"},
        {L"bdLanguage", L"English=0, Korean=1, Japanese=2, Italian=3, French=4, Spanish=5, German=6, "
                        L"Chinese(Traditional)=7, Chinese(Simplified)=8, Auto=9, Russian=10"},
        {L"bdMenuIconSet", L"bdDefault=0, bdOffice2003=1, bdSkyline=16, bdSunrise=17, bdSnowflakes=18"},
        {L"_CMenuItem", L"CaptionFont=6803001b, ShortcutFont=6803001a, HasSubMenus=68030019, IsTopLevel=68030018, "
                        L"IsSeparator=68030016, ShortcutText=68030013, Caption=68030012, Disabled=68030011, "
                        L"Checked=68030010, hwnd=6803000f, hMenu=6803000e, MenuId=6803000d, ParentMenuId=6803000c, "
                        L"Picture=6803000b, PictureBackColor=6803000a, MenuText=68030009, ShortcutTextWidth=68030008, "
                        L"ShortcutTextHeight=68030007, CaptionTextWidth=68030006, CaptionTextHeight=68030005, "
                        L"Position=68030004, IsFirst=68030002, IsLast=68030000, TooltTipText=68030026, "
                        L"Language=68030020, Unicode=68030027"},
        {L"__Brocade", L"SetMenuItemAttributes=1, SetMenuItemSize=2, DrawMenuItem=3, ShowMenuHelp=4, ClearMenuHelp=5, "
                       L"DrawMenuItemEx=6"},
    };
    for (const auto &[name, members] : types) EXPECT_EQ(Members(Type(name).Get()), members) << name;
    // _Brocade: its first and last property and method, the standard about box, LockRefresh kept
    // out of property browsers.
    const std::wstring brocade = Members(Type(L"_Brocade").Get());
    for (const wchar_t *member : {L"AutoShowHelp=68030000", L"LockRefresh(hidden)=6803001d", L"Version=6803001e",
                                  L"AddMessage=60030018", L"ShowAboutBox=fffffdd8", L"CaptureScreen=60030027"})
        EXPECT_NE(brocade.find(member), std::wstring::npos) << member << " in " << brocade;
    const std::tuple<const wchar_t *, MEMBERID, const wchar_t *> help[] = {
        {L"_Brocade", 0x6003001B, L"Extracts the clean caption from the specified menu item text string"},
        {L"__Brocade", 1, L"This event is triggered to allow the user to override the menu item attributes before "
                          L"the menu item is actually displayed."},
        {L"_CMenuItem", 0x68030009, L"Returns the text correponding to the menu item, it includes the caption as well "
                                    L"as the shortcut text. This is a read-only property."},
        {L"_CMenuItem", 0x68030016, L""},
    };
    for (const auto &[name, id, text] : help) {
        BSTR found = nullptr;
        Type(name)->GetDocumentation(id, nullptr, &found, nullptr, nullptr);
        EXPECT_EQ(std::wstring(found ? found : L""), text) << name << " " << id;
        SysFreeString(found);
    }
}
