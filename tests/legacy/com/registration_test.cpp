// Self-registration of Brocade.ocx through the stock regsvr32, and the keys it leaves.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "Brocade.h"
#include "support/test_support.h"

using namespace brocade_test;

namespace {

std::wstring GuidText(REFGUID guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring ClassKey() { return L"CLSID\\" + GuidText(CLSID_Brocade); }

bool KeyExists(const std::wstring &key) {
    HKEY handle;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

std::wstring ReadValue(const std::wstring &key, const wchar_t *name = nullptr) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

int Regsvr32(const wchar_t *options) {
    return RunProgram(std::wstring(L"regsvr32.exe ") + options + L" \"" + OcxPath() + L"\"");
}

// Every test of this executable may create the control by its ProgID.
class RegisteredControl : public testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(Regsvr32(L"/s"), 0); }
};

testing::Environment *const registered = testing::AddGlobalTestEnvironment(new RegisteredControl);

}  // namespace

TEST(Registration, Regsvr32WritesTheControlKeysAndUnregisterRemovesThem) {
    ASSERT_EQ(Regsvr32(L"/s"), 0);
    EXPECT_EQ(ReadValue(ClassKey() + L"\\InprocServer32"), OcxPath());
    EXPECT_EQ(ReadValue(ClassKey() + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(ReadValue(ClassKey() + L"\\ProgID"), L"Brocade.Brocade");
    EXPECT_TRUE(KeyExists(ClassKey() + L"\\Control"));
    DWORD misc = std::stoul(ReadValue(ClassKey() + L"\\MiscStatus\\1"));
    EXPECT_TRUE(misc & OLEMISC_SETCLIENTSITEFIRST);
    EXPECT_EQ(ReadValue(ClassKey() + L"\\TypeLib"), GuidText(LIBID_BrocadeLib));
    EXPECT_EQ(ReadValue(ClassKey() + L"\\ToolboxBitmap32"), OcxPath() + L", 1");
    EXPECT_EQ(ReadValue(L"Brocade.Brocade\\CLSID"), GuidText(CLSID_Brocade));
    EXPECT_TRUE(KeyExists(L"TypeLib\\" + GuidText(LIBID_BrocadeLib) + L"\\1.0"));
    EXPECT_TRUE(KeyExists(L"Interface\\" + GuidText(IID__Brocade)));

    ASSERT_EQ(Regsvr32(L"/s /u"), 0);
    EXPECT_FALSE(KeyExists(ClassKey()));
    EXPECT_FALSE(KeyExists(L"Brocade.Brocade"));
    EXPECT_FALSE(KeyExists(L"TypeLib\\" + GuidText(LIBID_BrocadeLib) + L"\\1.0"));

    ASSERT_EQ(Regsvr32(L"/s"), 0);  // leave it registered for the other tests
}

TEST(Registration, Regsvr32ReportsAMissingFile) {
    EXPECT_EQ(RunProgram(L"regsvr32.exe /s \"" + BinFolder() + L"\\NoSuchControl.ocx\""), 3);
}
