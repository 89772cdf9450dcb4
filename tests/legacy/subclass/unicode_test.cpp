// Text messages keep their characters through the replacement procedure, in both directions
// of the Unicode and ANSI worlds.
#include "subclass/subclass_test_support.h"
#include "subclass/subclass_wnd.h"

#include <string>

using namespace brocade;
using namespace subclass_test;

using SubclassText = SubclassTest;

namespace {

// Japanese and Cyrillic: no single ANSI code page holds both.
const wchar_t kWideText[] = L"\u65E5\u672C\u8A9E \u0416";

HWND CreateWindowOfClassW(const wchar_t *className, WNDPROC procedure) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    return CreateWindowW(className, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

std::string ansiTextSeen;
LRESULT CALLBACK AnsiProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETTEXT && lParam) ansiTextSeen = reinterpret_cast<const char *>(lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateAnsiWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = AnsiProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BrocadeSubclassAnsiHost";
    RegisterClassA(&wc);
    return CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                         nullptr, wc.hInstance, nullptr);
}

std::wstring WindowTextW(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

}  // namespace

TEST_F(SubclassText, UnicodeWindowKeepsCharactersOutsideTheAnsiCodePage) {
    std::wstring listenerSaw;
    TestListener listener('L');
    listener.handler = [&listenerSaw](HWND, UINT, WPARAM, LPARAM lParam, Boolean &) -> LRESULT {
        listenerSaw = reinterpret_cast<const wchar_t *>(lParam);
        return 0;
    };
    HWND window = CreateWindowOfClassW(L"BrocadeSubclassUnicodeHost", DefWindowProcW);
    ASSERT_TRUE(window);
    SubclassWnd::SubclassWindow(window, &listener);
    EXPECT_TRUE(IsWindowUnicode(window));

    EXPECT_TRUE(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kWideText)));
    EXPECT_EQ(WindowTextW(window), kWideText);

    SubclassWnd::HookMessage(window, WM_SETTEXT);
    EXPECT_TRUE(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"\u0416\u65E5")));
    EXPECT_EQ(listenerSaw, L"\u0416\u65E5");
    EXPECT_EQ(WindowTextW(window), L"\u0416\u65E5");
    DestroyWindow(window);
}

TEST_F(SubclassText, AnsiWindowStillGetsAnsiTextAndItsProcedureBack) {
    TestListener listener('L');
    HWND window = CreateAnsiWindow();
    ASSERT_TRUE(window);
    SubclassWnd::SubclassWindow(window, &listener);

    ansiTextSeen.clear();
    SetWindowTextA(window, "plain text");
    EXPECT_EQ(ansiTextSeen, "plain text");
    char text[32] = {};
    GetWindowTextA(window, text, 32);
    EXPECT_STREQ(text, "plain text");

    SubclassWnd::UnsubclassWindow(window);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)), &AnsiProc);
    EXPECT_FALSE(IsWindowUnicode(window));
    DestroyWindow(window);
}
