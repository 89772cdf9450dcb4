#include "gallery/gallery_images.h"

#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "common/com_ptr.h"

namespace brocade_test {

using brocade::ComPtr;

namespace {

int Channel(uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

double Brightness(uint32_t colour) {
    return (Channel(colour, 16) + Channel(colour, 8) + Channel(colour, 0)) / 3.0;
}

}  // namespace

Picture LoadPicture(const std::wstring &path) {
    Picture picture;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void **>(factory.Out()))))
        return picture;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())) || FAILED(factory->CreateFormatConverter(converter.Out())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0)
        return picture;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size() * 4),
                                     reinterpret_cast<BYTE *>(pixels.data()))))
        return picture;
    for (uint32_t &pixel : pixels) pixel &= 0x00FFFFFF;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels = std::move(pixels);
    return picture;
}

size_t DistinctColours(const Picture &picture, const RECT &area, size_t limit) {
    std::set<uint32_t> colours;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            colours.insert(picture.At(x, y));
            if (colours.size() >= limit) return colours.size();
        }
    return colours.size();
}

double MeanDifference(const Picture &a, const RECT &areaA, const Picture &b, const RECT &areaB) {
    int width = std::min(areaA.right - areaA.left, areaB.right - areaB.left);
    int height = std::min(areaA.bottom - areaA.top, areaB.bottom - areaB.top);
    if (width <= 0 || height <= 0) return 0.0;
    double sum = 0.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t pa = a.At(areaA.left + x, areaA.top + y), pb = b.At(areaB.left + x, areaB.top + y);
            for (int shift : {0, 8, 16}) sum += std::abs(Channel(pa, shift) - Channel(pb, shift));
        }
    return sum / (3.0 * width * height);
}

std::vector<double> ColumnBrightness(const Picture &picture, const RECT &area) {
    std::vector<double> columns;
    for (int x = area.left; x < area.right; ++x) {
        double sum = 0.0;
        for (int y = area.top; y < area.bottom; ++y) sum += Brightness(picture.At(x, y));
        columns.push_back(sum / std::max(1L, area.bottom - area.top));
    }
    return columns;
}

double ProfileDistance(const std::vector<double> &a, const std::vector<double> &b, bool reverseSecond) {
    size_t length = std::min(a.size(), b.size());
    double sum = 0.0;
    for (size_t i = 0; i < length; ++i) sum += std::fabs(a[i] - b[reverseSecond ? length - 1 - i : i]);
    return sum;
}

}  // namespace brocade_test
