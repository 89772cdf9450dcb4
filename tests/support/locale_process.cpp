#include "support/locale_process.h"

#include <gtest/gtest.h>

#include <sstream>

namespace brocade_test {

namespace {

const wchar_t kReportVariable[] = L"BROCADE_TEST_CHILD_REPORT";

std::wstring Widen(const std::string &text) { return std::wstring(text.begin(), text.end()); }

// The whole file once its writer has renamed it into place; empty before.
std::string ReadReport(const std::wstring &path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) text.append(buffer, read);
    CloseHandle(file);
    return text;
}

}  // namespace

bool RunningUnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

bool RunningAsChild() { return GetEnvironmentVariableW(kReportVariable, nullptr, 0) != 0; }

// Wine takes a process's locale from the Unix environment it starts with. A Windows child
// inherits its parent's Unix environment whatever its environment block says; a Unix program
// started by Wine, such as env, gets the block, and env starts the new Wine process.
std::string RunTestInLocale(const std::string &test, const std::string &locale, DWORD deadlineMs, Caller caller) {
    wchar_t exe[MAX_PATH], temp[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    GetTempPathW(MAX_PATH, temp);
    static int runs = 0;
    const std::wstring report = std::wstring(temp) + L"brocade_child_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                std::to_wstring(++runs);
    DeleteFileW(report.c_str());

    std::wstring assignments = locale.empty() ? L"" : L"LANG=" + Widen(locale) + L" LC_ALL=" + Widen(locale) + L" ";
    std::wstring command = L"/usr/bin/env " + assignments + kReportVariable + L"=\"" + report + L"\" wine \"" + exe +
                           L"\" --gtest_filter=" + Widen(test) + L" --gtest_brief=1";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup = {sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(L"Z:\\usr\\bin\\env", command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (!started) {
        ADD_FAILURE_AT(caller.file, caller.line) << "could not start " << test << " under " << locale;
        return std::string();
    }
    // A Unix program gets no process handle to wait on; the report says when the child is done.
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    std::string text;
    WaitFor([&] { return !(text = ReadReport(report)).empty(); }, deadlineMs,
            "the report of " + test + " under " + (locale.empty() ? "this process's locale" : locale), caller);
    DeleteFileW(report.c_str());
    return text;
}

// Written aside and renamed, so the parent never reads half of it.
void ReportToParent(const std::map<std::string, std::string> &values) {
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(kReportVariable, path, MAX_PATH)) return;
    std::string text;
    for (const auto &value : values) text += value.first + "=" + value.second + "\n";
    if (text.empty()) text = "\n";
    const std::wstring part = std::wstring(path) + L".part";
    HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(MoveFileExW(part.c_str(), path, MOVEFILE_REPLACE_EXISTING));
}

std::map<std::string, std::string> ParseReport(const std::string &report) {
    std::map<std::string, std::string> values;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos) values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

}  // namespace brocade_test
