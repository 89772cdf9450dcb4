// Cost of a 30-item popup through the control as hosts use it: the control created by its ProgID,
// initialised with InitNew and sited on a form; its events raised into the sink of each host kind
// (bench_host.h). For every highlight style with every border, each round times the plain menu
// (one FillRect for the background, then caption and shortcut with DrawText) right before the
// control; a popup of the control is WM_MEASUREITEM and WM_DRAWITEM of every item (one
// selected) sent to the form, into a shown window's DC, and the WM_MENUSELECT that closes it.
// Each popup opens with WM_INITMENUPOPUP (the control scans the menu and raises
// SetMenuItemAttributes), timed apart. A ratio is the median of the rounds' ratios.
// The rounds run in one menu loop, as the popups a user opens and walks do, so the control
// copies the items it drew before; the first popup of a loop, whose items are all drawn anew,
// is timed apart in loops of its own and reported without a limit.
// The sink setting a property must see its colour on the items drawn right after.
// BROCADE_POPUP_KINDS names the host kinds to run by number, e.g. "23" (all four when unset).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "bench_host.h"
#include "bench_report.h"
#include "gdi.h"
#include "support/pixels.h"

namespace {

using namespace brocade_bench;

constexpr int kItems = 30, kSelected = 7, kRounds = 9, kPopupsPerRound = 6;
constexpr UINT kFirstCommand = 1000;
// At most, by host kind; the property-setting sink has none.
constexpr double kLimits[kHostKinds] = {1.7, 2.0, 3.0, 0.0};

class PopupBench {
public:
    explicit PopupBench(HostKind kind) : host_(kind) {
        popup_ = CreatePopupMenu();
        for (int i = 0; i < kItems; ++i) {
            char text[64];
            std::snprintf(text, sizeof text, "Command number %d\tCtrl+%c", i + 1, 'A' + i % 26);
            AppendMenuA(popup_, MF_STRING, kFirstCommand + i, text);
        }
        NONCLIENTMETRICSW metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        menuFont_.Reset(CreateFontIndirectW(&metrics.lfMenuFont));
        if (!host_.Ready()) return;
        Open();
        Measure(true);
        // A shown window, so the frame beside the items is painted as on a real popup.
        target_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, width_ + 6,
                                  height_ + 6, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        dc_.emplace(target_);
    }
    ~PopupBench() {
        dc_.reset();
        if (target_) DestroyWindow(target_);
        DestroyMenu(popup_);
    }
    bool Ready() const { return host_.Ready() && dc_ && *dc_ && items_.size() == kItems; }
    Host &Hosted() { return host_; }

    // The popup opening: the control scans it, and a property-setting sink changes the colour.
    void Open() {
        if (Sink *sink = host_.EventSink()) sink->Arm(ToggledBackground(++opened_));
        const LONGLONG start = Now();
        host_.Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup_), 0);
        openCounts_ += Now() - start;
        ++openings_;
    }
    void PaintThroughControl() {
        Measure(false);
        for (int i = 0; i < kItems; ++i) {
            DRAWITEMSTRUCT draw = {ODT_MENU, 0, kFirstCommand + i, ODA_DRAWENTIRE,
                                   i == kSelected ? static_cast<UINT>(ODS_SELECTED) : 0u,
                                   reinterpret_cast<HWND>(popup_), dc_->Get(), items_[i].rect, items_[i].data};
            host_.Send(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        }
        host_.Send(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // the popup closes
    }
    // The plain menu's way: background, then caption and shortcut.
    void PaintPlain() {
        const HDC dc = dc_->Get();
        HGDIOBJ previous = SelectObject(dc, menuFont_.Get());
        SetBkMode(dc, TRANSPARENT);
        for (int i = 0; i < kItems; ++i) {
            const Item &item = items_[i];
            const bool selected = i == kSelected;
            FillRect(dc, &item.rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
            SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
            RECT caption = item.rect, shortcut = item.rect;
            caption.left += 20;
            shortcut.left = shortcut.right - 60;
            DrawTextA(dc, item.caption.c_str(), -1, &caption, DT_SINGLELINE | DT_VCENTER);
            DrawTextA(dc, item.shortcut.c_str(), -1, &shortcut, DT_SINGLELINE | DT_VCENTER);
        }
        SelectObject(dc, previous);
    }

    // Microseconds of the control's first popup in a new menu loop (it opens first, untimed).
    double FirstPopupOfALoop() {
        host_.Send(WM_ENTERMENULOOP, TRUE, 0);
        Open();
        const LONGLONG start = Now();
        PaintThroughControl();
        GdiFlush();
        const LONGLONG counts = Now() - start;
        host_.Send(WM_EXITMENULOOP, TRUE, 0);
        return Seconds(counts) * 1e6;
    }

    // Microseconds per popup of a round; the control's popups each open first, untimed.
    double Round(bool control) {
        LONGLONG counts = 0;
        for (int i = 0; i < kPopupsPerRound; ++i) {
            if (control) Open();
            const LONGLONG start = Now();
            control ? PaintThroughControl() : PaintPlain();
            GdiFlush();
            counts += Now() - start;
        }
        return Seconds(counts) * 1e6 / kPopupsPerRound;
    }

    // Whether the last colour the sink set shows on an unselected item drawn since, beside its
    // shortcut; the colour seen goes to seen.
    bool BackgroundShows(COLORREF &seen, COLORREF &expected) {
        const RECT &item = items_[kItems - 1].rect;
        brocade_test::Surface pixels(item.right - item.left, item.bottom - item.top);
        BitBlt(pixels.Dc(), 0, 0, pixels.Width(), pixels.Height(), dc_->Get(), item.left, item.top, SRCCOPY);
        seen = pixels.At(pixels.Width() - 3, pixels.Height() / 2);
        expected = ToggledBackground(opened_);
        return seen == expected;
    }
    double OpeningMicroseconds() const { return openings_ ? Seconds(openCounts_) * 1e6 / openings_ : 0.0; }

private:
    struct Item {
        std::string caption, shortcut;
        RECT rect;
        ULONG_PTR data;
    };
    Host host_;
    HMENU popup_ = nullptr;
    brocade::UniqueFont menuFont_;
    HWND target_ = nullptr;
    std::optional<brocade::WindowDc> dc_;  // released before its window goes
    std::vector<Item> items_;
    int width_ = 0, height_ = 0, opened_ = 0, openings_ = 0;
    LONGLONG openCounts_ = 0;

    void Measure(bool keep) {
        int top = 3;
        for (int i = 0; i < kItems; ++i) {
            const ULONG_PTR data = keep ? ItemData(popup_, i) : items_[i].data;
            MEASUREITEMSTRUCT measure = {ODT_MENU, 0, kFirstCommand + i, 0, 0, data};
            host_.Send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
            if (!keep) continue;
            char caption[32], shortcut[16];
            std::snprintf(caption, sizeof caption, "Command number %d", i + 1);
            std::snprintf(shortcut, sizeof shortcut, "Ctrl+%c", 'A' + i % 26);
            width_ = std::max<int>(width_, measure.itemWidth);
            items_.push_back(Item{caption, shortcut, RECT{3, top, 0, top + static_cast<LONG>(measure.itemHeight)}, data});
            top += measure.itemHeight;
        }
        if (!keep) return;
        for (Item &item : items_) item.rect.right = 3 + width_;
        height_ = top - 3;
    }
};

}  // namespace

int main() {
    PrintAsYouGo();
    OleInitialize(nullptr);
    int above = 0, limited = 0, failures = 0;
    std::vector<std::string> lines;
    const char *only = std::getenv("BROCADE_POPUP_KINDS");
    for (int k = 0; k < kHostKinds; ++k) {
        const HostKind kind = static_cast<HostKind>(k);
        if (only && !std::strchr(only, '1' + k)) continue;
        PopupBench bench(kind);
        if (!bench.Ready()) {
            std::printf("%s: the control could not be hosted (is Brocade.ocx registered?)\n", kHostKindNames[kind]);
            ++failures;
            continue;
        }
        std::printf("%s: ratio to the plain menu (us per popup of the control)\n%-18s", kHostKindNames[kind],
                    "Highlight style");
        for (const char *border : kBorderNames) std::printf(" %22s", border);
        std::printf("\n");
        int unseen = 0;
        std::vector<double> firsts[kBorders];  // by border, the first popups' median ratios
        for (long style = 0; style < kHighlightStyles; ++style) {
            std::printf("%-18s", kStyleNames[style]);
            for (long border = 0; border < kBorders; ++border) {
                bench.Hosted().Use(style, border);
                bench.Hosted().Send(WM_ENTERMENULOOP, TRUE, 0);  // takes the shadow's backdrop for Flat with Shadow
                bench.Round(true);
                std::vector<double> ours, ratios;
                for (int r = 0; r < kRounds; ++r) {
                    const double plain = bench.Round(false);
                    ours.push_back(bench.Round(true));
                    ratios.push_back(ours.back() / plain);
                }
                COLORREF seen = 0, expected = 0;
                if (kind == kPropertySink && !bench.BackgroundShows(seen, expected) && unseen++ == 0)
                    std::printf("\n  the colour set in SetMenuItemAttributes did not show: %s instead of %s\n",
                                brocade_test::Hex(seen).c_str(), brocade_test::Hex(expected).c_str());
                bench.Hosted().Send(WM_EXITMENULOOP, TRUE, 0);
                std::vector<double> first;
                for (int r = 0; r < kRounds; ++r) {
                    const double plain = bench.Round(false);
                    first.push_back(bench.FirstPopupOfALoop() / plain);
                }
                firsts[border].push_back(Median(first));
                const double ratio = Median(ratios), limit = kLimits[kind];
                const bool over = limit > 0 && ratio > limit;
                above += over;
                limited += limit > 0;
                std::printf(" %9.0f us %6.2f%s", Median(ours), ratio, over ? "!" : " ");
                char line[200];
                std::snprintf(line, sizeof line, "RATIO\tpopup, %s\t%s, %s\t%.2f\t%s", kHostKindNames[kind],
                              kStyleNames[style], kBorderNames[border], ratio,
                              limit > 0 ? ("limit " + std::to_string(limit).substr(0, 3)).c_str() : "no limit");
                lines.push_back(line);
            }
            std::printf("\n");
        }
        std::printf("  opening (WM_INITMENUPOPUP, untimed above): %.0f us per popup\n", bench.OpeningMicroseconds());
        std::printf("  first popup of a menu loop, every item drawn anew (no limit), median over the styles:");
        for (long border = 0; border < kBorders; ++border) {
            const double ratio = Median(firsts[border]);
            std::printf(" %s %.2f%s", kBorderNames[border], ratio, border + 1 < kBorders ? "," : "\n");
            char line[200];
            std::snprintf(line, sizeof line, "RATIO\tpopup, %s\tfirst popup of a loop, %s\t%.2f\tno limit; median over the styles",
                          kHostKindNames[kind], kBorderNames[border], ratio);
            lines.push_back(line);
        }
        if (kind == kPropertySink) {
            std::printf("  the colour set in SetMenuItemAttributes showed in %d of 33 combinations\n", 33 - unseen);
            failures += unseen > 0;
        }
        std::printf("\n");
    }
    for (const std::string &line : lines) std::printf("%s\n", line.c_str());
    OleUninitialize();
    if (failures) return Verdict(false, "%d host kinds failed (see above); %d ratios above their limits", failures, above);
    return Verdict(above == 0, "%d of %d ratios above their limits (marked !)", above, limited);
}
