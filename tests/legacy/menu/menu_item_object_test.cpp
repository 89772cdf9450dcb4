// CMenuItem as the host sees it: late-bound through its type information.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include "support/menu_item_members.h"
#include "Brocade.h"
#include "com/menu_item_object.h"
#include "menu/menu_test_support.h"
#include "menu/ole_font.h"
#include "support/test_support.h"

namespace menu_test {
namespace {

using brocade::kTrue;

RecordPtr FilledRecord() {
    RecordPtr record = MenuItemRecord::Create();
    record->SetMenuText("Save &as...\tCtrl+S");
    record->SetCaptionFont(brocade::CreateRecordFont().Get());
    record->SetShortcutFont(brocade::CreateRecordFont().Get());
    record->SetMenuId(4711);
    record->SetParentMenuId(-1);
    record->SetPosition(3);
    record->SetIsLast(kTrue);
    record->SetChecked(kTrue);
    record->SetHasSubMenus(kTrue);
    record->SetCaptionTextSize(SIZE{61, 13});
    record->SetShortcutTextSize(SIZE{40, 12});
    record->SetMenuHandle(reinterpret_cast<HMENU>(static_cast<LONG_PTR>(0x1234)));
    record->SetOwnerWindow(reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x5678)));
    return record;
}

TEST(CMenuItemObject, MembersHaveTheirDispatchIdentifiers) {
    RecordPtr record = FilledRecord();
    ComPtr<IDispatch> item = brocade::MenuItemDispatch(*record.Get());
    ASSERT_TRUE(item);
    const auto &members = brocade_test::kMenuItemMembers;
    for (const auto &member : members) EXPECT_EQ(DispidOf(item.Get(), member.first), member.second) << member.first;
}

TEST(CMenuItemObject, ReadsTheRecordLateBound) {
    RecordPtr record = FilledRecord();
    ComPtr<IDispatch> item = brocade::MenuItemDispatch(*record.Get());
    EXPECT_EQ(GetString(item.Get(), L"MenuText"), L"Save &as...\tCtrl+S");
    EXPECT_EQ(GetString(item.Get(), L"Caption"), L"Save &as...");
    EXPECT_EQ(GetString(item.Get(), L"ShortcutText"), L"Ctrl+S");
    EXPECT_EQ(GetLong(item.Get(), L"MenuId"), 4711);
    EXPECT_EQ(GetLong(item.Get(), L"ParentMenuId"), -1);
    EXPECT_EQ(GetLong(item.Get(), L"Position"), 3);
    EXPECT_EQ(GetLong(item.Get(), L"IsLast"), -1) << "Booleans are 16-bit True";
    EXPECT_EQ(GetLong(item.Get(), L"IsFirst"), 0);
    EXPECT_EQ(GetLong(item.Get(), L"Checked"), -1);
    EXPECT_EQ(GetLong(item.Get(), L"HasSubMenus"), -1);
    EXPECT_EQ(GetLong(item.Get(), L"CaptionTextWidth"), 61);
    EXPECT_EQ(GetLong(item.Get(), L"CaptionTextHeight"), 13);
    EXPECT_EQ(GetLong(item.Get(), L"ShortcutTextWidth"), 40);
    EXPECT_EQ(GetLong(item.Get(), L"ShortcutTextHeight"), 12);
    EXPECT_EQ(GetLong(item.Get(), L"hMenu"), 0x1234);
    EXPECT_EQ(GetLong(item.Get(), L"hwnd"), 0x5678);
    EXPECT_EQ(GetLong(item.Get(), L"PictureBackColor"), 0x00C0C0C0);
    EXPECT_TRUE(GetObject(item.Get(), L"CaptionFont"));
}

TEST(CMenuItemObject, ReadOnlyMembersRefuseWrites) {
    RecordPtr record = FilledRecord();
    ComPtr<IDispatch> item = brocade::MenuItemDispatch(*record.Get());
    for (const wchar_t *name : {L"MenuId", L"Position", L"IsLast", L"CaptionTextWidth", L"hMenu"})
        EXPECT_TRUE(FAILED(PutProperty(item.Get(), name, LongValue(9)))) << name;
    VARIANT text;
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"Other");
    EXPECT_TRUE(FAILED(PutProperty(item.Get(), L"Caption", text)));
    VariantClear(&text);
    EXPECT_EQ(record->Caption(), "Save &as...");
    EXPECT_TRUE(FAILED(PutProperty(item.Get(), L"CaptionFont", ObjectValue(MakeFont(L"Arial", 12).Get()),
                                   DISPATCH_PROPERTYPUTREF)))
        << "the font object cannot be replaced";
}

TEST(CMenuItemObject, PictureIsSetByReference) {
    RecordPtr record = FilledRecord();
    ComPtr<IDispatch> item = brocade::MenuItemDispatch(*record.Get());
    ComPtr<IPictureDisp> picture = MakePicture();
    ASSERT_TRUE(SUCCEEDED(PutProperty(item.Get(), L"Picture", ObjectValue(picture.Get()), DISPATCH_PROPERTYPUTREF)));
    EXPECT_EQ(record->Picture().Get(), picture.Get());
    EXPECT_EQ(record->AttributesChanged(), kTrue);
    ComPtr<IDispatch> readBack = GetObject(item.Get(), L"Picture");
    EXPECT_EQ(static_cast<IUnknown *>(readBack.As<IUnknown>(IID_IUnknown).Get()),
              static_cast<IUnknown *>(picture.As<IUnknown>(IID_IUnknown).Get()));

    // Nothing clears it.
    VARIANT nothing;
    V_VT(&nothing) = VT_DISPATCH;
    V_DISPATCH(&nothing) = nullptr;
    EXPECT_TRUE(SUCCEEDED(PutProperty(item.Get(), L"Picture", nothing, DISPATCH_PROPERTYPUTREF)));
    EXPECT_FALSE(record->Picture());
}

TEST(CMenuItemObject, AnObjectThatIsNoPictureIsRefused) {
    RecordPtr record = FilledRecord();
    ComPtr<IDispatch> item = brocade::MenuItemDispatch(*record.Get());
    ComPtr<IPictureDisp> picture = MakePicture();
    record->SetPicture(picture.Get());
    ComPtr<IDispatch> plain = MakePlainObject();
    EXPECT_TRUE(FAILED(PutProperty(item.Get(), L"Picture", ObjectValue(plain.Get()), DISPATCH_PROPERTYPUTREF)));
    EXPECT_EQ(record->Picture().Get(), picture.Get());
}

TEST(CMenuItemObject, PictureBackColorAndTooltipTakeTheirValueByReference) {
    RecordPtr record = FilledRecord();
    ComPtr<IDispatch> item = brocade::MenuItemDispatch(*record.Get());
    // A plain value is passed by reference by the type information.
    EXPECT_TRUE(SUCCEEDED(PutProperty(item.Get(), L"PictureBackColor", LongValue(0x00FF00FF))));
    EXPECT_EQ(record->PictureBackColor(), 0x00FF00FFu);
    ULONG color = 0x0000FFFF;
    VARIANT byReference;
    V_VT(&byReference) = VT_UI4 | VT_BYREF;
    V_UI4REF(&byReference) = &color;
    EXPECT_TRUE(SUCCEEDED(PutProperty(item.Get(), L"PictureBackColor", byReference)));
    EXPECT_EQ(record->PictureBackColor(), 0x0000FFFFu);

    VARIANT text;
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"  Open file   ");
    EXPECT_TRUE(SUCCEEDED(PutProperty(item.Get(), L"TooltTipText", text)));
    VariantClear(&text);
    EXPECT_EQ(record->TooltTipText(), "Open file");
    EXPECT_EQ(GetString(item.Get(), L"TooltTipText"), L"Open file");
}

TEST(CMenuItemObject, LanguageLetSetsTheFontsCharacterSet) {
    ASSERT_TRUE(brocade_test::FontInstalledFor(SHIFTJIS_CHARSET));
    RecordPtr record = FilledRecord();
    ComPtr<IDispatch> item = brocade::MenuItemDispatch(*record.Get());
    EXPECT_TRUE(SUCCEEDED(PutProperty(item.Get(), L"Language", LongValue(2))));
    EXPECT_EQ(GetLong(item.Get(), L"Language"), 2);
    ComPtr<IDispatch> captionFont = GetObject(item.Get(), L"CaptionFont");
    ComPtr<IDispatch> shortcutFont = GetObject(item.Get(), L"ShortcutFont");
    EXPECT_EQ(GetLong(captionFont.Get(), L"Charset"), 128);
    EXPECT_EQ(GetLong(shortcutFont.Get(), L"Charset"), 128);

    // A font property changed late-bound reaches the record.
    record->SetAttributesChanged(brocade::kFalse);
    VARIANT bold;
    V_VT(&bold) = VT_BOOL;
    V_BOOL(&bold) = VARIANT_TRUE;
    EXPECT_TRUE(SUCCEEDED(PutProperty(captionFont.Get(), L"Bold", bold)));
    EXPECT_EQ(record->AttributesChanged(), kTrue);

    EXPECT_TRUE(SUCCEEDED(PutProperty(item.Get(), L"Unicode", LongValue(-1))));
    EXPECT_EQ(record->Unicode(), kTrue);
}

TEST(CMenuItemObject, OneObjectPerRecordSharingItsLife) {
    ComPtr<IPictureDisp> picture = MakePicture();
    RecordPtr record = FilledRecord();
    record->SetPicture(picture.Get());
    ComPtr<IDispatch> first = brocade::MenuItemDispatch(*record.Get());
    ComPtr<IDispatch> second = brocade::MenuItemDispatch(*record.Get());
    EXPECT_EQ(first.Get(), second.Get());
    ComPtr<IUnknown> identity = first.As<IUnknown>(IID_IUnknown);
    EXPECT_EQ(static_cast<void *>(identity.Get()), static_cast<void *>(first.Get()));

    // The host's reference keeps the record alive after the control let go of it.
    record.Reset();
    second.Reset();
    identity.Reset();
    EXPECT_EQ(GetLong(first.Get(), L"MenuId"), 4711);
    picture->AddRef();
    EXPECT_EQ(picture->Release(), 2u);
    first.Reset();
    picture->AddRef();
    EXPECT_EQ(picture->Release(), 1u) << "the record ended with the last reference";
}

TEST(CMenuItemObject, ClassInfoAndErrorInfo) {
    RecordPtr record = FilledRecord();
    ComPtr<IDispatch> item = brocade::MenuItemDispatch(*record.Get());
    UINT count = 0;
    EXPECT_EQ(item->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);

    ComPtr<IProvideClassInfo> classInfo = item.As<IProvideClassInfo>(IID_IProvideClassInfo);
    ASSERT_TRUE(classInfo);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(classInfo->GetClassInfo(info.Out()), S_OK);
    TYPEATTR *attributes = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    EXPECT_TRUE(IsEqualGUID(attributes->guid, CLSID_CMenuItem));
    EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
    info->ReleaseTypeAttr(attributes);

    ComPtr<ISupportErrorInfo> errors = item.As<ISupportErrorInfo>(IID_ISupportErrorInfo);
    ASSERT_TRUE(errors);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID__CMenuItem), S_OK);
    EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE);
    EXPECT_TRUE(item.As<_CMenuItem>(IID__CMenuItem));
}

}  // namespace
}  // namespace menu_test
