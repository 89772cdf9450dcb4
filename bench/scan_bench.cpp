// Per-item cost of scanning and converting a popup of 1,000 items against that of a popup of
// 10 items, in one run. Exits 1 when the large popup costs more than 1.3 times as much per
// item: the scan must stay linear in the size of the menu.
//
// Each round scans both sizes back to back (about 1,000 items each, on fresh menus and a fresh
// scanner); the verdict uses the median of the per-round ratios, which a burst of load from
// other processes spoils less than it spoils one size's best time.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_report.h"
#include "menu/menu_scan.h"
#include "menu/scan_host.h"

namespace {

constexpr int kSmallMenu = 10;
constexpr int kLargeMenu = 1000;
constexpr int kRounds = 15;
constexpr double kAllowedRatio = 1.3;

brocade::ComPtr<IFontDisp> MakeFont(const wchar_t *name, int points) {
    FONTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.lpstrName = const_cast<LPOLESTR>(name);
    description.cySize.int64 = static_cast<LONGLONG>(points) * 10000;
    description.sWeight = FW_NORMAL;
    brocade::ComPtr<IFontDisp> font;
    OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void **>(font.Out()));
    return font;
}

// Stands in for the control: default fonts, no help, no pictures, an event nobody handles.
class BenchHost final : public brocade::ScanHost, public brocade::MenuEvents {
public:
    brocade::ComPtr<IFontDisp> captionFont = MakeFont(L"Arial", 9);
    brocade::ComPtr<IFontDisp> shortcutFont = MakeFont(L"Arial", 8);

    bool ScanEnabled() override { return true; }
    bool ScanUnicode() override { return false; }
    bool ScanRightToLeft() override { return false; }
    long ScanLanguage() override { return 0; }
    bool ScanUseCustomColors() override { return false; }
    long ScanMenuIconSet() override { return 0; }
    HBRUSH MenuBarBackgroundBrush() override { return nullptr; }
    HWND HostFormWindow() override { return nullptr; }
    HWND ControlOwnWindow() override { return nullptr; }
    brocade::ComPtr<IFontDisp> MenuCaptionFont() override { return captionFont; }
    brocade::ComPtr<IFontDisp> MenuShortcutFont() override { return shortcutFont; }
    void RebuildSystemMenuFont() override {}
    std::string UserHelpMessage(const std::string &) override { return std::string(); }
    std::string DefaultHelpText(const std::string &, long) override { return std::string(); }
    void LoadLanguageHelp(long) override {}
    brocade::ComPtr<IDispatch> ImageListObject() override { return brocade::ComPtr<IDispatch>(); }
    brocade::ComPtr<IPictureDisp> DefaultPictureFor(const std::string &, bool, long, long) override {
        return brocade::ComPtr<IPictureDisp>();
    }
    void FireSetMenuItemAttributes(brocade::MenuItemRecord &) override {}
    void FireSetMenuItemSize(brocade::MenuItemRecord &, long &, long &) override {}
    void FireDrawMenuItem(brocade::MenuItemRecord &, HDC, bool, long, long, bool &) override {}
    void FireDrawMenuItemEx(brocade::MenuItemRecord &, HDC, bool, long, long, brocade::DrawStage, bool &) override {}
    void FireShowMenuHelp(brocade::MenuItemRecord &, std::string &) override {}
    void FireClearMenuHelp() override {}
};

HMENU BuildPopup(int items) {
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < items; ++i) {
        if (i % 10 == 9) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string text = "Item &" + std::to_string(i) + "\tCtrl+" + std::to_string(i % 10);
        AppendMenuA(menu, MF_STRING | (i % 7 == 0 ? MF_CHECKED : 0u), 1000 + i, text.c_str());
    }
    return menu;
}

double Seconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Seconds per item to scan and convert `menus` fresh popups of `items` items each.
double PerItemCost(BenchHost &host, HWND owner, int items, int menus) {
    std::vector<HMENU> popups;
    for (int i = 0; i < menus; ++i) popups.push_back(BuildPopup(items));
    brocade::MenuScanner scanner(host, host);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (HMENU popup : popups) scanner.OnInitMenuPopup(owner, popup, false);
    QueryPerformanceCounter(&end);
    for (HMENU popup : popups) DestroyMenu(popup);
    return Seconds(start, end) / (static_cast<double>(items) * menus);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    brocade_bench::PrintAsYouGo();
    OleInitialize(nullptr);
    double ratio = 0.0;
    {
        BenchHost host;
        HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        // Warm up fonts and caches.
        PerItemCost(host, owner, kLargeMenu, 1);

        std::vector<double> small, large, ratios;
        for (int round = 0; round < kRounds; ++round) {
            double perSmall = PerItemCost(host, owner, kSmallMenu, kLargeMenu / kSmallMenu);
            double perLarge = PerItemCost(host, owner, kLargeMenu, 1);
            small.push_back(perSmall);
            large.push_back(perLarge);
            ratios.push_back(perLarge / perSmall);
        }
        ratio = Median(ratios);
        std::printf("scan and convert, per item: %d-item popup %.2f us, %d-item popup %.2f us (medians)\n",
                    kSmallMenu, Median(small) * 1e6, kLargeMenu, Median(large) * 1e6);
        std::printf("per-item cost ratio %d / %d items: %.3f (allowed %.2f)\n", kLargeMenu, kSmallMenu, ratio,
                    kAllowedRatio);
        // For the summary table of scripts/bench.
        std::printf("RATIO\tscan\tper-item cost, %d / %d items\t%.3f\tmedian of rounds, limit %.2f\n", kLargeMenu,
                    kSmallMenu, ratio, kAllowedRatio);
        DestroyWindow(owner);
    }
    OleUninitialize();
    const bool within = ratio <= kAllowedRatio;
    return brocade_bench::Verdict(within, "per-item cost ratio %s the %.2f limit", within ? "within" : "above", kAllowedRatio);
}
