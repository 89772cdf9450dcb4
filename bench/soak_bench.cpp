// The full soak: 10,000 cycles of opening a 30-item popup, selecting every item (help written,
// tooltip shown) and closing it, and 10,000 of the menu bar, turning through every highlight
// style and border. Exits 1 unless the process's GDI objects and the control's collections
// end where they started. BROCADE_SOAK_CYCLES sets another number of cycles.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "bench_report.h"
#include "../tests/support/gdi_count.h"
#include "../tests/legacy/reliability/soak_host.cpp"

namespace {

using brocade_test::GdiObjectCount;
using brocade_test::HeldCollections;
using brocade_test::SoakHost;

constexpr int kCombinations = SoakHost::kHighlightStyles * SoakHost::kBorders;
constexpr int kProgressEvery = 1000;

int Cycles() {
    const char *value = std::getenv("BROCADE_SOAK_CYCLES");
    return value && std::atoi(value) > 0 ? std::atoi(value) : 10000;
}

double Seconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs the cycles after one warm-up cycle per combination; true when nothing was left behind.
template <class Cycle>
bool Soak(SoakHost &host, const char *name, int cycles, Cycle cycle) {
    for (int i = 0; i < kCombinations; ++i) {
        host.UseCombination(i);
        cycle();
    }
    int before = GdiObjectCount();
    HeldCollections held = host.Collections();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < cycles; ++i) {
        host.UseCombination(i);
        cycle();
        if ((i + 1) % kProgressEvery == 0 && i + 1 < cycles) {
            QueryPerformanceCounter(&end);
            std::printf("  %s: %d of %d cycles, %.0f s\n", name, i + 1, cycles, Seconds(start, end));
        }
    }
    QueryPerformanceCounter(&end);
    int after = GdiObjectCount();
    HeldCollections now = host.Collections();
    bool clean = after == before && now == held;
    std::printf("%s: %d cycles in %.1f s (%.2f ms each)\n", name, cycles, Seconds(start, end),
                Seconds(start, end) * 1000.0 / cycles);
    std::printf("  GDI objects before %d, after %d; records %zu -> %zu, help texts %zu -> %zu, tooltip tools %ld -> %ld\n",
                before, after, held.records, now.records, held.helpMessages, now.helpMessages, held.tooltipTools,
                now.tooltipTools);
    std::printf("RATIO\tsoak\tGDI objects after / before, %s\t%.3f\t%d -> %d in %d cycles\n", name,
                static_cast<double>(after) / before, before, after, cycles);
    std::printf("RATIO\tsoak\trecords after / before, %s\t%.3f\t%zu -> %zu\n", name,
                held.records ? static_cast<double>(now.records) / held.records : 1.0, held.records, now.records);
    return clean;
}

}  // namespace

int main() {
    brocade_bench::PrintAsYouGo();
    OleInitialize(nullptr);
    bool clean = true;
    {
        int cycles = Cycles();
        SoakHost host;
        std::printf("every highlight style (%d) with every border (%d), tooltips shown, help written\n",
                    SoakHost::kHighlightStyles, SoakHost::kBorders);
        clean = Soak(host, "popup of 30 items", cycles, [&] { host.PopupCycle(); }) && clean;
        clean = Soak(host, "menu bar", cycles, [&] { host.MenuBarCycle(); }) && clean;
    }
    OleUninitialize();
    return brocade_bench::Verdict(clean, clean ? "GDI objects and collections back where they started"
                                               : "something was left behind");
}
