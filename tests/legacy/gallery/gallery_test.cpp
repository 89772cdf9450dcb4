// Runs BrocadeDemo.exe's reduced gallery once (real menus opened with keyboard input, the
// control hosted in the ATL container) and checks the pictures it wrote.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "gallery/gallery_images.h"
#include "support/test_support.h"

using namespace brocade_test;

namespace {

struct ManifestEntry {
    RECT popup = {};
    RECT item = {};
    int popupCount = 0;
    std::string title;
};

RECT ParseRect(const std::string &text) {
    RECT rect = {};
    std::sscanf(text.c_str(), "%ld,%ld,%ld,%ld", &rect.left, &rect.top, &rect.right, &rect.bottom);
    return rect;
}

std::map<std::string, ManifestEntry> ReadManifest(const std::wstring &path) {
    std::map<std::string, ManifestEntry> entries;
    std::ifstream file(path.c_str());
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::stringstream fields(line);
        std::string name, popup, item, count, title;
        std::getline(fields, name, '|');
        std::getline(fields, popup, '|');
        std::getline(fields, item, '|');
        std::getline(fields, count, '|');
        std::getline(fields, title);
        entries[name] = {ParseRect(popup), ParseRect(item), std::atoi(count.c_str()), title};
    }
    return entries;
}

std::string StyleFile(int style) {
    char name[32];
    std::snprintf(name, sizeof name, "style-%02d.png", style);
    return name;
}

class Gallery : public testing::Test {
protected:
    static int exitCode;
    static std::wstring folder;
    static std::map<std::string, ManifestEntry> manifest;

    static void SetUpTestSuite() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"brocade-gallery-test";
        DeleteFileW((folder + L"\\gallery.txt").c_str());
        exitCode = RunProgram(L"\"" + BinFolder() + L"\\BrocadeDemo.exe\" --gallery \"" + folder + L"\" --quick", 80000);
        manifest = ReadManifest(folder + L"\\gallery.txt");
    }

    static Picture Load(const std::string &file) {
        return LoadPicture(folder + L"\\" + std::wstring(file.begin(), file.end()));
    }
};

int Gallery::exitCode = -1;
std::wstring Gallery::folder;
std::map<std::string, ManifestEntry> Gallery::manifest;

}  // namespace

TEST_F(Gallery, TheReducedRunTakesEveryPicture) {
    EXPECT_EQ(exitCode, 0) << "BrocadeDemo.exe --gallery --quick";
    for (int style = 0; style <= 10; ++style) EXPECT_EQ(manifest.count(StyleFile(style)), 1u) << StyleFile(style);
    EXPECT_EQ(manifest.count("right-to-left.png"), 1u);
    EXPECT_EQ(manifest.count("checked-disabled-submenu.png"), 1u);
    DWORD page = GetFileAttributesW((folder + L"\\index.html").c_str());
    EXPECT_NE(page, INVALID_FILE_ATTRIBUTES);
}

TEST_F(Gallery, EveryPictureDecodesAndHoldsItsOpenPopupWithASelectedItem) {
    ASSERT_FALSE(manifest.empty());
    for (const auto &[file, entry] : manifest) {
        Picture picture = Load(file);
        ASSERT_GT(picture.width, 0) << file << " decodes";
        ASSERT_TRUE(picture.Contains(entry.popup)) << file << ": the popup lies inside the picture";
        ASSERT_TRUE(picture.Contains(entry.item)) << file;
        EXPECT_TRUE(entry.item.left >= entry.popup.left && entry.item.right <= entry.popup.right &&
                    entry.item.top >= entry.popup.top && entry.item.bottom <= entry.popup.bottom)
            << file << ": the selected item lies in the popup";
        // A drawn popup holds text, a highlight and a frame: a blank or missing one is one colour.
        EXPECT_GE(DistinctColours(picture, entry.popup), 4u) << file << ": the popup is drawn";
        // The highlight sets the selected item apart from the item above or below it.
        RECT neighbour = entry.item;
        int height = entry.item.bottom - entry.item.top;
        OffsetRect(&neighbour, 0, entry.item.top - height >= entry.popup.top ? -height : height);
        if (picture.Contains(neighbour)) {
            EXPECT_GT(MeanDifference(picture, entry.item, picture, neighbour), 4.0) << file << ": the item is highlighted";
        }
    }
}

TEST_F(Gallery, TheIndexPageShowsEveryPictureWithItsConfiguration) {
    std::ifstream file((folder + L"\\index.html").c_str());
    std::string page((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(page.empty());
    for (const auto &[name, entry] : manifest) {
        EXPECT_NE(page.find("<img src=\"" + name + "\""), std::string::npos) << name;
        EXPECT_NE(page.find(entry.title), std::string::npos) << entry.title;
    }
    EXPECT_NE(page.find("HighlightStyle Office 2003, MenuBorder Flat with Shadow"), std::string::npos)
        << "each caption names the configuration";
}

TEST_F(Gallery, TheSubmenuPictureHoldsBothPopupsAndTheOthersOne) {
    ASSERT_EQ(manifest.count("checked-disabled-submenu.png"), 1u);
    for (const auto &[name, entry] : manifest)
        EXPECT_EQ(entry.popupCount, name == "checked-disabled-submenu.png" ? 2 : 1) << name;
}

TEST_F(Gallery, TheElevenHighlightStylesLookDifferentFromEachOther) {
    Picture styles[11];
    for (int style = 0; style <= 10; ++style) {
        ASSERT_EQ(manifest.count(StyleFile(style)), 1u);
        styles[style] = Load(StyleFile(style));
        ASSERT_GT(styles[style].width, 0);
    }
    for (int a = 0; a <= 10; ++a)
        for (int b = a + 1; b <= 10; ++b) {
            const RECT &itemA = manifest[StyleFile(a)].item, &itemB = manifest[StyleFile(b)].item;
            EXPECT_GT(MeanDifference(styles[a], itemA, styles[b], itemB), 1.0)
                << "highlight of style " << a << " against style " << b;
        }
}

TEST_F(Gallery, RightToLeftMirrorsTheSelectedItem) {
    ASSERT_EQ(manifest.count(StyleFile(0)), 1u);
    ASSERT_EQ(manifest.count("right-to-left.png"), 1u);
    const ManifestEntry &leftToRight = manifest[StyleFile(0)];
    const ManifestEntry &rightToLeft = manifest["right-to-left.png"];
    EXPECT_EQ(rightToLeft.item.right - rightToLeft.item.left, leftToRight.item.right - leftToRight.item.left);
    std::vector<double> forward = ColumnBrightness(Load(StyleFile(0)), leftToRight.item);
    std::vector<double> mirrored = ColumnBrightness(Load("right-to-left.png"), rightToLeft.item);
    ASSERT_FALSE(forward.empty());
    // Both are plain bars (a gradient keeps its direction in either reading order). The icon
    // column, the highlight's extent, the caption and the shortcut swap sides: read
    // backwards, the right-to-left item matches the left-to-right one far better.
    double straight = ProfileDistance(forward, mirrored, false);
    double reversed = ProfileDistance(forward, mirrored, true);
    EXPECT_LT(reversed, straight * 0.75) << "straight " << straight << ", reversed " << reversed;
    // The icon column is lighter than the highlight bar: left of it in one, right in the other.
    auto edge = [](const std::vector<double> &columns, bool left) {
        size_t width = std::min<size_t>(16, columns.size() / 4);
        double sum = 0.0;
        for (size_t i = 0; i < width; ++i) sum += columns[left ? i : columns.size() - 1 - i];
        return sum / static_cast<double>(width);
    };
    EXPECT_GT(edge(forward, true), edge(forward, false)) << "left to right: the icon column at the left";
    EXPECT_GT(edge(mirrored, false), edge(mirrored, true)) << "right to left: the icon column at the right";
}
