// Saving and loading through a container's property bag and through a stream, including
// bags and streams that are empty, mistyped, truncated or from a newer version.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include <map>
#include <string>
#include <vector>

#include "com/com_test_support.h"
#include "control/dispids.h"

using namespace brocade_test;
using brocade::ComPtr;

namespace {

// A container's property bag: entries by name, as the host would keep them.
class MemoryBag final : public IPropertyBag {
public:
    std::map<std::wstring, VARIANT> entries;
    ~MemoryBag() {
        for (auto &entry : entries) VariantClear(&entry.second);
    }
    STDMETHODIMP QueryInterface(REFIID iid, void **result) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyBag)) {
            *result = this;
            return S_OK;
        }
        *result = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP Read(LPCOLESTR name, VARIANT *value, IErrorLog *) override {
        auto found = entries.find(name);
        if (found == entries.end()) return E_INVALIDARG;
        return VariantCopy(value, &found->second);
    }
    STDMETHODIMP Write(LPCOLESTR name, VARIANT *value) override {
        VARIANT copy;
        VariantInit(&copy);
        VariantCopy(&copy, value);
        VariantClear(&entries[name]);
        entries[name] = copy;
        return S_OK;
    }
    void Set(const wchar_t *name, VARIANT value) { Write(name, &value); }
};

LONG GetLong(IDispatch *control, DISPID id) {
    VARIANT value;
    EXPECT_EQ(GetProperty(control, id, value), S_OK);
    VariantChangeType(&value, &value, 0, VT_I4);
    return V_I4(&value);
}

ComPtr<IDispatch> NewControl() {
    ComPtr<IDispatch> control = CreateInProcess();
    ComPtr<IPersistPropertyBag> persist = control.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    persist->InitNew();
    return control;
}

ComPtr<IPictureDisp> MakeBitmapPicture() {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, 8, 1, 24, BI_RGB};
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    PICTDESC desc = {sizeof desc, PICTYPE_BITMAP};
    desc.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(picture.Out()));
    return picture;
}

std::vector<BYTE> SaveToBytes(IDispatch *control) {
    ComPtr<IPersistStreamInit> persist;
    control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void **>(persist.Out()));
    IStream *stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    EXPECT_EQ(persist->Save(stream, TRUE), S_OK);
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream, &memory);
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    const BYTE *data = static_cast<const BYTE *>(GlobalLock(memory));
    std::vector<BYTE> bytes(data, data + stat.cbSize.LowPart);
    GlobalUnlock(memory);
    stream->Release();
    return bytes;
}

HRESULT LoadFromBytes(IDispatch *control, const std::vector<BYTE> &bytes) {
    ComPtr<IPersistStreamInit> persist;
    control->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void **>(persist.Out()));
    IStream *stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    ULONG written = 0;
    if (!bytes.empty()) stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    LARGE_INTEGER zero = {};
    stream->Seek(zero, STREAM_SEEK_SET, nullptr);
    HRESULT hr = persist->Load(stream);
    stream->Release();
    return hr;
}

}  // namespace

TEST(PropertyBag, ANewControlWritesOnlyWhatDiffersFromItsDefaults) {
    ComPtr<IDispatch> control = NewControl();
    MemoryBag bag;
    ComPtr<IPersistPropertyBag> persist = control.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    ASSERT_EQ(persist->Save(&bag, TRUE, FALSE), S_OK);
    ASSERT_EQ(bag.entries.size(), 1u) << "Language has no default and is always written";
    EXPECT_EQ(bag.entries.begin()->first, L"Language");
}

TEST(PropertyBag, ChangedValuesRoundTripAndColoursEqualToTheirDefaultStayOut) {
    ComPtr<IDispatch> control = NewControl();
    PutProperty(control.Get(), brocade::kDispHighlightStyle, MakeLong(3));
    PutProperty(control.Get(), brocade::kDispMenuBackground, MakeLong(0x123456));
    PutProperty(control.Get(), brocade::kDispMenuIconSet, MakeLong(17));
    VARIANT delay;
    V_VT(&delay) = VT_I2;
    V_I2(&delay) = 500;
    PutProperty(control.Get(), brocade::kDispTooltipInitialDelay, delay);
    VARIANT rtl;
    V_VT(&rtl) = VT_BOOL;
    V_BOOL(&rtl) = VARIANT_TRUE;
    PutProperty(control.Get(), brocade::kDispRightToLeft, rtl);

    MemoryBag bag;
    control.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Save(&bag, TRUE, FALSE);
    EXPECT_TRUE(bag.entries.count(L"HighlightStyle"));
    EXPECT_TRUE(bag.entries.count(L"MenuBackground"));
    EXPECT_FALSE(bag.entries.count(L"BitmapBackground")) << "a colour equal to its default is not written";
    EXPECT_FALSE(bag.entries.count(L"RightToLeft")) << "right-to-left always follows the container";

    ComPtr<IDispatch> loaded = CreateInProcess();
    ASSERT_EQ(loaded.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Load(&bag, nullptr), S_OK);
    EXPECT_EQ(GetLong(loaded.Get(), brocade::kDispHighlightStyle), 3);
    EXPECT_EQ(GetLong(loaded.Get(), brocade::kDispMenuIconSet), 17);
    EXPECT_EQ(GetLong(loaded.Get(), brocade::kDispTooltipInitialDelay), 500);
    EXPECT_EQ(GetLong(loaded.Get(), brocade::kDispRightToLeft), 0);
    PutProperty(loaded.Get(), brocade::kDispUseCustomColors, rtl);
    EXPECT_EQ(GetLong(loaded.Get(), brocade::kDispMenuBackground), 0x123456);
}

TEST(PropertyBag, EmptyOrMistypedBagsLoadDefaultsForWhatTheyCannotGive) {
    MemoryBag empty;
    ComPtr<IDispatch> control = CreateInProcess();
    ComPtr<IPersistPropertyBag> persist = control.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    EXPECT_EQ(persist->Load(nullptr, nullptr), E_POINTER);
    ASSERT_EQ(persist->Load(&empty, nullptr), S_OK);
    EXPECT_EQ(GetLong(control.Get(), brocade::kDispHighlightStyle), 1);
    EXPECT_EQ(GetLong(control.Get(), brocade::kDispAutoShowHelp), -1);

    MemoryBag odd;
    odd.Set(L"HighlightStyle", MakeString(L"not a number"));
    odd.Set(L"MenuBorder", MakeString(L"2"));  // convertible text is taken
    odd.Set(L"TextColor", MakeString(std::wstring(1 << 20, L'9').c_str()));
    VARIANT object;
    V_VT(&object) = VT_DISPATCH;
    V_DISPATCH(&object) = nullptr;
    odd.Set(L"CheckMark", object);
    odd.Set(L"MenuIconSet", MakeLong(0x7FFFFFFF));  // out-of-range values are kept as given
    ComPtr<IDispatch> second = CreateInProcess();
    ASSERT_EQ(second.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Load(&odd, nullptr), S_OK);
    EXPECT_EQ(GetLong(second.Get(), brocade::kDispHighlightStyle), 1);
    EXPECT_EQ(GetLong(second.Get(), brocade::kDispMenuBorder), 2);
    EXPECT_EQ(GetLong(second.Get(), brocade::kDispMenuIconSet), 0x7FFFFFFF);
    VARIANT checkMark;
    EXPECT_EQ(GetProperty(second.Get(), brocade::kDispCheckMark, checkMark), S_OK);
    EXPECT_EQ(V_DISPATCH(&checkMark), nullptr);
}

TEST(Stream, ValuesAndPicturesRoundTrip) {
    ComPtr<IDispatch> control = NewControl();
    PutProperty(control.Get(), brocade::kDispHighlightStyle, MakeLong(8));
    PutProperty(control.Get(), brocade::kDispLanguage, MakeLong(6));
    ComPtr<IPictureDisp> picture = MakeBitmapPicture();
    ASSERT_TRUE(picture);
    ComPtr<_Brocade> dual = control.As<_Brocade>(IID__Brocade);
    ASSERT_EQ(dual->putref_CheckMark(picture.Get()), S_OK);

    std::vector<BYTE> bytes = SaveToBytes(control.Get());
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "BRCD");

    ComPtr<IDispatch> loaded = CreateInProcess();
    ASSERT_EQ(LoadFromBytes(loaded.Get(), bytes), S_OK);
    EXPECT_EQ(GetLong(loaded.Get(), brocade::kDispHighlightStyle), 8);
    EXPECT_EQ(GetLong(loaded.Get(), brocade::kDispLanguage), 6);
    ComPtr<IPictureDisp> checkMark;
    ASSERT_EQ(loaded.As<_Brocade>(IID__Brocade)->get_CheckMark(checkMark.Out()), S_OK);
    ASSERT_TRUE(checkMark);
    ComPtr<IPicture> asPicture = checkMark.As<IPicture>(IID_IPicture);
    SHORT type = 0;
    asPicture->get_Type(&type);
    EXPECT_EQ(type, PICTYPE_BITMAP);
}

TEST(Stream, EmptyTruncatedAndNewerStreamsFailAndLeaveTheControlUsable) {
    ComPtr<IDispatch> source = NewControl();
    PutProperty(source.Get(), brocade::kDispHighlightStyle, MakeLong(4));
    std::vector<BYTE> bytes = SaveToBytes(source.Get());

    ComPtr<IDispatch> control = CreateInProcess();
    EXPECT_EQ(LoadFromBytes(control.Get(), {}), STG_E_READFAULT);
    std::vector<BYTE> truncated(bytes.begin(), bytes.end() - 3);
    EXPECT_EQ(LoadFromBytes(control.Get(), truncated), STG_E_READFAULT);
    std::vector<BYTE> newer = bytes;
    newer[4] = 3;  // version 3
    EXPECT_EQ(LoadFromBytes(control.Get(), newer), STG_E_OLDDLL);
    std::vector<BYTE> foreign = bytes;
    foreign[0] = 'X';
    EXPECT_EQ(LoadFromBytes(control.Get(), foreign), STG_E_INVALIDHEADER);

    // Nothing of the failed loads was applied, and the control still answers.
    EXPECT_EQ(GetLong(control.Get(), brocade::kDispHighlightStyle), 1);
    EXPECT_EQ(PutProperty(control.Get(), brocade::kDispHighlightStyle, MakeLong(5)), S_OK);
    EXPECT_EQ(GetLong(control.Get(), brocade::kDispHighlightStyle), 5);
}

TEST(Stream, AnOlderShorterStreamReadsDefaultsForWhatItLacks) {
    // magic, version 1, one entry: HighlightStyle (name 2) as a 32-bit value 6
    std::vector<BYTE> bytes = {'B', 'R', 'C', 'D', 1, 0, 1, 0, 2, 2, 6, 0, 0, 0};
    ComPtr<IDispatch> control = CreateInProcess();
    ASSERT_EQ(LoadFromBytes(control.Get(), bytes), S_OK);
    EXPECT_EQ(GetLong(control.Get(), brocade::kDispHighlightStyle), 6);
    EXPECT_EQ(GetLong(control.Get(), brocade::kDispMenuBorder), 0);
    EXPECT_EQ(GetLong(control.Get(), brocade::kDispTooltipAutopopDelay), -1);
}
