#include "soak_host.h"

#include <commctrl.h>

#include <vector>

#include "common/enums.h"

namespace brocade_test {

namespace {

// Captions with mnemonics, shortcuts and dots (built-in help texts and pictures), and plain
// upper-case ones that the host's help table answers.
const char *const kCaptions[] = {
    "&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "&Print...\tCtrl+P",
    "Print Pre&view", "E&xit", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V",
    "&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "&Find...\tCtrl+F", "-", "ITEM 16", "ITEM 17",
    "ITEM 18", "ITEM 19", "ITEM 20", "ITEM 21", "ITEM 22", "ITEM 23",
    "ITEM 24", "ITEM 25", "ITEM 26", "ITEM 27", "ITEM 28", "ITEM 29"};
static_assert(sizeof kCaptions / sizeof kCaptions[0] == SoakHost::kPopupItems, "one caption per item");

constexpr UINT kFirstCommand = 500;
constexpr UINT_PTR kEndMenuTimer = 77;
constexpr UINT_PTR kWalkTimer = 78;

LRESULT CALLBACK FormProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, msg, wParam, lParam);
}

const wchar_t *FormClass() {
    static const wchar_t *name = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = FormProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"BrocadeSoakForm";
        RegisterClassW(&wc);
        return L"BrocadeSoakForm";
    }();
    return name;
}

HMENU BuildPopup() {
    HMENU popup = CreatePopupMenu();
    for (int i = 0; i < SoakHost::kPopupItems; ++i) {
        if (kCaptions[i][0] == '-') {
            AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        if (i % 7 == 2) flags |= MF_CHECKED;
        if (i % 11 == 6) flags |= MF_GRAYED;
        AppendMenuA(popup, flags, kFirstCommand + i, kCaptions[i]);
    }
    return popup;
}

ULONG_PTR ItemData(HMENU menu, int position) {
    MENUITEMINFOW info = {sizeof info, MIIM_DATA};
    return GetMenuItemInfoW(menu, position, TRUE, &info) ? info.dwItemData : 0;
}

UINT DrawState(UINT menuState, bool selected) {
    UINT state = selected ? ODS_SELECTED : 0u;
    if (menuState & MF_CHECKED) state |= ODS_CHECKED;
    if (menuState & MF_GRAYED) state |= ODS_GRAYED | ODS_DISABLED;
    return state;
}

// Measures and draws the menu's items (or only the selected one) as the system asks for
// them, into the surface's client or window DC.
void DrawItems(HWND form, HMENU menu, HWND surface, bool windowDc, int selected) {
    HDC dc = windowDc ? GetWindowDC(surface) : GetDC(surface);
    int count = GetMenuItemCount(menu);
    int top = 0;
    for (int i = 0; i < count; ++i) {
        if (selected >= 0 && i != selected) continue;
        UINT id = GetMenuItemID(menu, i);
        ULONG_PTR data = ItemData(menu, i);
        MEASUREITEMSTRUCT measure = {ODT_MENU, 0, id, 0, 0, data};
        SendMessageW(form, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        int height = measure.itemHeight ? static_cast<int>(measure.itemHeight) : 18;
        int width = measure.itemWidth ? static_cast<int>(measure.itemWidth) : 200;
        RECT item = {0, top, width, top + height};
        if (selected >= 0) item = {0, selected * height, width, (selected + 1) * height};
        UINT state = GetMenuState(menu, i, MF_BYPOSITION);
        DRAWITEMSTRUCT draw = {ODT_MENU, 0, id, selected >= 0 ? static_cast<UINT>(ODA_SELECT) : ODA_DRAWENTIRE,
                               DrawState(state, selected >= 0), reinterpret_cast<HWND>(menu), dc, item, data};
        SendMessageW(form, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        top += height;
    }
    ReleaseDC(surface, dc);
}

VOID CALLBACK EndMenuAfterTimeout(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    EndMenu();
}

int pendingDowns = 0;

}  // namespace

namespace {

BOOL CALLBACK NotePopupWindow(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && lstrcmpW(name, L"#32768") == 0) *reinterpret_cast<bool *>(found) = true;
    return TRUE;
}

}  // namespace

bool PopupShownByThisThread() {
    // Other test processes of the same Wine session may have menus open too.
    bool shown = false;
    EnumThreadWindows(GetCurrentThreadId(), NotePopupWindow, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

// The control lets the thread's queue run while a popup opens, which would hand keys posted
// earlier to the window instead of the menu loop: the keys go once the popup shows.
VOID CALLBACK PostKeysOncePopupShows(HWND window, UINT, UINT_PTR timer, DWORD) {
    if (!PopupShownByThisThread()) return;
    KillTimer(window, timer);
    for (int i = 0; i < pendingDowns; ++i) PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
}

void WalkPopupOnceItShows(HWND owner, int downs) {
    pendingDowns = downs;
    SetTimer(owner, kWalkTimer, 10, PostKeysOncePopupShows);
}

HMENU BuildSoakMenuBar() {
    HMENU bar = CreateMenu();
    HMENU edit = CreatePopupMenu();
    AppendMenuA(edit, MF_STRING, 900, "&Undo\tCtrl+Z");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopup()), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    AppendMenuA(bar, MF_STRING, 901, "&Help");
    return bar;
}

HWND CreatePopupStandIn() {
    return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP, 60, 60, 260,
                           20 * SoakHost::kPopupItems, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

SoakHost::SoakHost() {
    bar_ = BuildSoakMenuBar();
    popup_ = GetSubMenu(bar_, 0);
    form_ = CreateWindowExW(0, FormClass(), L"soak", WS_OVERLAPPEDWINDOW, 20, 20, 400, 300, nullptr, bar_,
                            GetModuleHandleW(nullptr), nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, form_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    site_.container = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 32, 32, form_, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    popupStandIn_ = CreatePopupStandIn();
    control_ = std::make_unique<brocade::Control>(site_);
    control_->InitNew();
    control_->SetAutoShowHelp(brocade::kTrue);
    control_->SetShowTooltip(brocade::kTrue);
    for (int i = 16; i < kPopupItems; ++i)
        control_->HelpMessages().AddMessage(kCaptions[i], "Help text of " + std::string(kCaptions[i]));
}

SoakHost::~SoakHost() {
    control_.reset();
    DestroyWindow(popupStandIn_);
    DestroyWindow(form_);  // destroys the menu bar and its popups
}

HeldCollections SoakHost::Collections() {
    HeldCollections held;
    held.records = control_->Scanner().Items().Count();
    held.helpMessages = control_->HelpMessages().Count();
    held.registeredWindows = control_->RegisteredWindows().size();
    held.tooltipTools = control_->Tooltip() ? control_->Tooltip()->ToolCount() : 0;
    return held;
}

void SoakHost::UseCombination(int cycle) {
    control_->SetHighlightStyle(cycle % kHighlightStyles);
    control_->SetMenuBorder((cycle / kHighlightStyles) % kBorders);
}

void SendPopupCycle(HWND form, HMENU popup, HWND surface) {
    SendMessageW(form, WM_ENTERMENULOOP, TRUE, 0);
    SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(form)), 0);
    SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(0, FALSE));
    DrawItems(form, popup, surface, false, -1);
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        UINT state = GetMenuState(popup, i, MF_BYPOSITION);
        if ((state & MF_SEPARATOR) && GetMenuItemID(popup, i) == 0) continue;  // never selectable
        UINT flags = MF_MOUSESELECT | MF_HILITE | MF_OWNERDRAW | (state & (MF_CHECKED | MF_GRAYED));
        SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(GetMenuItemID(popup, i), flags),
                     reinterpret_cast<LPARAM>(popup));
        DrawItems(form, popup, surface, false, i);
    }
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    SendMessageW(form, WM_EXITMENULOOP, TRUE, 0);
}

void SendMenuBarCycle(HWND form) {
    HMENU bar = GetMenu(form);
    SendMessageW(form, WM_ENTERMENULOOP, FALSE, 0);
    SendMessageW(form, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    DrawItems(form, bar, form, true, -1);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        UINT flags = MF_MOUSESELECT | MF_HILITE | MF_OWNERDRAW | (GetSubMenu(bar, i) ? MF_POPUP : 0u);
        WORD item = GetSubMenu(bar, i) ? static_cast<WORD>(i) : static_cast<WORD>(GetMenuItemID(bar, i));
        SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(bar));
        DrawItems(form, bar, form, true, i);
    }
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    SendMessageW(form, WM_EXITMENULOOP, FALSE, 0);
}

bool RunRealPopupCycle(HWND form, HMENU popup) {
    WalkPopupOnceItShows(form, GetMenuItemCount(popup));
    SetTimer(form, kEndMenuTimer, 5000, EndMenuAfterTimeout);  // a loop that missed its keys
    SetForegroundWindow(form);
    SetLastError(0);  // a loop left with Escape answers 0 without an error
    BOOL ran = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN, 80, 80, 0, form, nullptr) || GetLastError() == 0;
    KillTimer(form, kEndMenuTimer);
    KillTimer(form, kWalkTimer);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    return ran != FALSE;
}

std::wstring SoakHost::StatusText() const {
    wchar_t text[256] = {};
    SendMessageW(statusBar_, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace brocade_test
