// The embedded type library: the names widl cannot spell, DISPIDs, kinds and help strings.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include <map>
#include <string>

#include <olectl.h>

#include "support/menu_item_members.h"
#include "Brocade.h"
#include "common/com_ptr.h"
#include "control/dispids.h"
#include "support/test_support.h"

using brocade::ComPtr;
using namespace brocade_test;

namespace {

class TypeLibrary : public testing::Test {
protected:
    ComPtr<ITypeLib> library;

    void SetUp() override {
        ASSERT_EQ(LoadTypeLibEx(OcxPath().c_str(), REGKIND_NONE, library.Out()), S_OK);
    }

    ComPtr<ITypeInfo> InfoByName(const wchar_t *name) {
        UINT count = library->GetTypeInfoCount();
        for (UINT i = 0; i < count; ++i) {
            BSTR found = nullptr;
            library->GetDocumentation(i, &found, nullptr, nullptr, nullptr);
            bool match = found && wcscmp(found, name) == 0;
            SysFreeString(found);
            if (match) {
                ComPtr<ITypeInfo> info;
                library->GetTypeInfo(i, info.Out());
                return info;
            }
        }
        return {};
    }

    // value -> member name of an enumeration.
    std::map<LONG, std::wstring> Members(const wchar_t *enumName) {
        std::map<LONG, std::wstring> members;
        ComPtr<ITypeInfo> info = InfoByName(enumName);
        if (!info) return members;
        TYPEATTR *attr = nullptr;
        info->GetTypeAttr(&attr);
        for (UINT i = 0; i < attr->cVars; ++i) {
            VARDESC *var = nullptr;
            info->GetVarDesc(i, &var);
            BSTR name = nullptr;
            info->GetDocumentation(var->memid, &name, nullptr, nullptr, nullptr);
            VARIANT value;
            VariantInit(&value);
            VariantChangeType(&value, var->lpvarValue, 0, VT_I4);
            members[V_I4(&value)] = name;
            SysFreeString(name);
            info->ReleaseVarDesc(var);
        }
        info->ReleaseTypeAttr(attr);
        return members;
    }

    // The help string of a member, by DISPID.
    std::wstring HelpString(ITypeInfo *info, MEMBERID id) {
        BSTR doc = nullptr;
        info->GetDocumentation(id, nullptr, &doc, nullptr, nullptr);
        std::wstring text = doc ? doc : L"";
        SysFreeString(doc);
        return text;
    }
};

}  // namespace

TEST_F(TypeLibrary, EnumerationMembersCarryTheirPublicNamesWithBlanks) {
    auto highlight = Members(L"bdHighlight");
    EXPECT_EQ(highlight.size(), 11u);
    EXPECT_EQ(highlight[0], L"Plain");
    EXPECT_EQ(highlight[1], L"Horizontal Left To Right");
    EXPECT_EQ(highlight[2], L"Horizontal Right To Left");
    EXPECT_EQ(highlight[3], L"Horizontal Center");
    EXPECT_EQ(highlight[6], L"Vertical Center");
    EXPECT_EQ(highlight[10], L"Office 2003");

    auto border = Members(L"bdBorder");
    EXPECT_EQ(border[2], L"Flat with Shadow");

    auto language = Members(L"bdLanguage");
    EXPECT_EQ(language.size(), 11u);
    EXPECT_EQ(language[7], L"Chinese(Traditional)");
    EXPECT_EQ(language[8], L"Chinese(Simplified)");
    EXPECT_EQ(language[9], L"Auto");
    EXPECT_EQ(language[10], L"Russian");

    auto icons = Members(L"bdMenuIconSet");
    EXPECT_EQ(icons, (std::map<LONG, std::wstring>{
                         {0, L"bdDefault"}, {1, L"bdOffice2003"}, {16, L"bdSkyline"}, {17, L"bdSunrise"},
                         {18, L"bdSnowflakes"}}));
    EXPECT_EQ(Members(L"bdHighlightAppearance")[4], L"bdFlatWithBorder");
    EXPECT_EQ(Members(L"bdHighlightOverBitmap")[2], L"bdNever");
    EXPECT_EQ(Members(L"bdTooltipStyle")[1], L"bdRectangle");
    EXPECT_EQ(Members(L"bdDrawStage")[2], L"bdPostDraw");
}

TEST_F(TypeLibrary, PropertyDispidsMatchWhatTheCoreNotifies) {
    ComPtr<ITypeInfo> info = InfoByName(L"_Brocade");
    ASSERT_TRUE(info);
    const std::pair<const wchar_t *, DISPID> expected[] = {
        {L"AutoShowHelp", brocade::kDispAutoShowHelp},       {L"CheckMark", brocade::kDispCheckMark},
        {L"MenuBackground", brocade::kDispMenuBackground},   {L"TootipTextColor", brocade::kDispTootipTextColor},
        {L"Language", brocade::kDispLanguage},               {L"BackgroundPicture", brocade::kDispBackgroundPicture},
        {L"Enabled", brocade::kDispEnabled},                 {L"MenuIconSet", brocade::kDispMenuIconSet},
        {L"LockRefresh", brocade::kDispLockRefresh},         {L"Version", brocade::kDispVersion},
        {L"GetCleanCaption", 0x6003001B},                    {L"ShowAboutBox", DISPID_ABOUTBOX},
    };
    for (auto &[name, id] : expected) {
        MEMBERID found = 0;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        ASSERT_EQ(info->GetIDsOfNames(names, 1, &found), S_OK) << name;
        EXPECT_EQ(found, id) << name;
    }
    EXPECT_EQ(HelpString(info.Get(), 0x6003001B), L"Extracts the clean caption from the specified menu item text string");
}

TEST_F(TypeLibrary, LockRefreshIsHiddenAndTheInterfaceIsDual) {
    ComPtr<ITypeInfo> info = InfoByName(L"_Brocade");
    ASSERT_TRUE(info);
    TYPEATTR *attr = nullptr;
    info->GetTypeAttr(&attr);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
    info->ReleaseTypeAttr(attr);
    HREFTYPE vtableRef = 0;
    ComPtr<ITypeInfo> vtable;
    ASSERT_EQ(info->GetRefTypeOfImplType(-1, &vtableRef), S_OK);
    ASSERT_EQ(info->GetRefTypeInfo(vtableRef, vtable.Out()), S_OK);
    ComPtr<ITypeInfo2> info2 = vtable.As<ITypeInfo2>(IID_ITypeInfo2);
    UINT index = 0;
    ASSERT_EQ(info2->GetFuncIndexOfMemId(brocade::kDispLockRefresh, INVOKE_PROPERTYGET, &index), S_OK);
    FUNCDESC *func = nullptr;
    vtable->GetFuncDesc(index, &func);
    EXPECT_TRUE(func->wFuncFlags & FUNCFLAG_FHIDDEN);
    vtable->ReleaseFuncDesc(func);
}

TEST_F(TypeLibrary, EventsHaveTheirDispatchIdentifiers) {
    ComPtr<ITypeInfo> info = InfoByName(L"__Brocade");
    ASSERT_TRUE(info);
    const std::pair<const wchar_t *, DISPID> events[] = {
        {L"SetMenuItemAttributes", 1}, {L"SetMenuItemSize", 2}, {L"DrawMenuItem", 3},
        {L"ShowMenuHelp", 4},          {L"ClearMenuHelp", 5},   {L"DrawMenuItemEx", 6},
    };
    for (auto &[name, id] : events) {
        MEMBERID found = 0;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        ASSERT_EQ(info->GetIDsOfNames(names, 1, &found), S_OK) << name;
        EXPECT_EQ(found, id) << name;
    }
    EXPECT_EQ(HelpString(info.Get(), 1),
              L"This event is triggered to allow the user to override the menu item attributes before the menu "
              L"item is actually displayed.");
    EXPECT_EQ(HelpString(info.Get(), 2),
              L"This event is triggered for getting the size of the menu item before it is displayed.");
}

TEST_F(TypeLibrary, MenuItemMembersHaveTheirSlotsDispidsAndHelpStrings) {
    ComPtr<ITypeInfo> info = InfoByName(L"_CMenuItem");
    ASSERT_TRUE(info);
    const auto &members = brocade_test::kMenuItemMembers;
    TYPEATTR *attr = nullptr;
    info->GetTypeAttr(&attr);
    UINT funcs = attr->cFuncs;
    info->ReleaseTypeAttr(attr);
    size_t next = 0;
    DISPID previous = 0;
    for (UINT i = 0; i < funcs; ++i) {
        FUNCDESC *func = nullptr;
        info->GetFuncDesc(i, &func);
        DISPID id = func->memid;
        info->ReleaseFuncDesc(func);
        // Skip the inherited IUnknown and IDispatch members and a property's second accessor.
        bool inherited = (id & 0xFFFF0000) == 0x60000000 || (id & 0xFFFF0000) == 0x60010000;
        if (inherited || id == previous) continue;
        previous = id;
        ASSERT_LT(next, std::size(members));
        EXPECT_EQ(id, members[next].second) << "slot " << next << " should be " << members[next].first;
        ++next;
    }
    EXPECT_EQ(next, std::size(members));
    EXPECT_EQ(HelpString(info.Get(), 0x6803000B), L"Gets/Sets picture corresponding to this menu item.");
    EXPECT_EQ(HelpString(info.Get(), 0x68030016), L"");
    EXPECT_EQ(HelpString(info.Get(), 0x68030020), L"Returns or sets the language of the menu item.");
}

TEST_F(TypeLibrary, ControlClassIsACreatableControlWithItsEventSource) {
    ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(library->GetTypeInfoOfGuid(CLSID_Brocade, coclass.Out()), S_OK);
    TYPEATTR *attr = nullptr;
    coclass->GetTypeAttr(&attr);
    EXPECT_EQ(attr->typekind, TKIND_COCLASS);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCONTROL);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCANCREATE);
    EXPECT_EQ(attr->cImplTypes, 2);
    coclass->ReleaseTypeAttr(attr);
    INT flags = 0;
    coclass->GetImplTypeFlags(1, &flags);
    EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
    EXPECT_TRUE(InfoByName(L"_cSubclassListener"));
}
