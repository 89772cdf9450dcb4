#include "help/menu_help_support.h"

#include <commctrl.h>

#include "common/boolean.h"
#include "help/control_tooltip.h"
#include "menu/menu_item_collection.h"
#include "menu/ole_font.h"

namespace help_test {

using brocade::Boolean;

// --- TestForm -------------------------------------------------------------------------------

namespace {

const char kFormClass[] = "BrocadeHelpTestForm";
constexpr UINT_PTR kStepTimer = 7;

void RegisterPlainClass(const char *name, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), name, &windowClass)) return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

HWND CreateChild(HWND parent, const char *className) {
    if (lstrcmpiA(className, STATUSCLASSNAMEA) == 0) {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    } else {
        RegisterPlainClass(className, DefWindowProcA);
    }
    return CreateWindowExA(0, className, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TestForm *FormOf(HWND window) { return reinterpret_cast<TestForm *>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

}  // namespace

TestForm::TestForm(const char *statusBarClass, Visibility visibility) {
    RegisterPlainClass(kFormClass, &TestForm::Procedure);
    DWORD style = visibility == kShown ? WS_POPUP | WS_VISIBLE : WS_OVERLAPPEDWINDOW;
    window_ = CreateWindowExA(0, kFormClass, "Help test form", style, 100, 100, 400, 300, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (statusBarClass) statusBar_ = CreateChild(window_, statusBarClass);
    if (visibility == kShown) SetForegroundWindow(window_);
}

TestForm::~TestForm() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

HWND TestForm::AddChild(const char *className) { return CreateChild(window_, className); }

void TestForm::DestroyStatusBar() {
    DestroyWindow(statusBar_);
}

void TestForm::Select(HMENU menu, UINT id, UINT flags) {
    SendMessageA(window_, WM_MENUSELECT, MAKEWPARAM(id, flags), reinterpret_cast<LPARAM>(menu));
}

void TestForm::CloseMenu() { SendMessageA(window_, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); }

std::string TestForm::StatusText(int part) const {
    LRESULT length = LOWORD(SendMessageA(statusBar_, SB_GETTEXTLENGTHA, part, 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(statusBar_, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::wstring TestForm::StatusTextW(int part) const {
    LRESULT length = LOWORD(SendMessageW(statusBar_, SB_GETTEXTLENGTHW, part, 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(statusBar_, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void TestForm::Track(HMENU popup, std::vector<std::function<void()>> steps, UINT intervalMs) {
    steps_ = std::move(steps);
    nextStep_ = 0;
    SetForegroundWindow(window_);
    // Without a window manager the keyboard follows the pointer: keep it on the form.
    SetCursorPos(450, 350);
    SetTimer(window_, kStepTimer, intervalMs, &TestForm::StepTimer);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, 150, 150, 0, window_, nullptr);
    KillTimer(window_, kStepTimer);
}

void CALLBACK TestForm::StepTimer(HWND window, UINT, UINT_PTR, DWORD) {
    TestForm *form = FormOf(window);
    if (!form) return;
    if (form->nextStep_ < form->steps_.size()) {
        form->steps_[form->nextStep_++]();
    } else {
        KillTimer(window, kStepTimer);
        EndMenu();
    }
}

LRESULT CALLBACK TestForm::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TestForm *form = FormOf(window);
    if (message == WM_MENUSELECT && form && form->menuHelp_)
        return form->menuHelp_->OnMenuSelect(window, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// --- AnchorListener -------------------------------------------------------------------------

LRESULT AnchorListener::WindowMsgListener(HWND, UINT msg, WPARAM, LPARAM, Boolean &bRouteToOriginal) {
    if (msg != TTM_WINDOWFROMPOINT) return 0;
    ++queries;
    if (!anchor) return 0;
    bRouteToOriginal = brocade::kFalse;
    return reinterpret_cast<LRESULT>(anchor);
}

// --- TestHelpHost ---------------------------------------------------------------------------

TestHelpHost::TestHelpHost() = default;

TestHelpHost::~TestHelpHost() { brocade::ReleaseControlTooltip(tooltip); }

bool TestHelpHost::CreateTooltip(HWND hostWindow) {
    brocade::CreateControlTooltip(tooltip, hostWindow, &listener);
    return tooltip != nullptr;
}

RecordPtr TestHelpHost::AddRecord(long serial, const std::string &menuText, const std::string &tooltipText,
                                  long recordLanguage) {
    RecordPtr record = brocade::MenuItemRecord::Create();
    record->SetItemSerial(serial);
    record->SetMenuText(menuText);
    record->SetCaptionFont(brocade::CreateRecordFont().Get());
    record->SetLanguage(recordLanguage);
    record->SetTooltTipText(tooltipText);
    records[brocade::MenuItemKey(serial)] = record;
    return record;
}

int TestHelpHost::Count(const std::string &prefix) const {
    int count = 0;
    for (const std::string &event : events)
        if (event.compare(0, prefix.size(), prefix) == 0) ++count;
    return count;
}

RecordPtr TestHelpHost::HelpMenuItemByKey(const std::string &key) {
    Checked(0);
    auto found = records.find(key);
    return found == records.end() ? RecordPtr() : found->second;
}

std::string TestHelpHost::HelpFindHelpMessage(const std::string &text, long textLanguage, bool) {
    Checked(0);
    std::string help = messages.Find(text);
    return help.empty() ? defaultHelp.FindDefaultHelp(text, textLanguage) : help;
}

void TestHelpHost::SetTooltipAnchorWindow(HWND window) {
    listener.anchor = window;
    anchorsSet.push_back(window);
}

void TestHelpHost::RaiseShowMenuHelp(brocade::MenuItemRecord &record, std::string &text) {
    Checked(0);
    if (tooltip) toolCountsAtShow.push_back(tooltip->ToolCount());
    events.push_back("Show:" + record.Caption() + ":" + text);
    if (onShowMenuHelp) onShowMenuHelp(record, text);
}

void TestHelpHost::RaiseClearMenuHelp() {
    Checked(0);
    events.push_back("Clear");
}

// --- ConvertedMenu --------------------------------------------------------------------------

namespace {

void SetItemData(HMENU menu, UINT position, long serial) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    info.dwItemData = static_cast<ULONG_PTR>(serial);
    SetMenuItemInfoA(menu, position, TRUE, &info);
}

}  // namespace

ConvertedMenu::ConvertedMenu() : menu_(CreatePopupMenu()) {}
ConvertedMenu::~ConvertedMenu() { DestroyMenu(menu_); }

void ConvertedMenu::AddItem(UINT id, const std::string &text, long serial) {
    AppendMenuA(menu_, MF_STRING, id, text.c_str());
    SetItemData(menu_, GetMenuItemCount(menu_) - 1, serial);
}

void ConvertedMenu::AddSeparator(long serial) {
    AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
    SetItemData(menu_, GetMenuItemCount(menu_) - 1, serial);
}

HMENU ConvertedMenu::AddSubmenu(const std::string &text, long serial) {
    HMENU submenu = CreatePopupMenu();
    AppendMenuA(menu_, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), text.c_str());
    SetItemData(menu_, GetMenuItemCount(menu_) - 1, serial);
    return submenu;
}

// --- Reading the tooltip back ---------------------------------------------------------------

std::string FirstToolText(HWND tooltip) {
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    if (!SendMessageA(tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info))) return std::string();
    // Wide, since Wine 8 hands out no more than 80 characters through TTM_GETTEXTA.
    std::wstring text(INFOTIPSIZE + 1, L'\0');
    TTTOOLINFOW wide = {};
    wide.cbSize = TTTOOLINFOW_V1_SIZE;
    wide.hwnd = info.hwnd;
    wide.uId = info.uId;
    wide.lpszText = text.data();
    SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&wide));
    text.resize(wcslen(text.c_str()));
    char narrow[INFOTIPSIZE * 2 + 1] = {};
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow, sizeof(narrow), nullptr, nullptr);
    return narrow;
}

// --- MessageLog -----------------------------------------------------------------------------

MessageLog *MessageLog::active_ = nullptr;

MessageLog::MessageLog(HWND window, UINT message) : window_(window), message_(message) {
    active_ = this;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageLog::Procedure)));
}

MessageLog::~MessageLog() {
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    active_ = nullptr;
}

LRESULT CALLBACK MessageLog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog &log = *active_;
    if (message == log.message_) {
        const char *text = log.lParamIsText ? reinterpret_cast<const char *>(lParam) : nullptr;
        log.received.push_back({wParam, lParam, text ? text : ""});
    }
    return CallWindowProcA(log.original_, window, message, wParam, lParam);
}

}  // namespace help_test
