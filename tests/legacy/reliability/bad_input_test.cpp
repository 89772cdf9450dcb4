// Bad input with fixed seeds: every property set to random 32-bit values and every popup
// style drawn with them; random well-formed menus; menu messages with valid structures
// holding random fields. Nothing may crash or leak; errors only where the public interface
// reports them.
#include <windows.h>
#include <oleauto.h>
#include <olectl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "control/dispids.h"
#include "reliability/com_host.h"
#include "../../support/gdi_count.h"
#include "reliability/soak_host.h"
#include "support/test_support.h"

namespace reliability_test {
namespace {

using brocade::ComPtr;
using namespace brocade_test;

// The public interface's own error and the collection errors a caller may see.
constexpr HRESULT kBrocadeError = static_cast<HRESULT>(0x80040000);

class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    uint32_t Next() { return engine_(); }
    int Below(int limit) { return static_cast<int>(Next() % static_cast<uint32_t>(limit)); }
    // Mostly the extremes and near-range values that break arithmetic, sometimes anything.
    int32_t Hostile() {
        static const int32_t kEdges[] = {0,          1,          -1,         2,          3,
                                         11,         12,         255,        256,        0x7FFFFFFF,
                                         INT32_MIN,  0x00FFFFFF, 0x01FFFFFF, 0x7F00FF00, static_cast<int32_t>(0x80000005),
                                         static_cast<int32_t>(0x80000018), static_cast<int32_t>(0x80000019)};
        return Below(3) ? kEdges[Below(sizeof kEdges / sizeof kEdges[0])] : static_cast<int32_t>(Next());
    }

private:
    std::mt19937 engine_;
};

// --- Properties ------------------------------------------------------------------------------

// The properties that take a number, as the automation interface receives them.
const DISPID kNumericProperties[] = {
    brocade::kDispAutoShowHelp,         brocade::kDispHighlightStyle,      brocade::kDispMenuBorder,
    brocade::kDispUseCustomColors,      brocade::kDispMenuBackground,      brocade::kDispBitmapBackground,
    brocade::kDispMenuBarBackground,    brocade::kDispTextColor,           brocade::kDispDisabledTextColor,
    brocade::kDispHighlightedTextColor, brocade::kDispMenuHighlight,       brocade::kDispMenuHighlightBorder,
    brocade::kDispTootipBackground,     brocade::kDispTootipTextColor,     brocade::kDispLanguage,
    brocade::kDispRightToLeft,          brocade::kDispShowTooltip,         brocade::kDispTootipStyle,
    brocade::kDispShowTootipTitle,      brocade::kDispTooltipInitialDelay, brocade::kDispTooltipReshowDelay,
    brocade::kDispTooltipAutopopDelay,  brocade::kDispEnabled,             brocade::kDispHighlightAppearance,
    brocade::kDispUnicode,              brocade::kDispHighlightOverBitmap, brocade::kDispMenuIconSet,
    brocade::kDispLockRefresh,
};

// Puts a value through IDispatch; the answer must be success or an argument error of the
// automation layer (a 16-bit property given a value that does not fit).
void PutHostile(IDispatch *control, DISPID id, int32_t value) {
    VARIANT argument;
    V_VT(&argument) = VT_I4;
    V_I4(&argument) = value;
    // Two Boolean properties are set through a reference, as the type library declares them.
    VARIANT_BOOL flag = static_cast<VARIANT_BOOL>(value);
    if (id == brocade::kDispEnabled || id == brocade::kDispShowTootipTitle) {
        V_VT(&argument) = VT_BOOL | VT_BYREF;
        V_BOOLREF(&argument) = &flag;
    }
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&argument, &named, 1, 1};
    EXCEPINFO exception = {};
    UINT argError = 0;
    HRESULT hr = control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                                 &exception, &argError);
    EXPECT_TRUE(hr == S_OK || hr == DISP_E_OVERFLOW || hr == DISP_E_TYPEMISMATCH)
        << "property " << std::hex << id << " value " << value << ": " << hr;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

int32_t GetNumber(IDispatch *control, DISPID id) {
    VARIANT value;
    VariantInit(&value);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr);
    VariantChangeType(&value, &value, 0, VT_I4);
    int32_t number = V_VT(&value) == VT_I4 ? V_I4(&value) : 0;
    VariantClear(&value);
    return number;
}

class BadInput : public testing::Test {
protected:
    HWND form = nullptr;
    HWND surface = nullptr;
    std::unique_ptr<SitedControl> sited;

    void SetUp() override {
        form = CreateWindowExW(0, L"STATIC", L"bad input", WS_OVERLAPPEDWINDOW, 40, 40, 400, 300, nullptr,
                               BuildSoakMenuBar(), GetModuleHandleW(nullptr), nullptr);
        surface = CreatePopupStandIn();
        sited = std::make_unique<SitedControl>(form);
        ASSERT_NE(sited->Get(), nullptr);
    }
    void TearDown() override {
        sited.reset();
        EXPECT_EQ(static_cast<ULONG_PTR>(GetWindowLongPtrW(form, GWLP_WNDPROC)), GetClassLongPtrW(form, GCLP_WNDPROC));
        DestroyWindow(form);
        DestroyWindow(surface);
        PumpMessages();
    }
    HMENU Popup() const { return GetSubMenu(GetMenu(form), 0); }
};

TEST_F(BadInput, RandomPropertyValuesInEveryStyleDrawWithoutCrashOrLeak) {
    Random random(20240601);
    IDispatch *control = sited->Get();
    std::vector<int32_t> initial;
    for (DISPID id : kNumericProperties) initial.push_back(GetNumber(control, id));
    auto hostileRound = [&](int round) {
        for (DISPID id : kNumericProperties) PutHostile(control, id, random.Hostile());
        // The locks and switches are set so the round still paints.
        PutHostile(control, brocade::kDispLockRefresh, 0);
        PutHostile(control, brocade::kDispEnabled, -1);
        PutHostile(control, brocade::kDispUseCustomColors, -1);
        PutHostile(control, brocade::kDispHighlightStyle, round % 2 ? random.Hostile() : round % 11);
        SendPopupCycle(form, Popup(), surface);
        SendMenuBarCycle(form);
    };
    // The control keeps some objects only once a style or custom colours needed them: counts
    // are compared in the same property state, after a few hostile rounds.
    auto backToStart = [&] {
        for (size_t i = 0; i < initial.size(); ++i) PutHostile(control, kNumericProperties[i], initial[i]);
        SendPopupCycle(form, Popup(), surface);
        SendMenuBarCycle(form);
    };
    for (int round = 0; round < 8; ++round) hostileRound(round);
    backToStart();
    int gdi = GdiObjectCountBesidesCachedDcs();
    std::string census = GdiCensus();
    for (int round = 8; round < 40; ++round) hostileRound(round);
    backToStart();
    EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), gdi) << "\n was: " << census << "\n now: " << GdiCensus();
}

TEST_F(BadInput, MethodsAnswerOnlyTheirDocumentedErrors) {
    Random random(77);
    _Brocade *control = sited->Get();
    for (int round = 0; round < 50; ++round) {
        LONG mean = 0;
        EXPECT_EQ(control->GetMeanColor(random.Hostile(), random.Hostile(), &mean), S_OK);
        LONG window = random.Hostile();
        VARIANT_BOOL stop = static_cast<VARIANT_BOOL>(random.Hostile());
        EXPECT_EQ(control->RegisterWindowMenu(window, &stop), S_OK);
        IPictureDisp *picture = nullptr;
        BSTR caption = SysAllocString(L"&Open...");
        EXPECT_EQ(control->GetDefaultPictureEx2(caption, static_cast<bdLanguage>(random.Hostile()),
                                                static_cast<bdMenuIconSet>(random.Hostile()), &picture),
                  S_OK);
        if (picture) picture->Release();
        SysFreeString(caption);
    }
    IPictureDisp *capture = nullptr;
    EXPECT_EQ(control->CaptureScreen(&capture), kBrocadeError);
    ComPtr<IErrorInfo> error;
    ASSERT_EQ(GetErrorInfo(0, error.Out()), S_OK);
    BSTR source = nullptr;
    error->GetSource(&source);
    EXPECT_STREQ(source, L"Brocade");
    SysFreeString(source);
}

// --- Menus -------------------------------------------------------------------------------------

std::string RandomText(Random &random) {
    static const char kPieces[] = {'&', '\t', '.', ' ', 'a', 'Z', '0', '&', '|', static_cast<char>(0xE9),
                                   static_cast<char>(0xFF), static_cast<char>(0xFE)};
    int length = random.Below(8) == 0 ? random.Below(5001) : random.Below(40);
    std::string text;
    if (random.Below(6) == 0) {  // a marked Unicode caption: FF FE, then UTF-16LE units
        text = "\xFF\xFE";
        for (int i = 0; i < length / 2; ++i) {
            wchar_t unit = static_cast<wchar_t>(random.Below(3) ? 'A' + random.Below(26) : random.Next());
            text.push_back(static_cast<char>(unit & 0xFF));
            text.push_back(static_cast<char>(unit >> 8));
        }
        return text;
    }
    for (int i = 0; i < length; ++i) text.push_back(kPieces[random.Below(sizeof kPieces)]);
    return text;
}

HMENU RandomMenu(Random &random, int depth) {
    HMENU menu = CreatePopupMenu();
    int items = random.Below(depth == 0 ? 25 : 8);
    for (int i = 0; i < items; ++i) {
        int kind = random.Below(10);
        if (kind == 0) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (kind == 1 && depth < 4) {
            std::string text = RandomText(random);
            AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(RandomMenu(random, depth + 1)), text.c_str());
        } else {
            UINT flags = MF_STRING | (random.Below(4) == 0 ? MF_CHECKED : 0u) | (random.Below(5) == 0 ? MF_GRAYED : 0u);
            std::string text = RandomText(random);
            AppendMenuA(menu, flags, 100 + random.Below(60000), text.c_str());
        }
    }
    return menu;
}

// Opens the menu and its submenus the way the system does, selecting every item.
void OpenTree(HWND form, HMENU menu, HWND surface) {
    SendPopupCycle(form, menu, surface);
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (HMENU sub = GetSubMenu(menu, i)) OpenTree(form, sub, surface);
}

TEST_F(BadInput, RandomMenuStructuresOpenWithoutCrash) {
    Random random(31337);
    for (int round = 0; round < 12; ++round) {
        HMENU menu = RandomMenu(random, 0);
        sited->Get()->put_Unicode(round % 3 == 0 ? VARIANT_TRUE : VARIANT_FALSE);
        sited->Get()->put_Language(static_cast<bdLanguage>(round % 11));
        sited->Get()->put_HighlightStyle(static_cast<bdHighlight>(round % 11));
        OpenTree(form, menu, surface);
        OpenTree(form, menu, surface);  // converted items are looked up by their item data now
        DestroyMenu(menu);
    }
}

// --- Menu messages ----------------------------------------------------------------------------

TEST_F(BadInput, MenuMessagesWithRandomFieldsCrashNothing) {
    Random random(4242);
    HMENU popup = Popup();
    SendPopupCycle(form, popup, surface);
    HDC dc = GetDC(surface);
    auto round = [&] {
        // Item data that is a record's serial half of the time, anything else otherwise.
        ULONG_PTR data = random.Below(2) ? 1001 + random.Below(40) : static_cast<ULONG_PTR>(random.Next());
        HMENU menu = random.Below(3) ? popup : reinterpret_cast<HMENU>(static_cast<UINT_PTR>(random.Next()));
        MEASUREITEMSTRUCT measure = {random.Below(4) ? static_cast<UINT>(ODT_MENU) : random.Next(), random.Next(),
                                     random.Next(), random.Next(), random.Next(), data};
        SendMessageW(form, WM_MEASUREITEM, random.Below(2) ? 0 : random.Next(), reinterpret_cast<LPARAM>(&measure));

        // Up to a screen's size, and inverted: large enough to matter, small enough to paint.
        RECT item = {random.Below(1200) - 300, random.Below(1200) - 300, random.Below(1200) - 300,
                     random.Below(1200) - 300};
        DRAWITEMSTRUCT draw = {random.Below(4) ? static_cast<UINT>(ODT_MENU) : random.Next(), random.Next(),
                               random.Next(), random.Next(), random.Next(), reinterpret_cast<HWND>(menu), dc, item,
                               data};
        SendMessageW(form, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));

        SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(random.Next(), random.Next()),
                     reinterpret_cast<LPARAM>(random.Below(2) ? popup : menu));
        SendMessageW(form, WM_MENUCHAR, MAKEWPARAM(random.Next(), random.Next()),
                     reinterpret_cast<LPARAM>(random.Below(2) ? popup : menu));
        SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(random.Below(4) ? popup : menu), random.Next());
    };
    // The item painting keeps surfaces as large as the largest item yet: a first run of rounds
    // lets them grow before the count.
    for (int i = 0; i < 100; ++i) round();
    int gdi = GdiObjectCountBesidesCachedDcs();
    std::string census = GdiCensus();
    for (int i = 0; i < 300; ++i) round();
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), gdi) << "\n was: " << census << "\n now: " << GdiCensus();
    ReleaseDC(surface, dc);
}

}  // namespace
}  // namespace reliability_test
