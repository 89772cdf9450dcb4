#include "render/menu_metrics.h"

#include <windows.h>

#include <atomic>

#include "common/dpi.h"

namespace brocade {

namespace {

constexpr long kUnread = -1;
std::atomic<long> menuHeight{kUnread};
std::atomic<long> menuCheckWidth{kUnread};

long Cached(std::atomic<long> &slot, int metric) {
    long value = slot.load(std::memory_order_relaxed);
    if (value == kUnread) {
        value = GetSystemMetrics(metric);
        slot.store(value, std::memory_order_relaxed);
    }
    return value;
}

}  // namespace

long MenuHeightMetric() { return Cached(menuHeight, SM_CYMENU); }
long MenuCheckWidthMetric() { return Cached(menuCheckWidth, SM_CXMENUCHECK); }

namespace {

std::atomic<int> systemDpi{kUnread};

// Asked for every item: the system's DPI is read once, as the metrics are.
bool IsSystemDpi(int dpi) {
    int system = systemDpi.load(std::memory_order_relaxed);
    if (system == kUnread) {
        system = SystemDpi();
        systemDpi.store(system, std::memory_order_relaxed);
    }
    return dpi <= 0 || dpi == system;
}

}  // namespace

long MenuHeightMetric(int dpi) { return IsSystemDpi(dpi) ? MenuHeightMetric() : SystemMetricForDpi(SM_CYMENU, dpi); }
long MenuCheckWidthMetric(int dpi) {
    return IsSystemDpi(dpi) ? MenuCheckWidthMetric() : SystemMetricForDpi(SM_CXMENUCHECK, dpi);
}

void ForgetMenuMetrics() {
    menuHeight.store(kUnread, std::memory_order_relaxed);
    menuCheckWidth.store(kUnread, std::memory_order_relaxed);
    systemDpi.store(kUnread, std::memory_order_relaxed);
}

}  // namespace brocade
