// Self-registration through the stock regsvr32: the keys it writes and their removal. The
// control is unregistered for a moment, so this runs alone and registers it again.
#include <gtest/gtest.h>


#include "support/hosted_control.h"

using namespace brocade_test;

namespace {

std::wstring Text(REFGUID guid) {
    wchar_t text[40] = L"";
    StringFromGUID2(guid, text, 40);
    return text;
}

// A value under HKEY_CLASSES_ROOT (the default one unless named), "<missing>" when not there.
std::wstring Value(const std::wstring &key, const wchar_t *name = nullptr) {
    wchar_t buffer[MAX_PATH * 2] = L"";
    DWORD size = sizeof buffer;
    return RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) ? L"<missing>" : buffer;
}

DWORD Regsvr32(const std::wstring &arguments) { return _wsystem((L"regsvr32.exe /s " + arguments).c_str()); }

}  // namespace

TEST(Registration, Regsvr32WritesTheControlsKeysAndUnregisteringRemovesThem) {
    const std::wstring clsid = L"CLSID\\" + Text(CLSID_Brocade), library = L"TypeLib\\" + Text(LIBID_BrocadeLib) + L"\\1.0";
    const std::wstring ocx = Value(clsid + L"\\InprocServer32");
    ASSERT_NE(GetFileAttributesW(ocx.c_str()), INVALID_FILE_ATTRIBUTES) << "the server's path: " << ocx.c_str();
    const std::pair<std::wstring, std::wstring> values[] = {
        {Value(clsid + L"\\InprocServer32", L"ThreadingModel"), L"Apartment"},
        {Value(clsid + L"\\ProgID"), L"Brocade.Brocade"},
        {Value(L"Brocade.Brocade\\CLSID"), Text(CLSID_Brocade)},
        {Value(clsid + L"\\TypeLib"), Text(LIBID_BrocadeLib)},
        {Value(clsid + L"\\ToolboxBitmap32"), ocx + L", 1"},
        {Value(clsid + L"\\Control"), L""},
    };
    for (const auto &[actual, expected] : values) EXPECT_EQ(actual, expected);
    EXPECT_TRUE(_wtoi(Value(clsid + L"\\MiscStatus\\1").c_str()) & OLEMISC_SETCLIENTSITEFIRST);
    EXPECT_EQ(Value(library), L"Brocade menu styling control") << "the type library is registered";
    EXPECT_EQ(Value(L"Interface\\" + Text(IID__Brocade)), L"_Brocade");

    ASSERT_EQ(Regsvr32(L"/u \"" + ocx + L"\""), 0u);
    for (const std::wstring &key : {clsid, std::wstring(L"Brocade.Brocade"), library})
        EXPECT_EQ(Value(key), L"<missing>") << key.c_str();
    CLSID found;
    EXPECT_FALSE(SUCCEEDED(CLSIDFromProgID(L"Brocade.Brocade", &found)));

    ASSERT_EQ(Regsvr32(L"\"" + ocx + L"\""), 0u) << "registered again for the rest of the suite";
    EXPECT_EQ(Value(clsid + L"\\InprocServer32"), ocx);
    EXPECT_EQ(Regsvr32(L"\"" + ocx + L".missing\""), 3u) << "regsvr32 reports a file that is not there";
}
