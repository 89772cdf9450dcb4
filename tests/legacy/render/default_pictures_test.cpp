// Built-in pictures by name: the naming rules, the cache, and real loads from the resource
// library BrocadeRes.dll built beside the tests.
#include <gtest/gtest.h>

#include <string>

#include "common/enums.h"
#include "render/default_pictures.h"
#include "support/test_support.h"

using namespace brocade;

namespace {

// Stands in for the language tables: "Open" (and "&Open...", as cleaning would) names the
// OPEN pictures in English, "Imprimer" the PRINT pictures in French.
struct NameTable {
    int calls = 0;
    bool lastConvert = false;
    PictureNameLookup Lookup() {
        return [this](const std::string &caption, bool convert, long language) {
            ++calls;
            lastConvert = convert;
            if (language == kEnglish && (caption == "Open" || caption == "&Open...")) return std::string("OPEN");
            if (language == kFrench && caption == "Imprimer") return std::string("PRINT");
            return std::string();
        };
    }
};

class ResourceLibrary {
public:
    ResourceLibrary() : module_(LoadLibraryW((brocade_test::BinFolder() + L"\\BrocadeRes.dll").c_str())) {}
    ~ResourceLibrary() {
        if (module_) FreeLibrary(module_);
    }
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

SHORT TypeOf(const ComPtr<IPictureDisp> &picture) {
    ComPtr<IPicture> p = picture.As<IPicture>(IID_IPicture);
    SHORT type = -2;
    if (p) p->get_Type(&type);
    return type;
}

}  // namespace

TEST(DefaultPictureNames, FollowTheTableTheBlanksAndTheIconSet) {
    NameTable table;
    DefaultPictures pictures(nullptr, table.Lookup());
    PictureResource r = pictures.ResourceFor("  Open ", false, kEnglish, kIconsOffice2003);
    EXPECT_EQ(r.name, "OPEN_3");
    EXPECT_EQ(r.type, static_cast<UINT>(IMAGE_BITMAP));
    EXPECT_EQ(pictures.ResourceFor("Save As", true, kEnglish, kIconsDefault).name, "Save_As_I");
    EXPECT_TRUE(table.lastConvert);
    EXPECT_EQ(pictures.ResourceFor("Open", false, kEnglish, kIconsSkyline).name, "OPEN_B");
    EXPECT_EQ(pictures.ResourceFor("Open", false, kEnglish, kIconsSunrise).name, "OPEN_O");
    EXPECT_EQ(pictures.ResourceFor("Open", false, kEnglish, kIconsSnowflakes).name, "OPEN_P");
    EXPECT_EQ(pictures.ResourceFor("Imprimer", false, kFrench, kIconsDefault).name, "PRINT_I");
    PictureResource unknownSet = pictures.ResourceFor("Open", false, kEnglish, 42);
    EXPECT_EQ(unknownSet.name, "OPEN_I");
    EXPECT_EQ(unknownSet.type, static_cast<UINT>(IMAGE_ICON));
}

// The check mark is recognised exactly, blanks around it aside, without asking the table.
TEST(DefaultPictureNames, CheckMarkIsExactAndCaseSensitive) {
    NameTable table;
    DefaultPictures pictures(nullptr, table.Lookup());
    EXPECT_EQ(pictures.ResourceFor("  CHECKMARK ", false, kEnglish, kIconsSkyline).name, "CHECKMARK_B");
    EXPECT_EQ(table.calls, 0);
    EXPECT_EQ(pictures.ResourceFor("checkmark", false, kEnglish, kIconsDefault).name, "checkmark_I");
    EXPECT_EQ(table.calls, 1);
}

TEST(DefaultPictures, WithoutALibraryEveryRequestIsNull) {
    NameTable table;
    DefaultPictures pictures(nullptr, table.Lookup());
    EXPECT_FALSE(pictures.Load("Open", false, kEnglish, kIconsDefault));
    EXPECT_EQ(pictures.CachedCount(), 0u);
}

TEST(DefaultPictures, LoadsBitmapsAndIconsOncePerResourceName) {
    ResourceLibrary library;
    ASSERT_TRUE(library.Get());
    NameTable table;
    DefaultPictures pictures(library.Get(), table.Lookup());

    ComPtr<IPictureDisp> office = pictures.Load("Open", false, kEnglish, kIconsOffice2003);
    ASSERT_TRUE(office);
    EXPECT_EQ(TypeOf(office), PICTYPE_BITMAP);
    ComPtr<IPictureDisp> again = pictures.Load("&Open...", false, kEnglish, kIconsOffice2003);
    EXPECT_EQ(again.Get(), office.Get());  // from the cache

    ComPtr<IPictureDisp> icon = pictures.Load("Open", false, kEnglish, kIconsDefault);
    ASSERT_TRUE(icon);
    EXPECT_EQ(TypeOf(icon), PICTYPE_ICON);
    EXPECT_NE(icon.Get(), office.Get());
    EXPECT_EQ(pictures.CachedCount(), 2u);

    // No table entry: the caption itself with "_" for each blank (resource names ignore case).
    EXPECT_EQ(TypeOf(pictures.Load("Save As", false, kEnglish, kIconsDefault)), PICTYPE_ICON);
    EXPECT_EQ(TypeOf(pictures.Load("Imprimer", false, kFrench, kIconsSunrise)), PICTYPE_BITMAP);

    ComPtr<IPictureDisp> skyline = pictures.Load(" CHECKMARK ", false, kEnglish, kIconsSkyline);
    ComPtr<IPictureDisp> office2003 = pictures.Load("CHECKMARK", false, kEnglish, kIconsOffice2003);
    ASSERT_TRUE(skyline);
    ASSERT_TRUE(office2003);
    EXPECT_NE(skyline.Get(), office2003.Get());
    EXPECT_EQ(pictures.CachedCount(), 6u);

    // The same resource under another spelling is the same cache entry.
    EXPECT_EQ(pictures.Load("save as", false, kEnglish, kIconsDefault).Get(),
              pictures.Load("SAVE AS", false, kEnglish, kIconsDefault).Get());
}

TEST(DefaultPictures, MissingResourcesAreNotCachedAndAskedForAgain) {
    ResourceLibrary library;
    ASSERT_TRUE(library.Get());
    NameTable table;
    DefaultPictures pictures(library.Get(), table.Lookup());
    EXPECT_FALSE(pictures.Load("No Such Command", false, kEnglish, kIconsDefault));
    EXPECT_FALSE(pictures.Load("No Such Command", false, kEnglish, kIconsDefault));
    EXPECT_EQ(table.calls, 2);
    EXPECT_EQ(pictures.CachedCount(), 0u);
}
