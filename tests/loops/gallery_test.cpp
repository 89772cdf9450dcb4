// BrocadeDemo.exe's reduced gallery, run as a user would run it into a temporary folder: the
// demo creates the control by its ProgID, opens real menus with the keyboard and writes a PNG
// of each, listed in gallery.txt ("name|popup|item|popups|title") and shown by index.html.
#include <gtest/gtest.h>
#include <windows.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include "com_ptr.h"
#include "support/wait.h"

using brocade::ComPtr;
using namespace brocade_test;

namespace {

struct Picture {
    std::string name;
    RECT popup, item;  // the popup and its selected item, in the picture
    std::vector<UINT> pixels;
    UINT width = 0, height = 0;
    UINT At(LONG x, LONG y) const { return pixels[y * width + x] & 0xFFFFFF; }
    bool Holds(const RECT &r) const { return r.left >= 0 && r.top >= 0 && r.right <= LONG(width) && r.bottom <= LONG(height); }
    void Decode(const std::wstring &path) {  // leaves no pixels when the PNG does not decode
        ComPtr<IWICImagingFactory> factory;
        ComPtr<IWICBitmapDecoder> decoder;
        ComPtr<IWICBitmapFrameDecode> frame;
        ComPtr<IWICBitmapSource> bgr;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                       reinterpret_cast<void **>(factory.Out()))) &&
            SUCCEEDED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, decoder.Out())) &&
            SUCCEEDED(decoder->GetFrame(0, frame.Out())) && SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.Get(), bgr.Out())) &&
            SUCCEEDED(bgr->GetSize(&width, &height)))
            pixels.resize(size_t(width) * height);
        if (!pixels.empty() && FAILED(bgr->CopyPixels(nullptr, width * 4, UINT(pixels.size() * 4), reinterpret_cast<BYTE *>(pixels.data()))))
            pixels.clear();
    }
};

// Mean difference of the channels of two areas laid over each other from their top-left corners.
double Difference(const Picture &a, const RECT &ra, const Picture &b, const RECT &rb) {
    const LONG w = std::min(ra.right - ra.left, rb.right - rb.left), h = std::min(ra.bottom - ra.top, rb.bottom - rb.top);
    double sum = 0;
    for (LONG y = 0; y < h; ++y)
        for (LONG x = 0; x < w; ++x)
            for (int shift : {0, 8, 16})
                sum += std::abs(int(a.At(ra.left + x, ra.top + y) >> shift & 0xFF) - int(b.At(rb.left + x, rb.top + y) >> shift & 0xFF));
    return w > 0 && h > 0 ? sum / (3.0 * w * h) : 0;
}

}  // namespace

TEST(Gallery, TheReducedRunWritesEveryPictureWithItsPopupDrawnAndEachStyleLookingItsOwn) {
    wchar_t temp[MAX_PATH], self[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path folder = std::filesystem::path(temp) / ("brocade-gallery-" + std::to_string(GetCurrentProcessId()));
    std::wstring command = L"\"" + (std::filesystem::path(self).parent_path() / L"BrocadeDemo.exe").wstring() +
                           L"\" --gallery \"" + folder.wstring() + L"\" --quick";
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    WaitFor([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 100000, "the gallery to finish");
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread), CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);

    std::vector<Picture> pictures;
    std::string line;
    for (std::ifstream manifest(folder / "gallery.txt"); std::getline(manifest, line);) {
        Picture p;
        char name[128] = "";
        if (std::sscanf(line.c_str(), "%127[^|]|%ld,%ld,%ld,%ld|%ld,%ld,%ld,%ld", name, &p.popup.left, &p.popup.top,
                        &p.popup.right, &p.popup.bottom, &p.item.left, &p.item.top, &p.item.right, &p.item.bottom) != 9)
            continue;
        p.name = name;
        p.Decode((folder / name).wstring());
        pictures.push_back(std::move(p));
    }
    std::stringstream index;
    index << std::ifstream(folder / "index.html").rdbuf();
    EXPECT_EQ(pictures.size(), 13u) << "eleven styles, right to left, a submenu";

    std::vector<const Picture *> styles;
    for (const Picture &p : pictures) {
        SCOPED_TRACE(p.name);
        EXPECT_NE(index.str().find("<img src=\"" + p.name + "\""), std::string::npos) << "index.html shows it";
        ASSERT_FALSE(p.pixels.empty()) << "the picture decodes";
        ASSERT_TRUE(p.Holds(p.popup) && p.Holds(p.item)) << "the popup and its item lie in the picture";
        std::set<UINT> colours;
        for (LONG y = p.popup.top; y < p.popup.bottom; ++y)
            for (LONG x = p.popup.left; x < p.popup.right; ++x) colours.insert(p.At(x, y));
        EXPECT_GE(colours.size(), 4u) << "a drawn popup holds text, a highlight and a frame";
        RECT next = p.item;
        OffsetRect(&next, 0, p.item.bottom - p.item.top);
        if (p.Holds(next) && next.bottom <= p.popup.bottom) {
            EXPECT_GT(Difference(p, p.item, p, next), 4.0) << "the selected item is set apart from the next";
        }
        if (p.name.rfind("style-", 0) == 0) styles.push_back(&p);
    }
    ASSERT_EQ(styles.size(), 11u);
    for (size_t a = 0; a < styles.size(); ++a)
        for (size_t b = a + 1; b < styles.size(); ++b)
            EXPECT_GT(Difference(*styles[a], styles[a]->item, *styles[b], styles[b]->item), 1.0)
                << styles[a]->name << " and " << styles[b]->name << " highlight alike";
    std::filesystem::remove_all(folder);
}
