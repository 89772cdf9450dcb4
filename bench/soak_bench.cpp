// The soak, as hosts use the control (bench_host.h), for each host kind: a form with a menu bar
// whose first popup holds 30 items (help written to the status bar, tooltips shown), opened,
// every item selected and drawn, and closed, 10,000 times; then the menu bar as many times;
// turning through every highlight style and border. Then the control is let go. Fails unless
// the process's GDI objects, the control's item records and the tooltip's tools end where they
// began, and the teardown gives back every GDI object the hosting took.
// Records show through the item data of converted items, their serials: a record made during
// the soak would take the next serial, which a menu opened afterwards would then skip.
// BROCADE_SOAK_CYCLES sets another number of cycles.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_host.h"
#include "bench_report.h"
#include "support/gdi_count.h"

namespace {

using namespace brocade_bench;
using brocade_test::GdiObjectCount;

// Captions with mnemonics, shortcuts and dots (built-in help texts and pictures), and plain
// upper-case ones that the host's help table answers.
const char *const kCaptions[] = {
    "&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "&Print...\tCtrl+P",
    "Print Pre&view", "E&xit", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V",
    "&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "&Find...\tCtrl+F", "-", "ITEM 16", "ITEM 17",
    "ITEM 18", "ITEM 19", "ITEM 20", "ITEM 21", "ITEM 22", "ITEM 23",
    "ITEM 24", "ITEM 25", "ITEM 26", "ITEM 27", "ITEM 28", "ITEM 29"};
constexpr int kPopupItems = sizeof kCaptions / sizeof kCaptions[0];
constexpr int kCombinations = kHighlightStyles * kBorders, kProgressEvery = 2500;

int Cycles() {
    const char *value = std::getenv("BROCADE_SOAK_CYCLES");
    return value && std::atoi(value) > 0 ? std::atoi(value) : 10000;
}

UINT DrawState(UINT menuState, bool selected) {
    UINT state = selected ? ODS_SELECTED : 0u;
    if (menuState & MF_CHECKED) state |= ODS_CHECKED;
    if (menuState & MF_GRAYED) state |= ODS_GRAYED | ODS_DISABLED;
    return state;
}

struct Tooltips {
    long windows = 0, tools = 0;
};

BOOL CALLBACK CountTools(HWND window, LPARAM found) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0) return TRUE;
    Tooltips &tooltips = *reinterpret_cast<Tooltips *>(found);
    ++tooltips.windows;
    tooltips.tools += static_cast<long>(SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0));
    return TRUE;
}

// The tooltip windows of this thread and their tools.
Tooltips ThreadTooltips() {
    Tooltips tooltips;
    EnumThreadWindows(GetCurrentThreadId(), CountTools, reinterpret_cast<LPARAM>(&tooltips));
    return tooltips;
}

class SoakHost {
public:
    explicit SoakHost(HostKind kind) : host_(kind) {
        bar_ = CreateMenu();
        popup_ = CreatePopupMenu();
        for (int i = 0; i < kPopupItems; ++i) {
            if (kCaptions[i][0] == '-') {
                AppendMenuA(popup_, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            AppendMenuA(popup_, MF_STRING | (i % 7 == 2 ? MF_CHECKED : 0u) | (i % 11 == 6 ? MF_GRAYED : 0u), 500 + i,
                        kCaptions[i]);
        }
        HMENU edit = CreatePopupMenu();
        AppendMenuA(edit, MF_STRING, 900, "&Undo\tCtrl+Z");
        AppendMenuA(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup_), "&File");
        AppendMenuA(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
        AppendMenuA(bar_, MF_STRING, 901, "&Help");
        SetMenu(host_.Form(), bar_);
        // Stands for the popup window; hidden (without a window manager, Wine waits for every
        // shown top-level window it destroys).
        standIn_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP, 60, 60, 260,
                                   20 * kPopupItems, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!host_.Ready()) return;
        _Brocade *control = host_.Control();
        control->put_AutoShowHelp(VARIANT_TRUE);
        control->put_ShowTooltip(VARIANT_TRUE);
        for (int i = 16; i < kPopupItems; ++i) {
            wchar_t caption[32], help[64];
            std::swprintf(caption, 32, L"%hs", kCaptions[i]);
            std::swprintf(help, 64, L"Help text of %hs", kCaptions[i]);
            BSTR c = SysAllocString(caption), h = SysAllocString(help);
            control->AddMessage(c, h);
            SysFreeString(c), SysFreeString(h);
        }
    }
    ~SoakHost() { DestroyWindow(standIn_); }  // the form, its menus and the control go with host_
    bool Ready() const { return host_.Ready(); }

    void UseCombination(int cycle) {
        host_.Use(cycle % kHighlightStyles, (cycle / kHighlightStyles) % kBorders);
        if (Sink *sink = host_.EventSink()) sink->Arm(ToggledBackground(cycle));
    }
    // One drop-down menu as the system runs it: loop entered, menu bar and popup initialised,
    // every item measured and drawn, each selectable item selected (help written, tooltip
    // shown) and drawn highlighted, then closed.
    void PopupCycle() {
        host_.Send(WM_ENTERMENULOOP, TRUE, 0);
        host_.Send(WM_INITMENU, reinterpret_cast<WPARAM>(bar_), 0);
        host_.Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup_), 0);
        DrawItems(popup_, standIn_, false, -1);
        for (int i = 0; i < kPopupItems; ++i) {
            const UINT state = GetMenuState(popup_, i, MF_BYPOSITION);
            if ((state & MF_SEPARATOR) && GetMenuItemID(popup_, i) == 0) continue;
            const UINT flags = MF_MOUSESELECT | MF_HILITE | MF_OWNERDRAW | (state & (MF_CHECKED | MF_GRAYED));
            host_.Send(WM_MENUSELECT, MAKEWPARAM(GetMenuItemID(popup_, i), flags), reinterpret_cast<LPARAM>(popup_));
            DrawItems(popup_, standIn_, false, i);
        }
        host_.Send(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        host_.Send(WM_EXITMENULOOP, TRUE, 0);
    }
    // The same for the menu bar's titles, drawn into the form's window DC.
    void MenuBarCycle() {
        host_.Send(WM_ENTERMENULOOP, FALSE, 0);
        host_.Send(WM_INITMENU, reinterpret_cast<WPARAM>(bar_), 0);
        DrawItems(bar_, host_.Form(), true, -1);
        for (int i = 0; i < GetMenuItemCount(bar_); ++i) {
            const bool popup = GetSubMenu(bar_, i) != nullptr;
            const WORD item = popup ? static_cast<WORD>(i) : static_cast<WORD>(GetMenuItemID(bar_, i));
            host_.Send(WM_MENUSELECT, MAKEWPARAM(item, MF_MOUSESELECT | MF_HILITE | MF_OWNERDRAW | (popup ? MF_POPUP : 0u)),
                       reinterpret_cast<LPARAM>(bar_));
            DrawItems(bar_, host_.Form(), true, i);
        }
        host_.Send(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        host_.Send(WM_EXITMENULOOP, FALSE, 0);
    }
    // The serial the next record takes: a context menu of one item opened and thrown away.
    ULONG_PTR NextSerial() {
        HMENU probe = CreatePopupMenu();
        AppendMenuA(probe, MF_STRING, 950, "Probe");
        host_.Send(WM_ENTERMENULOOP, TRUE, 0);
        host_.Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(probe), 0);
        host_.Send(WM_EXITMENULOOP, TRUE, 0);
        const ULONG_PTR serial = ItemData(probe, 0);
        DestroyMenu(probe);
        return serial;
    }
    // The item data of the popup's items: the records they are drawn from.
    std::vector<ULONG_PTR> PopupData() const {
        std::vector<ULONG_PTR> data;
        for (int i = 0; i < kPopupItems; ++i) data.push_back(ItemData(popup_, i));
        return data;
    }

private:
    Host host_;
    HMENU bar_ = nullptr, popup_ = nullptr;
    HWND standIn_ = nullptr;

    // Measures and draws the menu's items (or only the selected one) as the system asks for them.
    void DrawItems(HMENU menu, HWND surface, bool windowDc, int selected) {
        const brocade::WindowDc dc = windowDc ? brocade::WindowDc::Whole(surface) : brocade::WindowDc(surface);
        int top = 0;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            if (selected >= 0 && i != selected) continue;
            const UINT id = GetSubMenu(menu, i) ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(GetSubMenu(menu, i)))
                                                : GetMenuItemID(menu, i);
            const ULONG_PTR data = ItemData(menu, i);
            MEASUREITEMSTRUCT measure = {ODT_MENU, 0, id, 0, 0, data};
            host_.Send(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
            const int height = measure.itemHeight ? static_cast<int>(measure.itemHeight) : 18;
            const int width = measure.itemWidth ? static_cast<int>(measure.itemWidth) : 200;
            RECT item = {0, top, width, top + height};
            if (selected >= 0) item = {0, selected * height, width, (selected + 1) * height};
            DRAWITEMSTRUCT draw = {ODT_MENU, 0, id, selected >= 0 ? static_cast<UINT>(ODA_SELECT) : ODA_DRAWENTIRE,
                                   DrawState(GetMenuState(menu, i, MF_BYPOSITION), selected >= 0),
                                   reinterpret_cast<HWND>(menu), dc.Get(), item, data};
            host_.Send(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
            top += height;
        }
    }
};

// Runs the cycles after one warm-up cycle per combination; true when nothing was left behind.
template <class Cycle>
bool Soak(SoakHost &host, HostKind kind, const char *name, int cycles, Cycle cycle) {
    for (int i = 0; i < kCombinations; ++i) host.UseCombination(i), cycle();
    const int before = GdiObjectCount();
    const Tooltips toolsBefore = ThreadTooltips();
    const std::vector<ULONG_PTR> data = host.PopupData();
    const ULONG_PTR serialBefore = host.NextSerial();
    const LONGLONG start = Now();
    for (int i = 0; i < cycles; ++i) {
        host.UseCombination(i);
        cycle();
        if ((i + 1) % kProgressEvery == 0 && i + 1 < cycles)
            std::printf("    %s: %d of %d cycles, %.0f s\n", name, i + 1, cycles, Seconds(Now() - start));
    }
    const double seconds = Seconds(Now() - start);
    const int after = GdiObjectCount();
    const Tooltips toolsAfter = ThreadTooltips();
    // The probe itself took one serial.
    const long made = static_cast<long>(host.NextSerial() - serialBefore) - 1;
    const bool same = host.PopupData() == data;
    std::printf("  %s: %d cycles in %.1f s (%.2f ms each); GDI objects %d -> %d; records made %ld, popup's records %s;"
                " tooltip tools %ld -> %ld (%ld tooltip windows)\n",
                name, cycles, seconds, seconds * 1000.0 / cycles, before, after, made, same ? "kept" : "replaced",
                toolsBefore.tools, toolsAfter.tools, toolsAfter.windows);
    std::printf("RATIO\tsoak\tGDI objects after / before, %s, %s\t%.3f\t%d -> %d in %d cycles; records made %ld\n",
                name, kHostKindNames[kind], static_cast<double>(after) / before, before, after, cycles, made);
    return after == before && made == 0 && same && toolsAfter.tools == toolsBefore.tools;
}

}  // namespace

int main() {
    PrintAsYouGo();
    OleInitialize(nullptr);
    const int cycles = Cycles();
    std::printf("every highlight style (%ld) with every border (%ld), tooltips shown, help written\n",
                kHighlightStyles, kBorders);
    {  // The system's and the control's one-time allocations (its module, OLE's font cache), out of the counts.
        SoakHost warmUp(kCustomDrawSink);
        for (int i = 0; i < kCombinations; ++i) warmUp.UseCombination(i), warmUp.PopupCycle(), warmUp.MenuBarCycle();
    }
    int failed = 0;
    for (int k = 0; k < kHostKinds; ++k) {
        const HostKind kind = static_cast<HostKind>(k);
        std::printf("%s:\n", kHostKindNames[kind]);
        // Window DCs the system caches, with their regions, stay out: how many Wine keeps depends
        // on the windows made and destroyed, not on the control (gdi_count.h).
        const int hosted = brocade_test::GdiObjectCountBesidesCachedDcs();
        const std::string census = brocade_test::GdiCensus();
        bool clean = false;
        {
            SoakHost host(kind);
            if (!host.Ready()) {
                std::printf("  the control could not be hosted (is Brocade.ocx registered?)\n");
            } else {
                clean = Soak(host, kind, "popup of 30 items", cycles, [&] { host.PopupCycle(); });
                clean = Soak(host, kind, "menu bar", cycles, [&] { host.MenuBarCycle(); }) && clean;
            }
        }
        const int left = brocade_test::GdiObjectCountBesidesCachedDcs();
        std::printf("  teardown: GDI objects besides cached window DCs %d before hosting, %d after\n", hosted, left);
        if (left != hosted)
            std::printf("    before: %s\n    after:  %s\n", census.c_str(), brocade_test::GdiCensus().c_str());
        std::printf("RATIO\tsoak\tGDI objects after / before hosting, %s\t%.3f\t%d -> %d\n", kHostKindNames[kind],
                    static_cast<double>(left) / hosted, hosted, left);
        if (!clean || left != hosted) ++failed;
    }
    OleUninitialize();
    return Verdict(failed == 0, failed ? "%d host kinds left something behind" : "GDI objects, records and tooltip tools"
                                                                                 " back where they began for every host kind",
                   failed);
}
