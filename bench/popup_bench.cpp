// Cost of painting a 30-item popup through the control (WM_MEASUREITEM and WM_DRAWITEM of
// every item, sent through the form's subclassed window), for each highlight style with each
// border, against the same items drawn as a plain menu draws them: one FillRect for the
// background, then caption and shortcut with DrawText. One item is selected. Prints the
// ratios; each should be at most 2.0. Run by hand.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_report.h"
#include "control/control.h"
#include "control/control_site.h"
#include "common/enums.h"
#include "render/paint_caches.h"

namespace {

constexpr int kItems = 30, kSelected = 7, kRounds = 15, kPopupsPerRound = 8;
constexpr double kLimit = 2.0;

const char *const kStyleNames[] = {"Plain",          "Horizontal L>R", "Horizontal R>L", "Horizontal Center",
                                   "Vertical T>B",   "Vertical B>T",   "Vertical Center", "Diagonal",
                                   "Radial",         "XP",             "Office 2003"};
const char *const kBorderNames[] = {"Normal", "Flat", "Flat with Shadow"};

class BenchSite final : public brocade::ControlSite {
public:
    HWND container = nullptr;
    bool AmbientUserMode() override { return true; }
    // Like a form without event procedures: nothing listens to the control's events.
    bool HasEventHandlers() override { return false; }
    bool AmbientRightToLeft() override { return false; }
    IFontDisp *AmbientFont() override { return nullptr; }
    HWND ContainerWindow() override { return container; }
    void KeepAlive() override {}
    void LetGo() override {}
    void PropertyChanged(DISPID) override {}
    void FireSetMenuItemAttributes(brocade::MenuItemRecord &) override {}
    void FireSetMenuItemSize(brocade::MenuItemRecord &, long &, long &) override {}
    void FireShowMenuHelp(brocade::MenuItemRecord &, std::string &) override {}
    void FireClearMenuHelp() override {}
    void FireDrawMenuItem(brocade::MenuItemRecord &, HDC, bool, long, long, brocade::Boolean &) override {}
    void FireDrawMenuItemEx(brocade::MenuItemRecord &, HDC, bool, long, long, long, brocade::Boolean &) override {}
};

double Seconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

double MicrosecondsOf(const std::function<void()> &paintPopup) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < kPopupsPerRound; ++i) paintPopup();
    GdiFlush();
    QueryPerformanceCounter(&end);
    return Seconds(start, end) * 1e6 / kPopupsPerRound;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median time of one popup, over rounds of several popups.
double MicrosecondsPerPopup(const std::function<void()> &paintPopup) {
    std::vector<double> rounds;
    paintPopup();
    for (int r = 0; r < kRounds; ++r) rounds.push_back(MicrosecondsOf(paintPopup));
    return Median(rounds);
}

// The machine's speed drifts (other guests, frequency scaling): each round times the plain
// menu right before the control, and the ratio is the median of the rounds' ratios.
struct Comparison {
    double ours, ratio;
};

Comparison CompareWithPlain(const std::function<void()> &plainPopup, const std::function<void()> &ourPopup) {
    std::vector<double> ours, ratios;
    ourPopup();
    for (int r = 0; r < kRounds; ++r) {
        const double plain = MicrosecondsOf(plainPopup);
        ours.push_back(MicrosecondsOf(ourPopup));
        ratios.push_back(ours.back() / plain);
    }
    return Comparison{Median(ours), Median(ratios)};
}

LRESULT CALLBACK PlainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, msg, wParam, lParam);
}

HWND CreatePlainWindow(const wchar_t *className, DWORD style, int x, int y, int w, int h, HMENU menu) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    return CreateWindowExW(0, className, L"", style, x, y, w, h, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
}

struct Item {
    std::string caption, shortcut;
    RECT rect;
    ULONG_PTR data;
};

class PopupBench {
public:
    PopupBench() {
        HMENU bar = CreateMenu();
        AppendMenuW(bar, MF_STRING, 1, L"&File");
        form_ = CreatePlainWindow(L"BrocadeBenchForm", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, bar);
        site_.container = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 32, 32, form_, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
        control_ = std::make_unique<brocade::Control>(site_);
        control_->InitNew();
        popup_ = CreatePopupMenu();
        for (int i = 0; i < kItems; ++i) {
            char text[64];
            std::snprintf(text, sizeof text, "Command number %d\tCtrl+%c", i + 1, 'A' + i % 26);
            AppendMenuA(popup_, MF_STRING, 1000 + i, text);
        }
        SendMessageW(form_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup_), 0);
        Measure();
        int height = 0;
        for (const Item &item : items_) height = std::max<int>(height, item.rect.bottom);
        // A shown window, so the frame beside the items is painted as on a real popup.
        target_ = CreatePlainWindow(L"BrocadeBenchPopup", WS_POPUP | WS_VISIBLE, 100, 100, width_ + 6, height + 6,
                                    nullptr);
        dc_ = GetDC(target_);
    }
    ~PopupBench() {
        ReleaseDC(target_, dc_);
        DestroyWindow(target_);
        control_->Teardown();
        control_.reset();
        DestroyWindow(form_);
        DestroyMenu(popup_);
    }

    brocade::Control &Core() { return *control_; }

    // WM_MEASUREITEM and WM_DRAWITEM of every item through the subclassed form.
    void PaintThroughControl() {
        Measure();
        DrawThroughControl();
    }
    void DrawThroughControl() {
        for (int i = 0; i < kItems; ++i) {
            DRAWITEMSTRUCT draw = {};
            draw.CtlType = ODT_MENU;
            draw.itemID = 1000 + i;
            draw.itemAction = ODA_DRAWENTIRE;
            draw.itemState = i == kSelected ? ODS_SELECTED : 0;
            draw.hwndItem = reinterpret_cast<HWND>(popup_);
            draw.hDC = dc_;
            draw.rcItem = items_[i].rect;
            draw.itemData = items_[i].data;
            SendMessageW(form_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        }
        // A real popup ends its pass when the selection moves: one window DC and style per popup.
        control_->EndPopupPass();
    }

    // The plain menu's way: background, then caption and shortcut.
    void PaintPlain() {
        HGDIOBJ previous = SelectObject(dc_, menuFont_);
        SetBkMode(dc_, TRANSPARENT);
        for (int i = 0; i < kItems; ++i) {
            const Item &item = items_[i];
            const bool selected = i == kSelected;
            FillRect(dc_, &item.rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
            SetTextColor(dc_, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
            RECT caption = item.rect, shortcut = item.rect;
            caption.left += 20;
            shortcut.left = shortcut.right - 60;
            DrawTextA(dc_, item.caption.c_str(), -1, &caption, DT_SINGLELINE | DT_VCENTER);
            DrawTextA(dc_, item.shortcut.c_str(), -1, &shortcut, DT_SINGLELINE | DT_VCENTER);
        }
        SelectObject(dc_, previous);
    }

    void MeasureOnly() { Measure(); }
    void EnterMenuLoop() { SendMessageW(form_, WM_ENTERMENULOOP, 0, 0); }
    void ExitMenuLoop() { SendMessageW(form_, WM_EXITMENULOOP, 0, 0); }
    void SetMenuFont(HFONT font) { menuFont_ = font; }

private:
    BenchSite site_;
    HWND form_ = nullptr, target_ = nullptr;
    HDC dc_ = nullptr;
    HMENU popup_ = nullptr;
    HFONT menuFont_ = nullptr;
    std::unique_ptr<brocade::Control> control_;
    std::vector<Item> items_;
    int width_ = 0;

    void Measure() {
        const bool first = items_.empty();
        int top = 0;
        for (int i = 0; i < kItems; ++i) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_DATA;
            GetMenuItemInfoA(popup_, i, TRUE, &info);
            MEASUREITEMSTRUCT measure = {};
            measure.CtlType = ODT_MENU;
            measure.itemID = 1000 + i;
            measure.itemData = info.dwItemData;
            SendMessageW(form_, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
            if (!first) continue;
            char text[64];
            std::snprintf(text, sizeof text, "Command number %d", i + 1);
            char key[16];
            std::snprintf(key, sizeof key, "Ctrl+%c", 'A' + i % 26);
            width_ = std::max<int>(width_, measure.itemWidth);
            items_.push_back(Item{text, key, RECT{3, top + 3, 3 + static_cast<LONG>(measure.itemWidth),
                                                  top + 3 + static_cast<LONG>(measure.itemHeight)},
                                  info.dwItemData});
            top += measure.itemHeight;
        }
        if (first)
            for (Item &item : items_) item.rect.right = 3 + width_;
    }
};

// System calls the measuring and painting paths make per item, per call, in the same units as
// the table: what the system itself costs on the machine the figures come from.
void PrintSystemCallCosts() {
    struct Probe {
        const char *name;
        std::function<void()> call;
    };
    const Probe probes[] = {
        {"GetSystemMetrics(SM_CYMENU)", [] { GetSystemMetrics(SM_CYMENU); }},
        {"GetSystemMetrics(SM_CXMENUCHECK)", [] { GetSystemMetrics(SM_CXMENUCHECK); }},
        {"GetDC(GetDesktopWindow()) + ReleaseDC",
         [] { ReleaseDC(GetDesktopWindow(), GetDC(GetDesktopWindow())); }},
        {"GetDC(NULL) + ReleaseDC", [] { ReleaseDC(nullptr, GetDC(nullptr)); }},
        {"CreateCompatibleDC + DeleteDC", [] { DeleteDC(CreateCompatibleDC(nullptr)); }},
    };
    std::printf("System calls, per call:\n");
    for (const Probe &probe : probes) {
        LARGE_INTEGER start, end;
        constexpr int kCalls = 30;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < kCalls; ++i) probe.call();
        QueryPerformanceCounter(&end);
        std::printf("  %-40s %8.1f us\n", probe.name, Seconds(start, end) * 1e6 / kCalls);
    }
    std::printf("\n");
}

}  // namespace

int main() {
    brocade_bench::PrintAsYouGo();
    OleInitialize(nullptr);
    int misses = 0;
    {
        PopupBench bench;
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        HFONT menuFont = CreateFontIndirectW(&metrics.lfMenuFont);
        bench.SetMenuFont(menuFont);

        const double plain = MicrosecondsPerPopup([&] { bench.PaintPlain(); });
        std::printf("Plain menu: %.0f us per %d-item popup (%.1f us per item)\n\n", plain, kItems, plain / kItems);
        const double measure = MicrosecondsPerPopup([&] { bench.MeasureOnly(); });
        std::printf("WM_MEASUREITEM alone: %.0f us per popup\n", measure);
        PrintSystemCallCosts();
        std::printf("Per style and border: us per popup, its ratio to the plain menu, and in brackets the\n"
                    "ratio of WM_DRAWITEM alone.\n\n");
        std::printf("%-18s", "Highlight style");
        for (const char *border : kBorderNames) std::printf(" %26s", border);
        std::printf("\n");
        std::vector<std::string> ratios;
        for (long style = brocade::kPlain; style <= brocade::kOffice2003; ++style) {
            std::printf("%-18s", kStyleNames[style]);
            for (long border = brocade::kBorderNormal; border <= brocade::kBorderFlatWithShadow; ++border) {
                bench.Core().SetHighlightStyle(style);
                bench.Core().SetMenuBorder(border);
                bench.EnterMenuLoop();  // takes the shadow's backdrop for Flat with Shadow
                const auto plainPopup = [&] { bench.PaintPlain(); };
                const Comparison whole = CompareWithPlain(plainPopup, [&] { bench.PaintThroughControl(); });
                const Comparison drawing = CompareWithPlain(plainPopup, [&] { bench.DrawThroughControl(); });
                bench.ExitMenuLoop();
                const double ratio = whole.ratio;
                if (ratio > kLimit) ++misses;
                std::printf(" %8.0f us %6.2f%s (%5.2f)", whole.ours, ratio, ratio > kLimit ? "!" : " ", drawing.ratio);
                char line[160];
                std::snprintf(line, sizeof line, "%s, %s\t%.2f\tWM_DRAWITEM alone %.2f", kStyleNames[style],
                              kBorderNames[border], ratio, drawing.ratio);
                ratios.push_back(line);
            }
            std::printf("\n");
        }
        std::printf("\n%d of %d ratios above %.1f (marked !)\n", misses, 33, kLimit);
        for (const std::string &line : ratios) std::printf("RATIO\tpopup\t30-item popup / plain, %s\n", line.c_str());
        DeleteObject(menuFont);
    }
    OleUninitialize();
    // The limit marks the ratios worth a look; timings on a shared machine vary too much for it
    // to decide the verdict.
    return brocade_bench::Verdict(true, "33 combinations measured, %d above %.1f", misses, kLimit);
}
