// Keyboard mnemonics of owner-drawn items outside ASCII, typed as a window subclassed with the
// W procedures receives them (UTF-16), under ANSI code pages where the character's byte differs
// from its UTF-16 value. Each code page is a new Wine process under a Unix locale that gives it
// (the ANSI code page cannot change inside a process); a last process in this test's own locale
// puts the regional settings back.
#include <gtest/gtest.h>

#include <string>

#include "support/form.h"
#include "support/hosted_control.h"
#include "support/locale_process.h"
#include "support/menus.h"

using namespace brocade_test;

namespace {

struct CodePageMenu {
    const char *locale;
    UINT codePage;
    const wchar_t *items[3];  // nullptr: a separator
};
const CodePageMenu kMenus[] = {
    {"ru_RU.UTF-8", 1251, {L"&Правка", nullptr, L"&Файл"}},
    {"de_DE.UTF-8", 1252, {L"&Ära", nullptr, L"&€uro"}},
};

// The key typed, and the answer: the item's position with MNC_EXECUTE, or -1 when the form's
// own procedure answers.
struct Typed {
    const char *name;
    UINT codePage;
    wchar_t key;
    int position;
};
const Typed kTyped[] = {
    {"cyrillic_lower", 1251, L'ф', 2},
    {"cyrillic_upper", 1251, L'Ф', 2},
    {"cyrillic_first", 1251, L'п', 0},
    {"cyrillic_no_match", 1251, L'я', -1},
    {"euro_0x80", 1252, L'€', 2},          // 0x80 in 1252, U+20AC
    {"a_umlaut_lower", 1252, L'ä', 0},     // above 0x9F: the same in Latin-1
    {"a_umlaut_upper", 1252, L'Ä', 0},
    {"s_caron_no_match", 1252, L'š', -1},  // 0x9A in 1252
};

const char kChild[] = "MnemonicsChild.AnswersTheKeysOfItsCodePage";

}  // namespace

// Runs only in the processes the test below starts: types every key of this process's code page.
TEST(MnemonicsChild, AnswersTheKeysOfItsCodePage) {
    if (!RunningAsChild()) GTEST_SKIP() << "runs in the processes Mnemonics.* start";
    std::map<std::string, std::string> report = {{"acp", std::to_string(GetACP())}};
    for (const CodePageMenu &menu : kMenus) {
        if (menu.codePage != GetACP()) continue;
        Form form;
        HMENU popup = form.AddPopup("&Menu", {});
        UINT id = 200;
        for (const wchar_t *item : menu.items)
            item ? AppendMenuW(popup, MF_STRING, id++, item) : AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        HostedControl control = HostedControl::InAtl(form);
        DrawItemThroughForm(form, popup, 0);  // the control scans the popup and takes its items over
        for (const Typed &typed : kTyped) {
            if (typed.codePage != menu.codePage) continue;
            // Sent by the test: Wine answers owner-drawn items' mnemonics itself and never sends it.
            const int before = form.Count(WM_MENUCHAR);
            const LRESULT answer =
                SendMessageW(form, WM_MENUCHAR, MAKEWPARAM(typed.key, MF_POPUP), reinterpret_cast<LPARAM>(popup));
            const bool routed = form.Count(WM_MENUCHAR) > before;
            report[typed.name] = routed && answer == 0 ? "-1"
                                 : HIWORD(answer) == MNC_EXECUTE && !routed ? std::to_string(LOWORD(answer))
                                 : "answer " + std::to_string(answer) + (routed ? " routed" : "");
        }
    }
    ReportToParent(report);
}

TEST(Mnemonics, NonAsciiKeysChooseTheirItemUnderTheirAnsiCodePage) {
    if (!RunningUnderWine()) GTEST_SKIP() << "the ANSI code page follows the Unix locale only under Wine";
    std::map<std::string, std::string> answers;
    for (const CodePageMenu &menu : kMenus) {
        std::map<std::string, std::string> report = ParseReport(RunTestInLocale(kChild, menu.locale));
        EXPECT_EQ(report["acp"], std::to_string(menu.codePage)) << "the ANSI code page under " << menu.locale;
        report.erase("acp");
        answers.insert(report.begin(), report.end());
    }
    RunTestInLocale(kChild, "");  // the regional settings of this test's own locale come back
    for (const Typed &typed : kTyped)
        EXPECT_EQ(answers[typed.name], std::to_string(typed.position)) << typed.name;
}
