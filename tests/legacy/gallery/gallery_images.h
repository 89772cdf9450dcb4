// Pictures the gallery wrote, decoded through Windows Imaging Component, and the few pixel
// measures the gallery tests need.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace brocade_test {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top down
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Contains(const RECT &rect) const {
        return rect.left >= 0 && rect.top >= 0 && rect.right <= width && rect.bottom <= height &&
               rect.left < rect.right && rect.top < rect.bottom;
    }
};

// Decodes a PNG; an empty picture when it cannot.
Picture LoadPicture(const std::wstring &path);

// How many different colours the area holds (counting stops at the limit).
size_t DistinctColours(const Picture &picture, const RECT &area, size_t limit = 64);

// Mean absolute channel difference (0..255) of two areas laid over each other from their
// top-left corners, over the size both share.
double MeanDifference(const Picture &a, const RECT &areaA, const Picture &b, const RECT &areaB);

// Mean brightness (0..255) of each column of an area.
std::vector<double> ColumnBrightness(const Picture &picture, const RECT &area);

// Sum of absolute differences between two profiles, the second read forwards or backwards,
// over the length both share.
double ProfileDistance(const std::vector<double> &a, const std::vector<double> &b, bool reverseSecond);

}  // namespace brocade_test
