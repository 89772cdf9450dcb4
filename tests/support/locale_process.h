// A test of this program run again in a new Wine process under another Unix locale, for what
// a process takes from its locale when it starts: the ANSI code page, the user's language.
// Tests using these hold the ctest resource lock "settings": each new locale rewrites the
// prefix's regional settings until a process in the original locale writes them back.
#pragma once
#include <windows.h>

#include <map>
#include <string>

#include "support/wait.h"

namespace brocade_test {

// Unix locales exist only under Wine; on Windows such tests skip.
bool RunningUnderWine();

// Runs the test "Suite.Case" of this program in a new Wine process whose LANG and LC_ALL are
// locale, and returns what that process passed to ReportToParent. Empty, with a test failure,
// when nothing came within deadlineMs. An empty locale runs it in this process's own Unix
// environment, which puts the regional settings back.
std::string RunTestInLocale(const std::string &test, const std::string &locale, DWORD deadlineMs = 30000,
                            Caller caller = {});

// In a process started by RunTestInLocale: true. Tests that only run as such a child skip
// otherwise.
bool RunningAsChild();
// In the child: hands lines "name=value" to the parent (once, at the end of the test).
void ReportToParent(const std::map<std::string, std::string> &values);
// In the parent: the lines of a report as name and value.
std::map<std::string, std::string> ParseReport(const std::string &report);

}  // namespace brocade_test
