// Default help read from resource libraries: the reading rules against a small test module,
// and every language against the real BrocadeRes.dll.
#include <gtest/gtest.h>

#include "control/enums.h"
#include "help/default_help.h"
#include "help/help_test_support.h"
#include "menu/captions.h"

using namespace brocade;
using help_test::FromCodePage;
using help_test::LoadedLibrary;
using help_test::ToCodePage;

namespace {

// BrocadeTestStrings.dll: one block of strings per reading rule (tests/legacy/help/test_strings.rc).
class ReadingRules : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(strings_.Get(), nullptr) << "BrocadeTestStrings.dll did not load"; }
    LoadedLibrary strings_{"BrocadeTestStrings.dll"};
    DefaultHelp help_;
};

class ResourceLibrary : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(library_.Get(), nullptr) << "BrocadeRes.dll did not load"; }
    LoadedLibrary library_{"BrocadeRes.dll"};
    DefaultHelp help_;
};

}  // namespace

TEST_F(ReadingRules, ASingleFieldStringIsSkippedAndAnEmptyOneEndsTheLanguage) {
    help_.LoadDefaultHelp(strings_.Get(), kEnglish);
    EXPECT_EQ(help_.FindDefaultHelp("&Open...", kEnglish), "Opens a document");  // after the skipped one
    EXPECT_EQ(help_.FindDefaultHelp("A STRING WITHOUT FIELDS", kEnglish), "");
    EXPECT_EQ(help_.FindDefaultHelp("After the End", kEnglish), "");
}

TEST_F(ReadingRules, TheFirstStringOfACaptionWinsInBothTables) {
    help_.LoadDefaultHelp(strings_.Get(), kEnglish);
    EXPECT_EQ(help_.FindDefaultHelp("Save &As...\tCtrl+Shift+S", kEnglish), "Saves the document under a new name");
    EXPECT_EQ(help_.FindDefaultPictureName("Save &As...", kEnglish), "SAVE_AS");
}

TEST_F(ReadingRules, AnEmptyPictureFieldGivesNoPictureName) {
    help_.LoadDefaultHelp(strings_.Get(), kEnglish);
    EXPECT_EQ(help_.FindDefaultHelp("&Print", kEnglish), "Prints the document");
    EXPECT_EQ(help_.FindDefaultPictureName("&Print", kEnglish), "");
    EXPECT_EQ(help_.FindDefaultPictureName("&Open", kEnglish), "");
}

TEST_F(ReadingRules, CaptionsInTheLibraryNeedNotBeUpperCase) {
    help_.LoadDefaultHelp(strings_.Get(), kEnglish);  // holds "Cut"
    EXPECT_EQ(help_.FindDefaultHelp("Cu&t\tCtrl+X", kEnglish), "Keys compare without regard to case");
    EXPECT_EQ(help_.FindDefaultPictureName("CUT", kEnglish), "CUT_PICTURE");
}

TEST_F(ReadingRules, AMissingIdentifierEndsTheLanguage) {
    help_.LoadDefaultHelp(strings_.Get(), kItalian);
    EXPECT_EQ(help_.FindDefaultHelp("FIRST", kItalian), "The first string");
    EXPECT_EQ(help_.FindDefaultHelp("THIRD", kItalian), "");
}

TEST_F(ReadingRules, TheFirstStringIsCutAt254CharactersAndLaterOnesAt1023) {
    help_.LoadDefaultHelp(strings_.Get(), kJapanese);
    std::string digits;
    for (int i = 0; i < 30; ++i) digits += "1234567890";
    std::string letters;
    for (int i = 0; i < 110; ++i) letters += "abcdefghij";
    // "FIRST\n" takes 6 of the 254 characters, "SECOND\n" 7 of the 1023.
    EXPECT_EQ(help_.FindDefaultHelp("FIRST", kJapanese), digits.substr(0, 248));
    EXPECT_EQ(help_.FindDefaultHelp("SECOND", kJapanese), letters.substr(0, 1016));
}

TEST_F(ReadingRules, ALanguageThatYieldedNothingIsReadAgain) {
    help_.LoadDefaultHelp(strings_.Get(), kKorean);  // a single string of one field
    EXPECT_EQ(help_.FindDefaultHelp("ONLY ONE FIELD", kKorean), "");
    EXPECT_FALSE(help_.HasPictureNames(kKorean));

    LoadedLibrary library("BrocadeRes.dll");
    help_.LoadDefaultHelp(library.Get(), kKorean);
    std::string save = ToCodePage(L"\uC800\uC7A5", 949);  // 저장
    EXPECT_EQ(FromCodePage(help_.FindDefaultHelp(save, kKorean), 949),
              L"\uD604\uC7AC \uBB38\uC11C\uB97C \uC800\uC7A5\uD569\uB2C8\uB2E4");  // 현재 문서를 저장합니다
    EXPECT_TRUE(help_.HasPictureNames(kKorean));
}

TEST_F(ReadingRules, AFilledLanguageIsNotReadAgain) {
    help_.LoadDefaultHelp(strings_.Get(), kEnglish);
    LoadedLibrary library("BrocadeRes.dll");
    help_.LoadDefaultHelp(library.Get(), kEnglish);
    EXPECT_EQ(help_.FindDefaultHelp("&New", kEnglish), "");  // BrocadeRes.dll would know it
    EXPECT_EQ(help_.FindDefaultHelp("&Open", kEnglish), "Opens a document");
}

TEST(DefaultHelpWithoutLibrary, EveryLookUpIsEmpty) {
    DefaultHelp help;
    for (long language = kEnglish; language <= kRussian; ++language) help.LoadDefaultHelp(nullptr, language);
    for (long language = kEnglish; language <= kRussian; ++language) {
        EXPECT_EQ(help.FindDefaultHelp("&Open...", language), "") << language;
        EXPECT_EQ(help.FindDefaultPictureName("&Open...", language), "") << language;
        EXPECT_FALSE(help.HasPictureNames(language)) << language;
    }
}

TEST_F(ResourceLibrary, SaveAsWithThreeFieldsGivesHelpAndPicture) {
    help_.LoadDefaultHelp(library_.Get(), kEnglish);
    EXPECT_EQ(help_.FindDefaultHelp("Save &As...", kEnglish), "Saves the active document under a new name");
    EXPECT_EQ(help_.FindDefaultPictureName("Save &As...", kEnglish), "SAVE_AS");
    EXPECT_EQ(help_.FindDefaultPictureName("Recent &Files", kEnglish), "");  // a command without picture
    EXPECT_EQ(help_.FindDefaultHelp("Recent &Files", kEnglish), "Lists the documents opened most recently");
}

TEST_F(ResourceLibrary, LanguagesNeverLoadedFallBackToEnglish) {
    help_.LoadDefaultHelp(library_.Get(), kEnglish);
    help_.LoadDefaultHelp(library_.Get(), kJapanese);
    EXPECT_EQ(help_.FindDefaultHelp("&Save\tCtrl+S", kGerman), "Saves the active document");
    // Japanese is loaded, but has no entry under an English caption.
    EXPECT_EQ(help_.FindDefaultHelp("&Print...", kJapanese), "Prints the active document");
    EXPECT_EQ(help_.FindDefaultHelp("&Print...", 42), "Prints the active document");
    EXPECT_EQ(help_.FindDefaultPictureName("&Print...", kGerman), "");  // pictures have no fallback
}

TEST_F(ResourceLibrary, AnyOtherLanguageValueReadsNothing) {
    help_.LoadDefaultHelp(library_.Get(), 42);
    help_.LoadDefaultHelp(library_.Get(), -1);
    EXPECT_EQ(help_.FindDefaultHelp("&Print...", 42), "");
    EXPECT_FALSE(help_.HasPictureNames(42));
}

namespace {

struct SaveAsText {
    long language;
    const wchar_t *caption;
    const wchar_t *help;
};

// The SAVE AS command of each language, as the tables in res/strings spell it.
const SaveAsText kSaveAs[] = {
    {kEnglish, L"SAVE AS", L"Saves the active document under a new name"},
    {kKorean, L"\uB2E4\uB978 \uC774\uB984\uC73C\uB85C \uC800\uC7A5",
     L"\uD604\uC7AC \uBB38\uC11C\uB97C \uC0C8 \uC774\uB984\uC73C\uB85C \uC800\uC7A5\uD569\uB2C8\uB2E4"},
    {kJapanese, L"\u540D\u524D\u3092\u4ED8\u3051\u3066\u4FDD\u5B58",
     L"\u4F5C\u696D\u4E2D\u306E\u6587\u66F8\u306B\u65B0\u3057\u3044\u540D\u524D\u3092\u4ED8\u3051\u3066"
     L"\u4FDD\u5B58\u3057\u307E\u3059"},
    {kItalian, L"SALVA CON NOME", L"Salva il documento attivo con un nuovo nome"},
    {kFrench, L"ENREGISTRER SOUS", L"Enregistre le document actif sous un nouveau nom"},
    {kSpanish, L"GUARDAR COMO", L"Guarda el documento activo con otro nombre"},
    {kGerman, L"SPEICHERN UNTER", L"Speichert das aktive Dokument unter einem neuen Namen"},
    {kChineseTraditional, L"\u53E6\u5B58\u65B0\u6A94",
     L"\u4EE5\u65B0\u7684\u540D\u7A31\u5132\u5B58\u4F7F\u7528\u4E2D\u7684\u6587\u4EF6"},
    {kChineseSimplified, L"\u53E6\u5B58\u4E3A", L"\u4EE5\u65B0\u540D\u79F0\u4FDD\u5B58\u5F53\u524D\u6587\u6863"},
    {kRussian, L"\u0421\u041E\u0425\u0420\u0410\u041D\u0418\u0422\u042C \u041A\u0410\u041A",
     L"\u0421\u043E\u0445\u0440\u0430\u043D\u044F\u0435\u0442 \u0430\u043A\u0442\u0438\u0432\u043D\u044B\u0439 "
     L"\u0434\u043E\u043A\u0443\u043C\u0435\u043D\u0442 \u043F\u043E\u0434 \u043D\u043E\u0432\u044B\u043C "
     L"\u0438\u043C\u0435\u043D\u0435\u043C"},
};

}  // namespace

TEST_F(ResourceLibrary, EveryLanguageReadsItsOwnTextsInItsCodePage) {
    for (const SaveAsText &expected : kSaveAs) {
        SCOPED_TRACE(expected.language);
        DefaultHelp help;
        help.LoadDefaultHelp(library_.Get(), expected.language);
        UINT codePage = GetLanguageCodePage(expected.language);
        // The menu shows the caption with a mnemonic and an ellipsis.
        std::string caption = ToCodePage(std::wstring(L"&") + expected.caption + L"...", codePage);
        EXPECT_EQ(FromCodePage(help.FindDefaultHelp(caption, expected.language), codePage), expected.help);
        EXPECT_EQ(help.FindDefaultPictureName(caption, expected.language), "SAVE_AS");
    }
}

// Wine's ANSI code page here is 1252 (Western); LoadStringA would turn Japanese into '?'.
TEST_F(ResourceLibrary, JapaneseComesOutAsCodePage932WhateverTheSystemCodePage) {
    help_.LoadDefaultHelp(library_.Get(), kJapanese);
    // 付 (0x95 0x74) has a trail byte that upper-cases to 'T' in code page 1252: the clean caption
    // and the table key fold alike, so the look-up still matches.
    std::string caption = ToCodePage(L"\u540D\u524D\u3092\u4ED8\u3051\u3066\u4FDD\u5B58...", 932);
    std::string help = help_.FindDefaultHelp(caption, kJapanese);
    ASSERT_FALSE(help.empty()) << "system code page " << GetACP();
    // Bytes that are not valid Shift-JIS would convert to nothing.
    EXPECT_EQ(FromCodePage(help, 932), kSaveAs[2].help);
}

TEST_F(ResourceLibrary, RussianComesOutAsCodePage1251) {
    help_.LoadDefaultHelp(library_.Get(), kRussian);
    std::string caption = ToCodePage(L"\u0421\u041E\u0425\u0420\u0410\u041D\u0418\u0422\u042C &\u041A\u0410\u041A...",
                                     1251);
    std::string help = help_.FindDefaultHelp(caption, kRussian);
    EXPECT_EQ(FromCodePage(help, 1251), kSaveAs[9].help);
    EXPECT_EQ(static_cast<unsigned char>(help[0]), 0xD1u);  // С in code page 1251
}
