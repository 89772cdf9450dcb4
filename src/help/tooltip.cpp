#include "help/tooltip.h"

#include "common/code_module.h"
#include "help/blanks.h"

namespace brocade {

namespace {

// The ANSI tool description without lParam, the layout every comctl32 version accepts.
TTTOOLINFOA NewToolInfo() {
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    return info;
}

}  // namespace

CTooltip::~CTooltip() {
    if (reinterpret_cast<LONG_PTR>(window_) > 0 && IsWindow(window_)) DestroyWindow(window_);
}

bool CTooltip::Init(HWND parent) {
    INITCOMMONCONTROLSEX controls = {8, 0xFF};
    if (!InitCommonControlsEx(&controls)) return false;
    HWND window = CreateWindowExA(0, "tooltips_class32", nullptr, TTS_NOANIMATE | TTS_NOFADE, 0, 0, 0, 0, parent,
                                  nullptr, CodeModule(), nullptr);
    if (reinterpret_cast<LONG_PTR>(window) <= 0) return false;
    window_ = window;
    parent_ = parent;
    SetActivate(true);
    SetBalloonStyle(true);
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    return true;
}

LRESULT CTooltip::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(window_, message, wParam, lParam);
}

void CTooltip::SetBalloonStyle(bool value) {
    bool changed = value != balloon_;
    balloon_ = value;
    if (!changed) return;
    LONG style = GetWindowLongA(window_, GWL_STYLE);
    style = value ? (style | TTS_BALLOON) : (style & ~TTS_BALLOON);
    SetWindowLongA(window_, GWL_STYLE, style);
}

void CTooltip::SetActivate(bool value) {
    active_ = value;
    Send(TTM_ACTIVATE, value ? TRUE : FALSE, 0);
}

long CTooltip::ToolCount() const { return static_cast<long>(Send(TTM_GETTOOLCOUNT, 0, 0)); }

UINT_PTR CTooltip::ToolId(long index) const {
    TTTOOLINFOA info = NewToolInfo();
    if (!Send(TTM_ENUMTOOLSA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info))) return 0;
    return info.uId;
}

bool CTooltip::FindTool(UINT_PTR uid, TTTOOLINFOA &found) const {
    long count = ToolCount();
    for (long index = 0; index < count; ++index) {
        TTTOOLINFOA info = NewToolInfo();
        if (Send(TTM_ENUMTOOLSA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)) && info.uId == uid) {
            found = info;
            return true;
        }
    }
    return false;
}

bool CTooltip::AddTool(UINT_PTR uid, bool uidIsWindow, int x, int y, int cx, int cy, const std::string &text,
                       HWND toolContainer) {
    TTTOOLINFOA existing = NewToolInfo();
    if (FindTool(uid, existing)) return false;

    // A tool without text would ask its container for one; a blank shows an empty tip instead.
    std::string tipText = TrimBlanks(text);
    if (tipText.empty()) tipText = " ";

    TTTOOLINFOA info = NewToolInfo();
    info.uFlags = TTF_TRANSPARENT | (uidIsWindow ? TTF_IDISHWND : 0);
    info.hwnd = toolContainer == DefaultContainer() ? parent_ : toolContainer;
    info.uId = uid;
    info.rect = RECT{x, y, x + cx, y + cy};
    info.lpszText = tipText.data();
    return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CTooltip::DeleteTool(UINT_PTR uid) {
    TTTOOLINFOA info = NewToolInfo();
    if (FindTool(uid, info)) Send(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CTooltip::RelayEvent(const MSG &message) {
    Send(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

COLORREF CTooltip::BackColor() const { return static_cast<COLORREF>(Send(TTM_GETTIPBKCOLOR, 0, 0)); }
void CTooltip::SetBackColor(COLORREF color) { Send(TTM_SETTIPBKCOLOR, color, 0); }
COLORREF CTooltip::ForeColor() const { return static_cast<COLORREF>(Send(TTM_GETTIPTEXTCOLOR, 0, 0)); }
void CTooltip::SetForeColor(COLORREF color) { Send(TTM_SETTIPTEXTCOLOR, color, 0); }

void CTooltip::SetFont(UniqueFont font) {
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), 1);
    // Only now is the previous font out of the window's use.
    font_ = std::move(font);
}

void CTooltip::SetTitle(const std::string &title) {
    title_ = TrimBlanks(title);
    ApplyTitle();
}

void CTooltip::SetIcon(long icon) {
    icon_ = icon;
    ApplyTitle();
}

void CTooltip::ApplyTitle() {
    Send(TTM_SETTITLEA, static_cast<WPARAM>(static_cast<LONG_PTR>(icon_)), reinterpret_cast<LPARAM>(title_.c_str()));
}

short CTooltip::Delay(WPARAM which) const {
    return static_cast<short>(LOWORD(Send(TTM_GETDELAYTIME, which, 0)));
}

void CTooltip::SetDelay(WPARAM which, short delay) {
    // -1 travels as 0x0000FFFF, the window's request to restore its default.
    Send(TTM_SETDELAYTIME, which, MakeLong(delay, 0));
}

LONG CTooltip::MakeLong(short low, short high) {
    return static_cast<LONG>(static_cast<ULONG>(static_cast<LONG>(high)) << 16) | (static_cast<LONG>(low) & 0xFFFF);
}

}  // namespace brocade
