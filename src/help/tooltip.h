// CTooltip: one window of the common-controls tooltip class, with the settings the control
// gives it (style, colours, delays, title and icon, font) and its tools.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "common/gdi.h"

namespace brocade {

class CTooltip {
public:
    // Title icons as TTM_SETTITLE takes them.
    static constexpr long kIconNone = 0;
    static constexpr long kIconInformation = 1;
    static constexpr long kIconWarning = 2;
    static constexpr long kIconError = 3;

    CTooltip() = default;
    // Destroys the window, then deletes the font held.
    ~CTooltip();
    CTooltip(const CTooltip &) = delete;
    CTooltip &operator=(const CTooltip &) = delete;

    // Creates the window (owned by parent, also the default container of tools); it starts
    // active and balloon-styled, above other windows. False when it cannot be created.
    bool Init(HWND parent);
    HWND Hwnd() const { return window_; }
    HWND Parent() const { return parent_; }

    // Toggles TTS_BALLOON on the live window when the value changes.
    bool BalloonStyle() const { return balloon_; }
    void SetBalloonStyle(bool value);
    bool Activate() const { return active_; }
    void SetActivate(bool value);

    long ToolCount() const;
    // The uId of the tool at the index; 0 when there is none.
    UINT_PTR ToolId(long index) const;
    // Adds a transparent tool; the text is trimmed of blanks, an empty one becomes a single
    // blank. The container defaults to the parent. False, and nothing changes, when a tool
    // with this uId exists or the window refuses the tool.
    bool AddTool(UINT_PTR uid, bool uidIsWindow, int x, int y, int cx, int cy, const std::string &text,
                 HWND toolContainer = DefaultContainer());
    // Removes the tool with this uId, if there is one.
    void DeleteTool(UINT_PTR uid);
    // Hands the window a message to track the cursor by (TTM_RELAYEVENT).
    void RelayEvent(const MSG &message);

    COLORREF BackColor() const;
    void SetBackColor(COLORREF color);
    COLORREF ForeColor() const;
    void SetForeColor(COLORREF color);

    // Gives the window the font and keeps it, deleting the one held before: the tooltip never
    // holds more than one font.
    void SetFont(UniqueFont font);
    HFONT Font() const { return font_.Get(); }

    // Stored without leading and trailing blanks; an empty title shows none.
    const std::string &Title() const { return title_; }
    void SetTitle(const std::string &title);
    long Icon() const { return icon_; }
    void SetIcon(long icon);

    // Delays in milliseconds; -1 asks the window for its default.
    short InitialDelay() const { return Delay(kInitialDelay); }
    void SetInitialDelay(short delay) { SetDelay(kInitialDelay, delay); }
    short ReshowDelay() const { return Delay(kReshowDelay); }
    void SetReshowDelay(short delay) { SetDelay(kReshowDelay, delay); }
    short AutopopDelay() const { return Delay(kAutopopDelay); }
    void SetAutopopDelay(short delay) { SetDelay(kAutopopDelay, delay); }

    // (high sign-extended, shifted left 16) OR (low AND 0xFFFF).
    static LONG MakeLong(short low, short high);

    // The argument that names the parent as the container of a tool.
    static HWND DefaultContainer() { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)); }

private:
    // TTDT_INITIAL, TTDT_RESHOW and TTDT_AUTOPOP.
    static constexpr WPARAM kInitialDelay = 3;
    static constexpr WPARAM kReshowDelay = 1;
    static constexpr WPARAM kAutopopDelay = 2;

    HWND window_ = nullptr;
    HWND parent_ = nullptr;
    bool active_ = false;
    bool balloon_ = false;
    std::string title_;
    long icon_ = kIconNone;
    UniqueFont font_;

    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
    // The tool's description as the window enumerates it; false when no tool has this uId.
    bool FindTool(UINT_PTR uid, TTTOOLINFOA &found) const;
    short Delay(WPARAM which) const;
    void SetDelay(WPARAM which, short delay);
    void ApplyTitle();
};

}  // namespace brocade
