#include "help/status_bar.h"

#include <commctrl.h>

#include "common/enums.h"
#include "menu/captions.h"

namespace brocade {

namespace {

// The status bars of the form kinds the control meets, most specific first.
const char *const kStatusBarClasses[] = {"StatusBar20WndClass", "StatusBarWndClass", "msctls_statusbar32"};

bool WritesWideText(long language) {
    return language == kKorean || language == kJapanese || language == kChineseTraditional ||
           language == kChineseSimplified;
}

std::wstring ReadInCodePage(const std::string &bytes, UINT codePage) {
    if (bytes.empty()) return std::wstring();
    int count = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(codePage, 0, bytes.data(), count, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    int written = MultiByteToWideChar(codePage, 0, bytes.data(), count, wide.data(), length);
    wide.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return wide;
}

}  // namespace

HWND FindStatusBar(HWND window) {
    // A null window would make FindWindowEx search the top-level windows instead.
    if (!window) return nullptr;
    for (const char *className : kStatusBarClasses)
        if (HWND bar = FindWindowExA(window, nullptr, className, nullptr)) return bar;
    return nullptr;
}

void SetStatusText(HWND statusBar, const std::string &text, long language) {
    if (!statusBar || !IsWindow(statusBar)) return;
    // wParam 0: the first part, no drawing flags.
    if (WritesWideText(language)) {
        std::wstring wide = ReadInCodePage(text, GetLanguageCodePage(language));
        SendMessageW(statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    } else {
        SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

}  // namespace brocade
