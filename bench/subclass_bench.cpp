// Cost of an unhooked message through the registry's procedure, against a bare procedure that
// only forwards and against a window that is not subclassed at all. Exits 1 when the registry
// costs more than 10% over the bare forwarding subclass.
//
// The verdict uses the median of the per-round ratios: the three kinds are measured back to
// back in each round, so a burst of load from other processes spoils a round's ratio less
// than it spoils one kind's best time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_report.h"
#include "subclass/menu_message_set.h"
#include "subclass/subclass_wnd.h"

namespace {

constexpr UINT kUnhooked = WM_USER + 500;
// Many short interleaved rounds (a few milliseconds each); every kind still gets two million
// calls.
constexpr int kCallsPerRound = 20000;
constexpr int kRounds = 100;
constexpr double kAllowedRatio = 1.10;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kUnhooked) return static_cast<LRESULT>(wParam & 1);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

WNDPROC bareSaved;
LRESULT CALLBACK BareForwardingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(bareSaved, hwnd, msg, wParam, lParam);
}

// Stands in for the control; the benchmark's message is not hooked, so it is never called.
class IdleListener : public brocade::cSubclassListener {};

HWND CreateHostWindow() {
    static ATOM hostClass = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"BrocadeBenchHost";
        return RegisterClassW(&wc);
    }();
    return CreateWindowW(MAKEINTATOM(hostClass), L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

double NanosecondsPerCall(HWND window, int calls) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    volatile LRESULT sink = 0;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i) sink = sink + SendMessageW(window, kUnhooked, i, 0);
    QueryPerformanceCounter(&end);
    return (end.QuadPart - start.QuadPart) * 1e9 / frequency.QuadPart / calls;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    brocade_bench::PrintAsYouGo();
    enum { kPlain, kBare, kRegistry, kKinds };
    const char *const names[kKinds] = {"not subclassed", "bare forwarding subclass", "registry subclass"};
    HWND windows[kKinds] = {CreateHostWindow(), CreateHostWindow(), CreateHostWindow()};

    bareSaved = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        windows[kBare], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BareForwardingProc)));
    IdleListener listener;
    brocade::SubclassWnd::SubclassWindow(windows[kRegistry], &listener);
    brocade::HookMenuMessages(windows[kRegistry]);
    // A few more registered windows, so the look-up is not into a table of one.
    HWND neighbours[8];
    for (HWND &neighbour : neighbours) {
        neighbour = CreateHostWindow();
        brocade::SubclassWnd::SubclassWindow(neighbour, &listener);
        brocade::HookMenuMessages(neighbour);
    }

    for (HWND window : windows) NanosecondsPerCall(window, kCallsPerRound / 10);  // warm up

    // Interleaved rounds, each kind first in turn, so drifts in machine load hit all alike.
    double best[kKinds] = {1e30, 1e30, 1e30};
    std::vector<double> registryOverBare, registryOverPlain;
    for (int round = 0; round < kRounds; ++round) {
        double cost[kKinds];
        for (int k = 0; k < kKinds; ++k) {
            int kind = (round + k) % kKinds;
            cost[kind] = NanosecondsPerCall(windows[kind], kCallsPerRound);
            best[kind] = std::min(best[kind], cost[kind]);
        }
        registryOverBare.push_back(cost[kRegistry] / cost[kBare]);
        registryOverPlain.push_back(cost[kRegistry] / cost[kPlain]);
    }

    std::printf("%d interleaved rounds of %d SendMessageW calls of an unhooked message per window\n",
                kRounds, kCallsPerRound);
    for (int k = 0; k < kKinds; ++k) std::printf("  %-26s best %.1f ns per call\n", names[k], best[k]);
    double ratioToBare = Median(registryOverBare);
    std::printf("(a) registry / bare forwarding subclass: %.3f (median of rounds), %.3f (best of rounds)\n",
                ratioToBare, best[kRegistry] / best[kBare]);
    std::printf("(b) registry / not subclassed:           %.3f (median of rounds), %.3f (best of rounds)\n",
                Median(registryOverPlain), best[kRegistry] / best[kPlain]);
    std::printf("    bare forwarding / not subclassed:    %.3f (best of rounds)\n", best[kBare] / best[kPlain]);
    // For the summary table of scripts/bench.
    std::printf("RATIO\trouting\tregistry / bare forwarding subclass\t%.3f\tmedian of rounds, limit %.2f\n",
                ratioToBare, kAllowedRatio);
    std::printf("RATIO\trouting\tregistry / not subclassed\t%.3f\tmedian of rounds\n", Median(registryOverPlain));
    for (HWND neighbour : neighbours) DestroyWindow(neighbour);
    for (HWND window : windows) DestroyWindow(window);
    const bool withinLimit = ratioToBare <= kAllowedRatio;
    return brocade_bench::Verdict(withinLimit, "registry overhead %s the %.2f limit", withinLimit ? "within" : "above",
                          kAllowedRatio);
}
