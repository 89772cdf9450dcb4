// The user's language: the mapping of Windows language identifiers, the string bases, and
// detection in real Wine processes started under other locales.
#include <gtest/gtest.h>

#include <string>

#include "control/enums.h"
#include "help/language.h"

using namespace brocade;

TEST(LanguageFromLangId, ChineseSplitsOnTheSublanguage) {
    EXPECT_EQ(LanguageFromLangId(0x0404), kChineseTraditional);  // Taiwan: sublanguage 1
    EXPECT_EQ(LanguageFromLangId(0x0804), kChineseSimplified);   // China
    EXPECT_EQ(LanguageFromLangId(0x0C04), kChineseSimplified);   // Hong Kong
    EXPECT_EQ(LanguageFromLangId(0x1004), kChineseSimplified);   // Singapore
    EXPECT_EQ(LanguageFromLangId(0x1404), kChineseSimplified);   // Macao
}

TEST(LanguageFromLangId, MapsThePrimaryLanguage) {
    EXPECT_EQ(LanguageFromLangId(0x0409), kEnglish);
    EXPECT_EQ(LanguageFromLangId(0x0809), kEnglish);
    EXPECT_EQ(LanguageFromLangId(0x0412), kKorean);
    EXPECT_EQ(LanguageFromLangId(0x0411), kJapanese);
    EXPECT_EQ(LanguageFromLangId(0x0410), kItalian);
    EXPECT_EQ(LanguageFromLangId(0x080C), kFrench);   // Belgium
    EXPECT_EQ(LanguageFromLangId(0x0C0A), kSpanish);  // modern sort
    EXPECT_EQ(LanguageFromLangId(0x0807), kGerman);   // Switzerland
    EXPECT_EQ(LanguageFromLangId(0x0419), kRussian);
}

TEST(LanguageFromLangId, EveryOtherLanguageIsEnglish) {
    EXPECT_EQ(LanguageFromLangId(0x0416), kEnglish);  // Portuguese, 22, inside the mapped range
    EXPECT_EQ(LanguageFromLangId(0x0405), kEnglish);  // Czech, 5
    EXPECT_EQ(LanguageFromLangId(0x0403), kEnglish);  // Catalan, 3: below the range
    EXPECT_EQ(LanguageFromLangId(0x041A), kEnglish);  // Croatian, 26: above it
    EXPECT_EQ(LanguageFromLangId(0x0000), kEnglish);
    EXPECT_EQ(LanguageFromLangId(0x0419 | 0x0400), kRussian);  // the sublanguage does not matter
}

TEST(LanguageStringBase, EachLanguageHasItsThousand) {
    EXPECT_EQ(LanguageStringBase(kEnglish), 1000);
    EXPECT_EQ(LanguageStringBase(kKorean), 2000);
    EXPECT_EQ(LanguageStringBase(kJapanese), 3000);
    EXPECT_EQ(LanguageStringBase(kItalian), 4000);
    EXPECT_EQ(LanguageStringBase(kFrench), 5000);
    EXPECT_EQ(LanguageStringBase(kSpanish), 6000);
    EXPECT_EQ(LanguageStringBase(kGerman), 7000);
    EXPECT_EQ(LanguageStringBase(kChineseTraditional), 8000);
    EXPECT_EQ(LanguageStringBase(kChineseSimplified), 9000);
    EXPECT_EQ(LanguageStringBase(kAuto), 1000);
    EXPECT_EQ(LanguageStringBase(kRussian), 10000);
    EXPECT_EQ(LanguageStringBase(42), 1000);
}

TEST(DetectLanguage, MapsTheUserDefaultLanguage) {
    EXPECT_EQ(DetectLanguage(), LanguageFromLangId(GetUserDefaultLangID()));
}

// --- Detection in new Wine processes under other Unix locales ---------------------------------

namespace {

const wchar_t kReportVariable[] = L"BROCADE_LANGUAGE_REPORT";

bool RunningUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

std::wstring ReadReport(const std::wstring &path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::wstring();
    char text[64] = {};
    DWORD read = 0;
    ReadFile(file, text, sizeof text - 1, &read, nullptr);
    CloseHandle(file);
    return std::wstring(text, text + read);
}

// Runs this test program again, as a new Wine process whose Unix environment carries the
// given assignments, and returns what its LanguageReport test wrote (empty on a time-out).
//
// Wine takes a process's user language from the Unix locale the process starts with. A
// Windows child inherits its parent's Unix environment whatever its environment block says,
// so LANG in the block of CreateProcess changes nothing; a Unix program started by Wine, such
// as env, does get the block as its environment, and env starts the new Wine process.
std::wstring RunUnderUnixEnvironment(const std::wstring &assignments) {
    wchar_t exe[MAX_PATH], temp[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    GetTempPathW(MAX_PATH, temp);
    std::wstring report = std::wstring(temp) + L"brocade_language_" + std::to_wstring(GetCurrentProcessId());
    DeleteFileW(report.c_str());

    std::wstring command = L"/usr/bin/env " + assignments + L" " + kReportVariable + L"=\"" + report +
                           L"\" wine \"" + exe + L"\" --gtest_filter=LanguageReport.* --gtest_brief=1";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup = {sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process = {};
    BOOL started = CreateProcessW(L"Z:\\usr\\bin\\env", command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                  nullptr, &startup, &process);
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (!started) return std::wstring();
    // A Unix program gets no process handle; the report file says when the child is done.
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    std::wstring text;
    for (int waited = 0; waited < 60000 && text.empty(); waited += 50) {
        Sleep(50);
        text = ReadReport(report);
    }
    DeleteFileW(report.c_str());
    return text;
}

}  // namespace

// Run only as the child of the test below: writes the language this process detected. The
// report is written aside and renamed, so the parent never reads half of it.
TEST(LanguageReport, WritesTheDetectedLanguageForItsParent) {
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(kReportVariable, path, MAX_PATH))
        GTEST_SKIP() << "runs as the child of LanguageDetection.FollowsTheLocaleOfEachNewWineProcess";
    std::wstring part = std::wstring(path) + L".part";
    std::string text = std::to_string(DetectLanguage());
    HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(MoveFileExW(part.c_str(), path, MOVEFILE_REPLACE_EXISTING));
}

TEST(LanguageDetection, FollowsTheLocaleOfEachNewWineProcess) {
    if (!RunningUnderWine()) GTEST_SKIP() << "Unix locales exist only under Wine";
    const struct {
        const wchar_t *locale;
        long language;
    } cases[] = {
        {L"ja_JP.UTF-8", kJapanese},          {L"zh_TW.UTF-8", kChineseTraditional},
        {L"zh_CN.UTF-8", kChineseSimplified}, {L"ru_RU.UTF-8", kRussian},
        {L"ko_KR.UTF-8", kKorean},            {L"pt_BR.UTF-8", kEnglish},
    };
    for (const auto &c : cases) {
        std::wstring locale = c.locale;
        EXPECT_EQ(RunUnderUnixEnvironment(L"LANG=" + locale + L" LC_ALL=" + locale), std::to_wstring(c.language))
            << "under " << std::string(locale.begin(), locale.end());
    }
    // Each new locale rewrote the shared "Control Panel\International" registry key; a last child
    // in this process's own locale writes it back for the tests that follow.
    EXPECT_EQ(RunUnderUnixEnvironment(L""), std::to_wstring(DetectLanguage()));
}
