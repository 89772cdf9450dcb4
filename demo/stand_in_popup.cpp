#include "stand_in_popup.h"

#include <vector>

namespace brocade::demo {

namespace {

constexpr wchar_t kClass[] = L"BrocadeDemoStandInPopup";
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;  // a 3-pixel frame, as a menu popup has on Windows

struct Item {
    UINT id;
    ULONG_PTR data;
    SIZE size;
};

std::vector<Item> MeasureItems(HWND form, HMENU menu) {
    std::vector<Item> items;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_ID;
        if (!GetMenuItemInfoW(menu, position, TRUE, &info)) continue;
        MEASUREITEMSTRUCT measure = {};
        measure.CtlType = ODT_MENU;
        measure.itemID = info.wID;
        measure.itemData = info.dwItemData;
        SendMessageW(form, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        items.push_back(Item{info.wID, info.dwItemData,
                             SIZE{static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)}});
    }
    return items;
}

void RegisterClassOnce() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_MENU);
    windowClass.lpszClassName = kClass;
    RegisterClassW(&windowClass);
}

}  // namespace

StandInPopup::StandInPopup(HWND form, HMENU menu, int x, int y, int selected) : form_(form) {
    // As a real menu loop begins: the control takes its picture of the screen, then the popup
    // is initialised and measured.
    SendMessageW(form_, WM_ENTERMENULOOP, FALSE, 0);
    SendMessageW(form_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    const std::vector<Item> items = MeasureItems(form_, menu);
    LONG width = 0, height = 0;
    for (const Item &item : items) {
        width = item.size.cx > width ? item.size.cx : width;
        height += item.size.cy;
    }
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_TOOLWINDOW);
    RegisterClassOnce();
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClass, L"", kStyle, x, y, frame.right - frame.left,
                              frame.bottom - frame.top, form_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_) return;
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    HDC dc = GetDC(window_);
    LONG top = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_MENU;
        draw.itemID = items[i].id;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = static_cast<int>(i) == selected ? ODS_SELECTED : 0;
        draw.hwndItem = reinterpret_cast<HWND>(menu);
        draw.hDC = dc;
        draw.rcItem = RECT{0, top, width, top + items[i].size.cy};
        draw.itemData = items[i].data;
        SendMessageW(form_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        if (static_cast<int>(i) == selected) {
            selectedItem_ = draw.rcItem;
            MapWindowPoints(window_, nullptr, reinterpret_cast<POINT *>(&selectedItem_), 2);
        }
        top += items[i].size.cy;
    }
    ReleaseDC(window_, dc);
    GdiFlush();
}

StandInPopup::~StandInPopup() {
    if (window_) DestroyWindow(window_);
    SendMessageW(form_, WM_EXITMENULOOP, FALSE, 0);
}

}  // namespace brocade::demo
