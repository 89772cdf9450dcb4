// Clean captions (the key of help texts and picture names) and the code page of each language.
#include <gtest/gtest.h>

#include "control/enums.h"
#include "help/help_test_support.h"
#include "menu/captions.h"

using namespace brocade;

TEST(CleanCaption, DropsMnemonicsPeriodsAndShortcutAndUpperCases) {
    EXPECT_EQ(GetCleanCaption("&Save As...\tCtrl+S"), "SAVE AS");
    EXPECT_EQ(GetCleanCaption("  E&xit  "), "EXIT");
    // Every period goes, not only an ellipsis.
    EXPECT_EQ(GetCleanCaption("Page &1.5"), "PAGE 15");
    EXPECT_EQ(GetCleanCaption("a.b&c"), "ABC");
}

TEST(CleanCaption, TrimsBeforeCuttingAtTheTab) {
    // The blank before the tab survives: trimming ran first.
    EXPECT_EQ(GetCleanCaption("Open \tCtrl+O"), "OPEN ");
    // Only blanks are trimmed, so a leading tab cuts everything.
    EXPECT_EQ(GetCleanCaption("\tOpen"), "");
    EXPECT_EQ(GetCleanCaption(" &Open\t"), "OPEN");
}

TEST(CleanCaption, EmptyAndBlankTextsAreEmpty) {
    EXPECT_EQ(GetCleanCaption(""), "");
    EXPECT_EQ(GetCleanCaption("   "), "");
    EXPECT_EQ(GetCleanCaption("&..&"), "");
}

TEST(CleanCaption, UpperCasesLettersOfTheSystemCodePage) {
    std::string lower = help_test::ToCodePage(L"propri\u00e9t\u00e9s", CP_ACP);
    std::string upper = help_test::ToCodePage(L"PROPRI\u00c9T\u00c9S", CP_ACP);
    if (help_test::FromCodePage(lower, CP_ACP) != L"propri\u00e9t\u00e9s")
        GTEST_SKIP() << "the system code page " << GetACP() << " has no accented Latin letters";
    EXPECT_EQ(GetCleanCaption(lower), upper);
}

TEST(LanguageCodePage, FollowsTheLanguageTable) {
    EXPECT_EQ(GetLanguageCodePage(kKorean), 949u);
    EXPECT_EQ(GetLanguageCodePage(kJapanese), 932u);
    EXPECT_EQ(GetLanguageCodePage(kChineseTraditional), 950u);
    EXPECT_EQ(GetLanguageCodePage(kChineseSimplified), 936u);
    EXPECT_EQ(GetLanguageCodePage(kRussian), 1251u);
    for (long language : {kEnglish, kItalian, kFrench, kSpanish, kGerman, kAuto})
        EXPECT_EQ(GetLanguageCodePage(language), 0u) << language;
    for (long other : {-1L, 11L, 42L}) EXPECT_EQ(GetLanguageCodePage(other), 0u) << other;
}
