#include "render_test_support.h"

#include <winternl.h>

#include <cstdio>

namespace brocade_test {

Surface::Surface(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<DWORD *>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    Fill(fill);
}

Surface::~Surface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Surface::At(int x, int y) const {
    GdiFlush();
    DWORD pixel = bits_[static_cast<size_t>(y) * width_ + x];
    return RGB((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255);
}

void Surface::Fill(COLORREF color) {
    GdiFlush();
    DWORD pixel = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = pixel;
}

void Surface::FillPattern() {
    GdiFlush();
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            bits_[y * width_ + x] = (x * 7 + 3) << 16 | (y * 11 + 5) << 8 | ((x ^ y) & 255);
}

std::string Surface::FirstDifference(const Surface &other) const {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (At(x, y) != other.At(x, y)) {
                char text[96];
                std::snprintf(text, sizeof text, "(%d,%d): %s vs %s", x, y, Hex(At(x, y)).c_str(),
                              Hex(other.At(x, y)).c_str());
                return text;
            }
    return std::string();
}

int Surface::CountInRow(int y, COLORREF color) const {
    int count = 0;
    for (int x = 0; x < width_; ++x) count += At(x, y) == color;
    return count;
}

int Surface::CountInColumn(int x, COLORREF color) const {
    int count = 0;
    for (int y = 0; y < height_; ++y) count += At(x, y) == color;
    return count;
}

namespace {

// An entry of the GDI handle table: in use while its type is not 0.
struct HandleTableEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
static_assert(sizeof(HandleTableEntry) == 24, "GDI handle table entry");
constexpr int kHandleTableEntries = 0x10000;

const HandleTableEntry *HandleTable() {
    using QueryProcess = NTSTATUS(WINAPI *)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query =
        reinterpret_cast<QueryProcess>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess"));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return nullptr;
    const BYTE *peb = reinterpret_cast<const BYTE *>(basic.PebBaseAddress);
    if (!peb) return nullptr;
#ifdef _WIN64
    const size_t offset = 0xF8;
#else
    const size_t offset = 0x94;
#endif
    return *reinterpret_cast<const HandleTableEntry *const *>(peb + offset);
}

long CountHandleTable() {
    const HandleTableEntry *table = HandleTable();
    if (!table) return -1;
    long count = 0;
    for (int i = 0; i < kHandleTableEntries; ++i) count += table[i].type != 0;
    return count;
}

bool HandleTableFollowsObjects() {
    long before = CountHandleTable();
    if (before < 0) return false;
    HBRUSH brushes[5];
    for (HBRUSH &brush : brushes) brush = CreateSolidBrush(RGB(9, 9, 9));
    long during = CountHandleTable();
    for (HBRUSH brush : brushes) DeleteObject(brush);
    return during == before + 5 && CountHandleTable() == before;
}

}  // namespace

long GdiObjectCount() {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<long>(count);
    static const bool tableUsable = HandleTableFollowsObjects();
    return tableUsable ? CountHandleTable() : -1;
}

brocade::PaintStyle TestStyle(long highlightStyle) {
    brocade::PaintStyle style;
    style.menuBackground = RGB(240, 240, 230);
    style.bitmapBackground = RGB(200, 200, 190);
    style.menuBarBackground = RGB(220, 220, 210);
    style.textColor = RGB(0, 0, 0);
    style.disabledTextColor = RGB(128, 128, 128);
    style.highlightedTextColor = RGB(255, 255, 255);
    style.menuHighlight = RGB(10, 36, 106);
    style.menuHighlightBorder = RGB(8, 24, 80);
    style.tootipBackground = RGB(255, 255, 225);
    style.tootipTextColor = RGB(0, 0, 0);
    style.highlightStyle = highlightStyle;
    return style;
}

std::string Hex(COLORREF color) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06lX", static_cast<unsigned long>(color));
    return text;
}

}  // namespace brocade_test
