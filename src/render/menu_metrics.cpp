#include "render/menu_metrics.h"

#include <windows.h>

#include <atomic>

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

void ForgetMenuMetrics() {
    menuHeight.store(kUnread, std::memory_order_relaxed);
    menuCheckWidth.store(kUnread, std::memory_order_relaxed);
}

}  // namespace brocade
