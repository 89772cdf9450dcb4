#include "support/test_support.h"

#include "common/gdi.h"

namespace brocade_test {

std::wstring BinFolder() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

std::wstring OcxPath() { return BinFolder() + L"\\Brocade.ocx"; }

void PumpMessages(DWORD milliseconds) {
    DWORD end = GetTickCount() + milliseconds;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (milliseconds) Sleep(1);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

int RunProgram(const std::wstring &commandLine, DWORD timeoutMs) {
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, timeoutMs);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

namespace {

int CALLBACK NoteFont(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found) {
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

}  // namespace

testing::AssertionResult FontInstalledFor(BYTE charset) {
    LOGFONTW wanted = {};
    wanted.lfCharSet = charset;
    bool found = false;
    brocade::WindowDc screen(nullptr);
    if (screen) EnumFontFamiliesExW(screen.Get(), &wanted, NoteFont, reinterpret_cast<LPARAM>(&found), 0);
    if (found) return testing::AssertionSuccess();
    const char *name = charset == SHIFTJIS_CHARSET ? "SHIFTJIS_CHARSET"
                       : charset == HANGUL_CHARSET ? "HANGUL_CHARSET"
                                                   : "an East Asian character set";
    return testing::AssertionFailure() << "no font of " << name << " (" << static_cast<int>(charset)
                                       << ") is installed, and this test needs one: install the Debian package "
                                          "fonts-wqy-microhei (scripts/setup installs it)";
}

}  // namespace brocade_test
