// Help as a host sees it: ShowMenuHelp and ClearMenuHelp as the selection moves, the status bar
// the control finds and writes, the host's messages keyed by clean captions, the default help of
// every language of the resource library and the rules it is read by, and the language detected.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "help/help_form.h"

using namespace brocade_test;

namespace {

// Menu texts and help pass between the menu, the control and the host as bytes of the ANSI
// code page: the texts of another code page survive only when it gives every byte back.
std::string Bytes(const std::wstring &text, UINT codePage) {
    char bytes[2048] = "";
    WideCharToMultiByte(codePage, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}
std::wstring Text(const std::string &bytes, UINT codePage = CP_ACP) {
    wchar_t text[2048] = L"";
    MultiByteToWideChar(codePage, 0, bytes.c_str(), -1, text, 2048);
    return text;
}
bool SurvivesAnsiCodePage(const std::string &bytes) { return Bytes(Text(bytes), CP_ACP) == bytes; }

}  // namespace

TEST(Help, EachSelectionOffersItsHelpAndWritesOrClearsPartZeroOfTheStatusBar) {
    HelpForm host({"&Open...\tCtrl+O", "-", "&Save", "&Frobnicate"});
    host.form.AddPopup("&Recent", {"a.txt"}, host.menu);  // position 4
    HMENU unscanned = host.form.MakePopup({"&Save"});     // command 104
    host.Scan();
    const struct {
        const char *name; bool autoShowHelp; HMENU menu; UINT id, flags; const wchar_t *hostText;  // menu null: closed
        std::vector<std::wstring> events; const wchar_t *status;  // part 0 afterwards; the host wrote "Before"
    } rows[] = {
        {"AnItemsHelpIsOfferedAndWritten", true, host.menu, 101, MF_HILITE, nullptr, {L"Show:&Save:Saves the active document"}, L"Saves the active document"},
        {"WithoutAutoShowHelpTheBarStays", false, host.menu, 101, MF_HILITE, nullptr, {L"Show:&Save:Saves the active document"}, L"Before"},
        {"TheHostsReplacementIsShown", true, host.menu, 101, MF_HILITE, L"Saved, says the host", {L"Show:&Save:Saves the active document"}, L"Saved, says the host"},
        {"AnItemWithoutHelpOffersNoneAndClears", true, host.menu, 102, MF_HILITE, nullptr, {L"Show:&Frobnicate:"}, L""},
        {"ASeparatorClears", true, host.menu, 0, MF_SEPARATOR | MF_HILITE, nullptr, {L"Clear"}, L""},
        {"ASeparatorWithoutAutoShowHelpRaisesNothing", false, host.menu, 0, MF_SEPARATOR | MF_HILITE, nullptr, {}, L"Before"},
        {"ASubmenuTitleClears", true, host.menu, 4, MF_POPUP | MF_HILITE, nullptr, {L"Clear"}, L""},
        {"ASubmenuTitleWithoutAutoShowHelpRaisesClear", false, host.menu, 4, MF_POPUP | MF_HILITE, nullptr, {L"Clear"}, L"Before"},
        {"ClosingTheMenuClears", true, nullptr, 0, 0, nullptr, {L"Clear"}, L""},
        {"ClosingWithoutAutoShowHelpRaisesClear", false, nullptr, 0, 0, nullptr, {L"Clear"}, L"Before"},
        {"AMenuTheControlNeverScannedRaisesNothing", true, unscanned, 104, MF_HILITE, nullptr, {}, L"Before"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Put(host.control, L"AutoShowHelp", row.autoShowHelp);
        SetWindowTextW(host.bars[0], L"Before");  // a status bar's part 0
        host.log.clear();
        host.hostText = row.hostText;
        row.menu ? host.Select(row.id, row.flags, row.menu) : host.CloseMenu();
        EXPECT_EQ(host.log, row.events);
        EXPECT_EQ(StatusText(host.bars[0]), row.status);
    }
}

// Stand-ins for the status bars of the host runtime: their text is the part 0 they are given.
LRESULT CALLBACK RuntimeBar(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return msg == SB_SETTEXTA ? SetWindowTextA(window, reinterpret_cast<const char *>(lParam)) : DefWindowProcA(window, msg, wParam, lParam);
}

TEST(Help, TheStatusBarsOfTheHostRuntimeComeBeforeTheCommonControlsOne) {
    for (const char *name : {"StatusBarWndClass", "StatusBar20WndClass"}) {
        WNDCLASSA runtimeBar = {0, RuntimeBar, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, name};
        RegisterClassA(&runtimeBar);
    }
    // The bars, in the order they are made, and the one the help is written to.
    const struct { const char *name; std::vector<const char *> classes; int written; } rows[] = {
        {"NoBar", {}, -1}, {"CommonControls", {STATUSCLASSNAMEA}, 0}, {"OlderRuntime", {STATUSCLASSNAMEA, "StatusBarWndClass"}, 1},
        {"NewerRuntime", {STATUSCLASSNAMEA, "StatusBar20WndClass", "StatusBarWndClass"}, 1}};
    for (const auto &row : rows) {
        HelpForm host({"&Save"}, row.classes);
        host.Scan();
        EXPECT_EQ(host.OfferedHelp(100), L"Saves the active document") << row.name << ": the host gets it, bar or no bar";
        for (int i = 0; i < static_cast<int>(host.bars.size()); ++i)
            EXPECT_EQ(StatusText(host.bars[i]), i == row.written ? L"Saves the active document" : L"") << row.name << ": bar " << i;
    }
}

TEST(Help, TheHostsMessagesAreKeyedByCleanCaptionsAndTheDefaultHelpServesTheRest) {
    HelpForm host({"Save &As...\tCtrl+S", "save as", "&Open", "Frobnicate: no bar", "&Print...", "&New", "&Save"});
    host.sink.onSetMenuItemAttributes = [&](_CMenuItem *item) {
        if (host.sink.events.back().caption == L"&Save") item->put_Language(German);  // never loaded
    };
    IDispatch *control = host.control;
    EXPECT_EQ(Call(control, L"AddMessage", {L"&Save As...\tCtrl+Shift+S", L"  Saves under a new name  "}).hr, S_OK);
    EXPECT_EQ(Call(control, L"AddCompositeMessage", {L"&Open...\tCtrl+O| Opens a file | or two "}).hr, S_OK);
    const Invoked duplicate = Call(control, L"AddMessage", {L"open", L"Second"});
    EXPECT_EQ(duplicate.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(duplicate.scode, static_cast<SCODE>(0x800A01C9)) << "the collection's error 457, a duplicate key";
    EXPECT_EQ(Call(control, L"AddCompositeMessage", {L"Frobnicate: no bar"}).hr, S_OK);
    EXPECT_EQ(Call(control, L"AddMessage", {L"Print", L"Prints"}).hr, S_OK);
    EXPECT_EQ(Call(control, L"RemoveMessage", {L"&print...\tCtrl+P"}).hr, S_OK);
    EXPECT_EQ(Call(control, L"RemoveMessage", {L"Missing"}).hr, S_OK);
    host.Scan();
    const struct { const char *name; const wchar_t *help; } rows[] = {  // one per item
        {"KeysAreCleanCaptionsAndTextsAreTrimmed", L"Saves under a new name"}, {"KeysIgnoreLetterCase", L"Saves under a new name"},
        {"ACompositeSplitsAtItsFirstBarAndTheFirstEntryStays", L"Opens a file | or two"}, {"ACompositeWithoutABarIsIgnored", L""},
        {"ARemovedMessageLeavesTheDefaultHelp", L"Prints the active document"},
        {"TheDefaultHelpServesWhatTheHostLeftOut", L"Creates a new document"},
        {"ALanguageNeverLoadedFallsBackToEnglish", L"Saves the active document"},
    };
    for (UINT i = 0; i < std::size(rows); ++i) EXPECT_EQ(host.OfferedHelp(100 + i), rows[i].help) << rows[i].name;
    const std::pair<const wchar_t *, const wchar_t *> captions[] = {
        {L"&Save As...\tCtrl+S", L"SAVE AS"}, {L"  E&xit  ", L"EXIT"}, {L"Page &1.5", L"PAGE 15"}, {L"\tOpen", L""},
        {L"Open \tCtrl+O", L"OPEN "},  // trimmed before the cut
        {L"&..&", L""}, {L"", L""}, {L"propriétés", Text(Bytes(L"PROPRIÉTÉS", CP_ACP)) == L"PROPRIÉTÉS" ? L"PROPRIÉTÉS" : nullptr},
    };
    for (const auto &row : captions) {
        if (!row.second) continue;  // the accented letters where the ANSI code page has them
        EXPECT_EQ(Call(control, L"GetCleanCaption", {row.first}).value.AsString(), row.second) << "of \"" << row.first << "\"";
    }
}

TEST(Help, EveryCommandOfEveryLanguageOfTheResourceLibraryGivesItsHelpAndPictures) {
    const HMODULE library = LoadLibraryW(L"BrocadeRes.dll");  // the control's own, read for what it holds
    ASSERT_TRUE(library);
    // The code page of each language's texts; 0: the ANSI code page.
    const struct { const char *name; long language; UINT base, codePage; } rows[] = {
        {"English", English, 1000, 0}, {"Korean", Korean, 2000, 949}, {"Japanese", Japanese, 3000, 932}, {"Italian", Italian, 4000, 0},
        {"French", French, 5000, 0},   {"Spanish", Spanish, 6000, 0}, {"German", German, 7000, 0},
        {"ChineseTraditional", Chinese_Traditional_, 8000, 950}, {"ChineseSimplified", Chinese_Simplified_, 9000, 936},
        {"Russian", Russian, 10000, 1251},
    };
    std::vector<std::vector<std::wstring>> english;
    for (const auto &row : rows) {
        HelpForm host({});
        std::vector<std::vector<std::wstring>> strings;  // the fields of "CAPTION\nhelp[\npicture]" from the base on
        const wchar_t *text = nullptr;
        for (UINT id = row.base; int length = LoadStringW(library, id, reinterpret_cast<LPWSTR>(&text), 0); ++id) {
            std::wistringstream fields(std::wstring(text, length));
            strings.emplace_back();
            for (std::wstring field; std::getline(fields, field, L'\n');) strings.back().push_back(field);
            strings.back().resize(3);
            // The menu shows the caption with a mnemonic and an ellipsis, in its language's code page.
            const std::string caption = Bytes(L"&" + strings.back()[0] + L"...", row.codePage);
            if (SurvivesAnsiCodePage(caption) && SurvivesAnsiCodePage(Bytes(strings.back()[1], row.codePage)))
                AppendMenuA(host.menu, MF_STRING, 100 + strings.size() - 1, caption.c_str());
        }
        if (GetMenuItemCount(host.menu) < static_cast<int>(strings.size()))
            GTEST_SKIP() << "the ANSI code page " << GetACP() << " cannot carry the texts of " << row.name;
        if (english.empty()) english = strings;
        EXPECT_EQ(strings.size(), english.size()) << row.name << ": the commands of English";
        ASSERT_EQ(Put(host.control, L"Language", row.language).hr, S_OK);
        host.Scan();
        for (UINT i = 0; i < strings.size() && i < english.size(); ++i) {
            SCOPED_TRACE(std::string(row.name) + " string " + std::to_string(row.base + i));
            const std::wstring &help = strings[i][1], offered = host.OfferedHelp(100 + i);
            EXPECT_EQ(Text(Bytes(offered, CP_ACP), row.codePage), help) << "offered in its code page";
            EXPECT_TRUE(row.language == English || help != english[i][1]) << "translated";
            // The East Asian texts reach the bar as wide text, so the ANSI code page cannot garble them.
            EXPECT_EQ(StatusText(host.bars[0]), row.codePage && row.codePage != 1251 ? help : offered);
            wchar_t caption[256] = L"";
            GetMenuStringW(host.menu, 100 + i, caption, 256, MF_BYCOMMAND);
            // Every language names the pictures; the icon sets are the same for all.
            for (long set : row.language == English ? std::vector<long>{0, 1, 16, 17, 18} : std::vector<long>{0})
                EXPECT_EQ(!!Call(host.control, L"GetDefaultPictureEx2", {caption, row.language, set}).value.AsDispatch(), !strings[i][2].empty())
                    << "its picture in icon set " << set;
        }
    }
    FreeLibrary(library);
}

TEST(Help, TheDefaultHelpIsReadByTheRulesOfTheResourceLibrary) {
    // The control loads its library by bare name, and a module of that name already loaded is
    // the one it gets: a string table made for these rules takes the library's place.
    ASSERT_EQ(GetModuleHandleW(L"BrocadeRes.dll"), nullptr) << "no control may be alive";
    const HMODULE strings = LoadLibraryW(L"test_strings\\BrocadeRes.dll");  // beside this program
    ASSERT_TRUE(strings);
    const struct { const char *name; long language; const char *caption; std::wstring help; } rows[] = {
        {"AStringWithoutFieldsIsSkipped", English, "&Open...", L"Opens a document"},
        {"TheFirstStringOfACaptionWins", English, "Save &As...", L"Saves the document under a new name"},
        {"CaptionsOfTheLibraryIgnoreLetterCase", English, "Cu&t\tCtrl+X", L"Keys compare without regard to case"},
        {"AnEmptyStringEndsTheLanguage", English, "After the End", L""},
        {"StringsBeforeAMissingIdentifierAreRead", Italian, "&First", L"The first string"},
        {"AMissingIdentifierEndsTheLanguage", Italian, "&Third", L""},
        {"TheFirstStringIsCutAt254Characters", Japanese, "&First", std::wstring(254 - 6, L'1')},  // after "FIRST\n"
        {"LaterStringsAreCutAt1023Characters", Japanese, "&Second", std::wstring(1023 - 7, L'2')},
        {"ALanguageWithoutEntriesFallsBackToEnglish", Korean, "&Open", L"Opens a document"},
    };
    for (const auto &row : rows) {
        HelpForm host({row.caption});
        Put(host.control, L"Language", row.language);
        host.Scan();
        EXPECT_EQ(host.OfferedHelp(100), row.help) << row.name;
    }
    FreeLibrary(strings);
}

// --- The language a new control detects, in Wine processes started in other locales --------

namespace {

const wchar_t kReportVariable[] = L"BROCADE_LANGUAGE_REPORT";

// This program started again by the test below: reports the language a new control starts with
// and the one it reads back after Auto, then leaves before any test runs. The report is written
// aside and renamed, so the parent never reads half of it.
const bool g_reportingChild = [] {
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(kReportVariable, path, MAX_PATH)) return false;
    OleInitialize(nullptr);
    HelpForm host({});
    const long created = Get(host.control, L"Language").value.AsLong();
    Put(host.control, L"Language", static_cast<int>(Auto));
    const std::wstring part = std::wstring(path) + L".part";
    FILE *report = _wfopen(part.c_str(), L"w");
    fprintf(report, "%ld %ld", created, Get(host.control, L"Language").value.AsLong());
    fclose(report);
    MoveFileExW(part.c_str(), path, MOVEFILE_REPLACE_EXISTING);
    ExitProcess(0);
}();

// What this program reports as a new Wine process whose Unix environment carries the
// assignments. Wine takes a process's user language from the Unix locale it starts with, and a
// Windows child inherits its parent's Unix environment whatever its own block says; a Unix
// program started by Wine, such as env, gets the block, and env starts the new process.
std::string ReportUnder(const std::wstring &assignments) {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring path = exe + std::wstring(L".language");
    DeleteFileW(path.c_str());  // left by a run that was stopped
    std::wstring command = L"/usr/bin/env " + assignments + L" " + kReportVariable + L"=\"" + path + L"\" wine \"" + exe + L"\"";
    // Its output goes nowhere, so nothing it starts can hold the test's output open.
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    STARTUPINFOW startup = {sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError =
        CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    PROCESS_INFORMATION process = {};
    CreateProcessW(L"Z:\\usr\\bin\\env", command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(startup.hStdInput);
    // A Unix program gets no process handle to wait on: the report says when the child is done.
    char text[64] = "";
    WaitFor([&] {
        std::unique_ptr<FILE, int (*)(FILE *)> report(_wfopen(path.c_str(), L"r"), fclose);
        return report && fgets(text, sizeof text, report.get());
    }, 30000, "the report of the child process");
    DeleteFileW(path.c_str());
    return text;
}

}  // namespace

TEST(Language, ANewControlAndLanguageAutoTakeTheLanguageOfTheUsersLocale) {
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) GTEST_SKIP() << "Unix locales exist only under Wine";
    const std::pair<const wchar_t *, const char *> rows[] = {  // the locale; the language at creation, and after Auto
        {L"ja_JP.UTF-8", "2 2"}, {L"zh_TW.UTF-8", "7 7"}, {L"zh_CN.UTF-8", "8 8"}, {L"ru_RU.UTF-8", "10 10"},
        {L"ko_KR.UTF-8", "1 1"}, {L"de_DE.UTF-8", "6 6"}, {L"pt_BR.UTF-8", "0 0"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ReportUnder(std::wstring(L"LANG=") + row.first + L" LC_ALL=" + row.first), row.second) << row.first;
    // Each locale rewrote the prefix's regional settings: a last child in this process's own
    // locale writes them back.
    const std::string own = ReportUnder(L"");
    EXPECT_EQ(own.substr(0, own.find(' ')), own.substr(own.find(' ') + 1)) << own;
}
