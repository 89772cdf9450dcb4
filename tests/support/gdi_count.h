// The number of GDI objects this process holds, for leak checks. Header-only so the soak
// benchmark can use it too.
#pragma once
#include <windows.h>

#include <string>

namespace brocade_test {

// Wine answers GetGuiResources(GR_GDIOBJECTS) with 0. Its handle table is per process, and
// GetObjectType accepts a handle given by its table index alone (the high word, the reuse
// count, left 0), so probing every index counts the live objects, DCs included. On Windows
// the system's own count answers and the probe is never reached.
inline int ProbedGdiObjectCount() {
    int live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
    return live;
}

// The system keeps the device contexts GetDC hands out in a cache that grows to the most
// ever out at once and never shrinks (Wine: a DC and its region per entry). Taking several
// at once first makes that growth happen before a count is taken, not in the middle of a run.
inline void FillDcCache() {
    constexpr int kAtOnce = 12;
    HDC dcs[kAtOnce];
    for (HDC &dc : dcs) dc = GetDC(nullptr);
    for (HDC dc : dcs)
        if (dc) ReleaseDC(nullptr, dc);
}

// The system makes its brush for a system colour on first use and keeps it: Wine, for one,
// makes the inactive-border brush only when another program takes the foreground. Making
// them all first keeps that out of a count.
inline void FillSystemBrushCache() {
    for (int index = COLOR_SCROLLBAR; index <= COLOR_MENUBAR; ++index) GetSysColorBrush(index);
}

inline int GdiObjectCount() {
    FillDcCache();
    FillSystemBrushCache();
    DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return counted ? static_cast<int>(counted) : ProbedGdiObjectCount();
}

// The count without the window DCs the system caches and their clipping regions: which
// windows' DCs Wine keeps depends on its own bookkeeping of windows made and destroyed, not on
// the code under test (every DC the control takes is released by its owner class).
inline int GdiObjectCountBesidesCachedDcs() {
    int count = GdiObjectCount();
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) == OBJ_DC) count -= 2;
    return count;
}

// The probed objects by kind ("brush 3, font 2, ..."), for telling what a leak is made of.
inline std::string GdiCensus() {
    FillDcCache();
    FillSystemBrushCache();
    static const char *const kNames[] = {"?",      "pen",     "brush",  "dc",      "metadc", "palette",
                                         "font",   "bitmap",  "region", "metafile", "memdc", "extpen",
                                         "enhmetadc", "enhmetafile", "colorspace"};
    int counts[sizeof kNames / sizeof kNames[0]] = {};
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(index));
        if (type && type < sizeof kNames / sizeof kNames[0]) ++counts[type];
    }
    std::string census;
    for (size_t type = 1; type < sizeof kNames / sizeof kNames[0]; ++type)
        if (counts[type]) census += (census.empty() ? "" : ", ") + std::string(kNames[type]) + " " + std::to_string(counts[type]);
    return census;
}

}  // namespace brocade_test
