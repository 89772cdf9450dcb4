// Finding the form's status bar among its children, and writing help into part 0 of a real
// common-controls status bar, as ANSI text or, for the East Asian languages, as wide text.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "help/help_test_support.h"
#include "help/menu_help_support.h"
#include "help/status_bar.h"

using namespace brocade;
using help_test::TestForm;
using help_test::ToCodePage;

TEST(FindStatusBar, FindsTheCommonControlsBarOfAFormThatHasNoOther) {
    TestForm form("msctls_statusbar32");
    ASSERT_NE(form.StatusBar(), nullptr);
    EXPECT_EQ(FindStatusBar(form.Handle()), form.StatusBar());
}

TEST(FindStatusBar, PrefersTheHostRuntimesBarsInTheirOrder) {
    TestForm form("msctls_statusbar32");
    HWND older = form.AddChild("StatusBarWndClass");
    EXPECT_EQ(FindStatusBar(form.Handle()), older);
    HWND newer = form.AddChild("StatusBar20WndClass");
    EXPECT_EQ(FindStatusBar(form.Handle()), newer);
}

TEST(FindStatusBar, AFormWithoutABarGivesNone) {
    TestForm form(nullptr);
    form.AddChild("Button");
    EXPECT_EQ(FindStatusBar(form.Handle()), nullptr);
}

TEST(FindStatusBar, NoWindowGivesNoneEvenWhenATopLevelWindowHasABarClass) {
    TestForm form("StatusBarWndClass");  // registers the class
    HWND topLevel = CreateWindowExA(0, "StatusBarWndClass", nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(topLevel, nullptr);
    EXPECT_EQ(FindStatusBar(nullptr), nullptr);
    DestroyWindow(topLevel);
}

class StatusText : public testing::Test {
protected:
    TestForm form{"msctls_statusbar32"};
    HWND bar() const { return form.StatusBar(); }
};

TEST_F(StatusText, WritesPartZeroOnlyAndKeepsTheHostsLayout) {
    int edges[] = {100, 200, -1};
    SendMessageA(bar(), SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    SendMessageA(bar(), SB_SETTEXTA, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>("Ready"));
    SendMessageA(bar(), SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>("Old"));

    SetStatusText(bar(), "Opens a document", kEnglish);

    EXPECT_EQ(form.StatusText(0), "Opens a document");
    EXPECT_EQ(HIWORD(SendMessageA(bar(), SB_GETTEXTLENGTHA, 0, 0)), 0) << "part 0 is written without drawing flags";
    EXPECT_EQ(form.StatusText(1), "Ready");
    EXPECT_EQ(SendMessageA(bar(), SB_GETPARTS, 0, 0), 3);
    EXPECT_FALSE(SendMessageA(bar(), SB_ISSIMPLE, 0, 0));
}

TEST_F(StatusText, AnEmptyTextClearsThePart) {
    SetStatusText(bar(), "Something", kEnglish);
    SetStatusText(bar(), "", kEnglish);
    EXPECT_EQ(form.StatusText(), "");
    SetStatusText(bar(), "Something", kJapanese);
    SetStatusText(bar(), "", kJapanese);
    EXPECT_EQ(form.StatusTextW(), L"");
}

// The texts of these languages are bytes of their own code page, which this system's ANSI
// code page would garble; they must arrive as the characters they stand for.
TEST_F(StatusText, EastAsianTextsArriveAsWideText) {
    struct Case {
        long language;
        UINT codePage;
        std::wstring text;
    } cases[] = {
        {kJapanese, 932, L"\x65E2\x5B58\x306E\x6587\x66F8\x3092\x958B\x304D\x307E\x3059"},  // 既存の文書を開きます
        {kKorean, 949, L"\xAE30\xC874 \xBB38\xC11C\xB97C \xC5FD\xB2C8\xB2E4"},              // 기존 문서를 엽니다
        {kChineseTraditional, 950, L"\x958B\x555F\x73FE\x6709\x7684\x6587\x4EF6"},          // 開啟現有的文件
        {kChineseSimplified, 936, L"\x6253\x5F00\x73B0\x6709\x6587\x6863"},                 // 打开现有文档
    };
    for (const Case &c : cases) {
        std::string bytes = ToCodePage(c.text, c.codePage);
        ASSERT_FALSE(bytes.empty());
        SetStatusText(bar(), bytes, c.language);
        EXPECT_EQ(form.StatusTextW(), c.text) << "language " << c.language;
    }
}

TEST_F(StatusText, OtherLanguagesGoInAsTheyAre) {
    // Russian bytes (code page 1251) are handed over in the system code page unchanged.
    std::string bytes = ToCodePage(L"\x041E\x0442\x043A\x0440\x044B\x0442\x044C", 1251);
    SetStatusText(bar(), bytes, kRussian);
    EXPECT_EQ(form.StatusText(), bytes);
    SetStatusText(bar(), "Ouvre un document", kFrench);
    EXPECT_EQ(form.StatusText(), "Ouvre un document");
}

TEST(StatusTextWithoutABar, NothingHappensForNoWindowOrADestroyedOne) {
    SetStatusText(nullptr, "Help", kEnglish);
    TestForm form;
    HWND bar = form.StatusBar();
    form.DestroyStatusBar();
    SetStatusText(bar, "Help", kEnglish);
    SetStatusText(bar, "Help", kJapanese);
    EXPECT_FALSE(IsWindow(bar));
}
