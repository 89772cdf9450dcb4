// Menu bar hot tracking while no menu is open: the title under the mouse is highlighted
// through the system's own item highlighting, framed when the popups have flat borders, and a
// short poll un-highlights it once the mouse has left.
#pragma once
#include <windows.h>

namespace brocade {

// Everything hot tracking reads from the control or asks of it.
class HotTrackHost {
public:
    virtual bool HotTrackEnabled() = 0;     // the Enabled property
    virtual bool HotTrackInMenuLoop() = 0;  // the in-menu-loop flag
    virtual long HotTrackMenuBorder() = 0;  // bdBorder
    virtual HPEN HotTrackBorderPen() = 0;   // the highlight border pen; may be null
    // The poll: a tick every kHotTrackInterval ms, each running TrackMenuBarHot for the hot
    // window, until stopped.
    virtual void StartHotTrackTimer() = 0;
    virtual void StopHotTrackTimer() = 0;
    // Removes the highlight from every title of the window's menu bar (and so ends hot tracking).
    virtual void UnhighlightMenuBarForHotTracking(HWND window) = 0;

protected:
    ~HotTrackHost() = default;
};

constexpr UINT kHotTrackInterval = 50;

class MenuBarHotTracking {
public:
    explicit MenuBarHotTracking(HotTrackHost &host) : host_(host) {}

    // The hot-tracking check of a window's menu bar, on a mouse move over it and on each tick.
    void TrackMenuBarHot(HWND window);
    // Highlights the title at a position and keeps the poll running.
    void HotTrackTitle(HWND window, HMENU menu, int position);

    // The menu bar hot flag, and the window and title position last hot-tracked.
    bool Hot() const { return hot_; }
    HWND HotWindow() const { return hotWindow_; }
    int HotPosition() const { return hot_ ? hotPosition_ : -1; }
    // Back to idle: the bar has been un-highlighted or a menu loop began or ended.
    void Forget() { hot_ = false; }

private:
    HotTrackHost &host_;
    bool hot_ = false;
    HWND hotWindow_ = nullptr;
    int hotPosition_ = -1;
};

// The system's hot-tracking setting; on systems that have none it counts as on.
bool SystemHotTracking();

// The frame of a hot title on the window DC: an open box (no bottom line) while a menu is
// open, a closed one otherwise. Corners are inclusive.
void DrawHotFrame(HDC dc, const RECT &rect, HPEN pen, bool inMenuLoop);

}  // namespace brocade
