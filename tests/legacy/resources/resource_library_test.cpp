// BrocadeRes.dll answers the control's resource contract: per language, consecutive strings of
// "CAPTION\nhelp[\npicture]" from the language's base, readable in the language's code page;
// and for every picture those strings name, plus CHECKMARK, a 16 x 16 picture in every set.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/gdi.h"

using brocade::MemoryDc;
using brocade::UniqueBitmap;

namespace {

struct Language {
    const char *name;
    UINT base;
    UINT codePage;  // the code page the texts must convert to; the Western ones use 1252
    bool ownScript; // written in a script of its own, so no caption may stay English
};

const Language kLanguages[] = {
    {"English", 1000, 1252, false},           {"Korean", 2000, 949, true},
    {"Japanese", 3000, 932, true},            {"Italian", 4000, 1252, false},
    {"French", 5000, 1252, false},            {"Spanish", 6000, 1252, false},
    {"German", 7000, 1252, false},            {"Chinese(Traditional)", 8000, 950, true},
    {"Chinese(Simplified)", 9000, 936, true}, {"Russian", 10000, 1251, true},
};

struct IconSet {
    const char *suffix;
    UINT type;
    COLORREF key;
};

const IconSet kIconSets[] = {
    {"_I", IMAGE_ICON, 0},
    {"_3", IMAGE_BITMAP, RGB(255, 0, 255)},
    {"_B", IMAGE_BITMAP, RGB(255, 255, 0)},
    {"_O", IMAGE_BITMAP, RGB(255, 255, 0)},
    {"_P", IMAGE_BITMAP, RGB(255, 255, 0)},
};

std::vector<std::wstring> Split(const std::wstring &text) {
    std::vector<std::wstring> fields;
    size_t start = 0, end;
    while ((end = text.find(L'\n', start)) != std::wstring::npos) {
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

bool IsCleanCaption(const std::wstring &caption) {
    if (caption.empty() || caption.front() == L' ' || caption.back() == L' ') return false;
    if (caption.find_first_of(L"&.\t") != std::wstring::npos) return false;
    std::wstring upper = caption;
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    return upper == caption;
}

bool ConvertsWithoutLoss(const std::wstring &text, UINT codePage) {
    BOOL usedDefault = FALSE;
    int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, &usedDefault);
    return size > 0 && !usedDefault;
}

bool HasNonAscii(const std::wstring &text) {
    for (wchar_t c : text)
        if (c > 0x7F) return true;
    return false;
}

// Pixels of a bitmap as RGB values, top row first.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> bgra(width * height);
    MemoryDc dc;
    GetDIBits(dc.Get(), bitmap, 0, height, bgra.data(), &info, DIB_RGB_COLORS);
    std::vector<COLORREF> rgb;
    for (DWORD pixel : bgra) rgb.push_back(RGB((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255));
    return rgb;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

class ResourceLibrary : public testing::Test {
protected:
    static void SetUpTestSuite() { library_ = LoadLibraryA("BrocadeRes.dll"); }
    static void TearDownTestSuite() {
        if (library_) FreeLibrary(library_);
    }
    void SetUp() override { ASSERT_NE(library_, nullptr) << "BrocadeRes.dll was not found on the search path"; }

    // The strings of a language, from its base up to the first missing one, at full length.
    static std::vector<std::wstring> StringsOf(const Language &language) {
        std::vector<std::wstring> strings;
        for (UINT id = language.base;; ++id) {
            const wchar_t *text = nullptr;
            int length = LoadStringW(library_, id, reinterpret_cast<LPWSTR>(&text), 0);
            if (length <= 0) return strings;
            strings.emplace_back(text, length);
        }
    }

    static std::vector<std::wstring> FieldOf(const Language &language, size_t field) {
        std::vector<std::wstring> values;
        for (const std::wstring &text : StringsOf(language)) {
            std::vector<std::wstring> fields = Split(text);
            values.push_back(field < fields.size() ? fields[field] : std::wstring());
        }
        return values;
    }

    // Every picture name the strings use, and the check mark.
    static std::set<std::string> PictureNames() {
        std::set<std::string> names = {"CHECKMARK"};
        for (const Language &language : kLanguages)
            for (const std::wstring &name : FieldOf(language, 2))
                if (!name.empty()) names.insert(std::string(name.begin(), name.end()));
        return names;
    }

    static HMODULE library_;
};

HMODULE ResourceLibrary::library_ = nullptr;

}  // namespace

TEST_F(ResourceLibrary, EveryLanguageHasConsecutiveStringsOfCaptionAndHelp) {
    size_t english = StringsOf(kLanguages[0]).size();
    EXPECT_GE(english, 40u);
    for (const Language &language : kLanguages) {
        SCOPED_TRACE(language.name);
        std::vector<std::wstring> strings = StringsOf(language);
        EXPECT_EQ(strings.size(), english);
        std::set<std::wstring> captions;
        for (size_t i = 0; i < strings.size(); ++i) {
            SCOPED_TRACE(language.base + i);
            std::vector<std::wstring> fields = Split(strings[i]);
            ASSERT_GE(fields.size(), 2u);
            EXPECT_LE(fields.size(), 3u);
            EXPECT_TRUE(IsCleanCaption(fields[0]));
            EXPECT_TRUE(captions.insert(fields[0]).second) << "a second caption would never be found";
            EXPECT_FALSE(fields[1].empty());
            if (fields.size() == 3) {
                EXPECT_FALSE(fields[2].empty());
            }
            EXPECT_LE(strings[i].size(), i == 0 ? 254u : 1023u);
        }
    }
}

TEST_F(ResourceLibrary, EveryLanguageGivesItsCommandsTheSamePictures) {
    std::vector<std::wstring> english = FieldOf(kLanguages[0], 2);
    for (const Language &language : kLanguages) EXPECT_EQ(FieldOf(language, 2), english) << language.name;
}

TEST_F(ResourceLibrary, EveryLanguageIsTranslated) {
    std::vector<std::wstring> englishCaptions = FieldOf(kLanguages[0], 0);
    std::vector<std::wstring> englishHelp = FieldOf(kLanguages[0], 1);
    for (const Language &language : kLanguages) {
        if (language.base == kLanguages[0].base) continue;
        SCOPED_TRACE(language.name);
        std::vector<std::wstring> captions = FieldOf(language, 0), help = FieldOf(language, 1);
        int sameCaptions = 0;
        for (size_t i = 0; i < captions.size(); ++i) {
            sameCaptions += captions[i] == englishCaptions[i];
            EXPECT_NE(help[i], englishHelp[i]);
            if (language.ownScript) {
                EXPECT_TRUE(HasNonAscii(captions[i]) && HasNonAscii(help[i])) << i;
            }
        }
        // A few words are the same in both languages (OPTIONS, INDEX, CASCADE).
        EXPECT_LE(sameCaptions, language.ownScript ? 0 : 3);
    }
}

TEST_F(ResourceLibrary, TextsConvertToTheirLanguagesCodePageWithoutLoss) {
    for (const Language &language : kLanguages) {
        for (const std::wstring &text : StringsOf(language)) {
            EXPECT_TRUE(ConvertsWithoutLoss(text, language.codePage))
                << language.name << " string " << std::string(text.begin(), text.begin() + text.find(L'\n'));
        }
    }
}

// The tables are UTF-8; these would read as mojibake had the resource compiler taken the
// bytes in another code page.
TEST_F(ResourceLibrary, AccentsAndScriptsSurviveTheResourceCompiler) {
    auto caption = [](UINT id) {
        const wchar_t *text = nullptr;
        int length = LoadStringW(library_, id, reinterpret_cast<LPWSTR>(&text), 0);
        return Split(std::wstring(text, length > 0 ? length : 0))[0];
    };
    EXPECT_EQ(caption(3004), L"\u540D\u524D\u3092\u4ED8\u3051\u3066\u4FDD\u5B58");  // 名前を付けて保存
    EXPECT_EQ(caption(5007), L"APER\u00C7U AVANT IMPRESSION");
    EXPECT_EQ(caption(7002), L"SCHLIE\u00DFEN");
    EXPECT_EQ(caption(10004), L"\u0421\u041E\u0425\u0420\u0410\u041D\u0418\u0422\u042C \u041A\u0410\u041A");
    EXPECT_EQ(caption(2004), L"\uB2E4\uB978 \uC774\uB984\uC73C\uB85C \uC800\uC7A5");  // 다른 이름으로 저장
}

TEST_F(ResourceLibrary, PictureNamesAreUpperCaseResourceNames) {
    std::set<std::string> names = PictureNames();
    EXPECT_GE(names.size(), 30u);
    for (const std::string &name : names) {
        std::string upper = name;
        CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
        EXPECT_EQ(name, upper);
        EXPECT_EQ(name.find(' '), std::string::npos) << name;
    }
}

TEST_F(ResourceLibrary, EveryPictureLoadsAt16By16InEverySet) {
    for (const std::string &name : PictureNames()) {
        for (const IconSet &set : kIconSets) {
            std::string resource = name + set.suffix;
            SCOPED_TRACE(resource);
            HANDLE image = LoadImageA(library_, resource.c_str(), set.type, 16, 16, LR_DEFAULTCOLOR);
            ASSERT_NE(image, nullptr);
            if (set.type == IMAGE_ICON) {
                ICONINFO info = {};
                ASSERT_TRUE(GetIconInfo(static_cast<HICON>(image), &info));
                UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
                DestroyIcon(static_cast<HICON>(image));
                ASSERT_TRUE(colour);
                EXPECT_EQ(BitmapSize(colour.Get()).cx, 16);
                EXPECT_EQ(BitmapSize(colour.Get()).cy, 16);
                // The mask is white where the icon is transparent, black where it is drawn.
                std::vector<COLORREF> pixels = PixelsOf(mask.Get(), 16, 16);
                EXPECT_GT(std::count(pixels.begin(), pixels.end(), RGB(255, 255, 255)), 0);
                EXPECT_GT(std::count(pixels.begin(), pixels.end(), RGB(0, 0, 0)), 0);
            } else {
                UniqueBitmap bitmap(static_cast<HBITMAP>(image));
                SIZE size = BitmapSize(bitmap.Get());
                EXPECT_EQ(size.cx, 16);
                EXPECT_EQ(size.cy, 16);
                std::vector<COLORREF> pixels = PixelsOf(bitmap.Get(), 16, 16);
                long keyed = std::count(pixels.begin(), pixels.end(), set.key);
                EXPECT_GT(keyed, 0) << "no transparent pixel";
                EXPECT_LT(keyed, 256) << "nothing drawn";
            }
        }
    }
}

TEST_F(ResourceLibrary, MissingPicturesAreNotFound) {
    EXPECT_EQ(LoadImageA(library_, "NO_SUCH_PICTURE_3", IMAGE_BITMAP, 16, 16, 0), nullptr);
    EXPECT_EQ(LoadImageA(library_, "SAVE_AS_X", IMAGE_BITMAP, 16, 16, 0), nullptr);
}

// Each set has a palette of its own: the mean drawn colour of all its pictures shows it.
TEST_F(ResourceLibrary, EachBitmapSetHasItsOwnPalette) {
    std::map<std::string, std::vector<COLORREF>> drawn;
    std::set<std::string> names = PictureNames();
    for (const IconSet &set : kIconSets) {
        if (set.type != IMAGE_BITMAP) continue;
        for (const std::string &name : names) {
            UniqueBitmap bitmap(static_cast<HBITMAP>(
                LoadImageA(library_, (name + set.suffix).c_str(), IMAGE_BITMAP, 16, 16, 0)));
            ASSERT_TRUE(bitmap);
            for (COLORREF pixel : PixelsOf(bitmap.Get(), 16, 16))
                if (pixel != set.key) drawn[set.suffix].push_back(pixel);
        }
    }
    auto mean = [&](const char *suffix, int shift) {
        double sum = 0;
        for (COLORREF pixel : drawn[suffix]) sum += (pixel >> shift) & 255;
        return sum / drawn[suffix].size();
    };
    enum { kRed = 0, kGreen = 8, kBlue = 16 };
    EXPECT_GT(mean("_B", kBlue), mean("_B", kRed) + 40) << "Skyline is blue";
    EXPECT_GT(mean("_O", kRed), mean("_O", kBlue) + 60) << "Sunrise is warm";
    EXPECT_GT(mean("_P", kRed) + mean("_P", kGreen) + mean("_P", kBlue), 3 * 180.0) << "Snowflakes is light";
    EXPECT_GT(mean("_3", kBlue), mean("_3", kRed) - 10) << "Office 2003 is soft blue with some orange";
}
