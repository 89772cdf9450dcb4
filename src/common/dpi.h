// The resolution a window is painted at. Windows measures designs in pixels at 96 dots per
// inch; at 144 (150 %) or 192 (200 %) every fixed pixel length grows with the window's DPI.
#pragma once
#include <windows.h>

namespace brocade {

constexpr int kDefaultDpi = 96;

// A length of pixels at 96 DPI, at dpi: MulDiv's rounding (halves away from zero).
inline int ScaleToDpi(int pixels, int dpi) {
    if (dpi <= 0 || dpi == kDefaultDpi) return pixels;
    return MulDiv(pixels, dpi, kDefaultDpi);
}

inline SIZE ScaleToDpi(SIZE pixels, int dpi) {
    return SIZE{ScaleToDpi(static_cast<int>(pixels.cx), dpi), ScaleToDpi(static_cast<int>(pixels.cy), dpi)};
}

// A system metric at a DPI: GetSystemMetricsForDpi where the system has it, else the metric at
// the system's DPI scaled to dpi. The system's own DPI (or 0) reads GetSystemMetrics.
int SystemMetricForDpi(int index, int dpi);
// The system's DPI: the screen's LOGPIXELSY.
int SystemDpi();

// The DPI of the window: GetDpiForWindow where the system has it (Windows 10 1607 and
// later), else the screen's LOGPIXELSY. A null window reads the screen's.
int WindowDpi(HWND window);

}  // namespace brocade
