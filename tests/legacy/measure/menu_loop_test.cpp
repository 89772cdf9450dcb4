// The system's own WM_MEASUREITEM during a real menu loop: the popup's items take the
// heights the handler answered.
#include <gtest/gtest.h>

#include <vector>

#include "common/enums.h"
#include "measure/measure_test_support.h"
#include "menu/menu_test_support.h"
#include "common/color_utils.h"
#include "render/measure_item.h"
#include "support/test_support.h"

namespace measure_test {
namespace {

constexpr UINT_PTR kReadTimer = 1;

// A window that scans popups as the control does and measures through the handler; a timer
// reads the open popup's item rectangles and closes it.
class LoopWindow {
public:
    LoopWindow(brocade::MenuScanner &scanner, brocade::MeasureHost &host) : scanner_(scanner), host_(host) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"BrocadeMeasureLoopWindow";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"Measure", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), this);
    }
    ~LoopWindow() { DestroyWindow(window_); }

    // Opens the popup and returns the item rectangles seen while it was open.
    std::vector<RECT> TrackAndRead(HMENU popup) {
        menu_ = popup;
        SetForegroundWindow(window_);
        SetTimer(window_, kReadTimer, 150, nullptr);
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, 60, 60, 0, window_, nullptr);
        KillTimer(window_, kReadTimer);
        brocade_test::PumpMessages(20);
        return rects_;
    }

    int measured = 0;

private:
    brocade::MenuScanner &scanner_;
    brocade::MeasureHost &host_;
    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
    std::vector<RECT> rects_;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
        auto *self = reinterpret_cast<LoopWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self) return DefWindowProcW(window, message, wParam, lParam);
        switch (message) {
        case WM_INITMENUPOPUP: {
            LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            self->scanner_.OnInitMenuPopup(window, reinterpret_cast<HMENU>(wParam), lParam);
            return result;
        }
        case WM_MEASUREITEM: {
            brocade::Boolean route = brocade::kTrue;
            LRESULT result = brocade::OnMeasureItem(self->host_, wParam, lParam, route);
            if (!brocade::IsTrue(route)) {
                ++self->measured;
                return result;
            }
            break;
        }
        case WM_DRAWITEM:
            return TRUE;
        case WM_TIMER:
            if (wParam == kReadTimer) {
                KillTimer(window, kReadTimer);
                for (int i = 0; i < GetMenuItemCount(self->menu_); ++i) {
                    RECT rect = {};
                    GetMenuItemRect(window, self->menu_, static_cast<UINT>(i), &rect);
                    self->rects_.push_back(rect);
                }
                EndMenu();
                return 0;
            }
            break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

TEST(MeasureMenuLoop, ThePopupsItemsTakeTheAnsweredHeights) {
    menu_test::TestScanHost scanHost;
    brocade::MenuScanner scanner{scanHost};
    TestMeasureHost host{scanner};
    host.menuBorder = brocade::kBorderFlatWithShadow;
    host.onSetMenuItemSize = [](MenuItemRecord &record, long &, long &height) {
        if (record.Position() == 0) height = 30;
    };
    LoopWindow window(scanner, host);
    HMENU menu = menu_test::PopupOf({"Open", "-", "Close"});

    std::vector<RECT> rects = window.TrackAndRead(menu);
    EXPECT_GE(window.measured, 3);
    ASSERT_EQ(rects.size(), 3u);
    const long cyMenu = GetSystemMetrics(SM_CYMENU);
    EXPECT_EQ(rects[0].bottom - rects[0].top, 30);                               // the host's height
    EXPECT_EQ(rects[1].bottom - rects[1].top, brocade::RoundEven(cyMenu / 2.0));  // a separator
    EXPECT_EQ(rects[2].bottom - rects[2].top, cyMenu + 2);  // the last item and its shadow
    DestroyMenu(menu);
}

}  // namespace
}  // namespace measure_test
