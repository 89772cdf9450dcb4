// Hot tracking of the menu bar's titles, with its poll on the control's own window. It runs
// only while no menu is open, between menu loops, so it lives beside them rather than in one:
// a loop's start stops it and its end starts it afresh.
#pragma once
#include <windows.h>

#include <optional>

#include "control/control_window.h"
#include "control/looks.h"
#include "control/menu_loop.h"
#include "control/menu_services.h"
#include "control/settings.h"
#include "render/hot_tracking.h"

namespace brocade {

class MenuBarHotTrack final : public HotTrackHost {
public:
    static constexpr UINT_PTR kTimer = 2;

    MenuBarHotTrack(const Settings &settings, const Looks &looks, const std::optional<MenuLoop> &loop,
                    ControlWindow &window, ControlActions &actions)
        : settings_(settings), looks_(looks), loop_(loop), window_(window), actions_(actions) {}
    MenuBarHotTrack(const MenuBarHotTrack &) = delete;
    MenuBarHotTrack &operator=(const MenuBarHotTrack &) = delete;

    // The mouse moved over a window's menu bar.
    void Track(HWND window) { tracking_.TrackMenuBarHot(window); }
    // A tick of the poll.
    void Poll() { tracking_.TrackMenuBarHot(pollWindow_); }
    void Forget() { tracking_.Forget(); }

    bool HotTrackEnabled() override { return settings_.enabled; }
    bool HotTrackInMenuLoop() override { return loop_.has_value(); }
    long HotTrackMenuBorder() override { return actions_.CurrentLook()->style.menuBorder; }
    HPEN HotTrackBorderPen() override { return looks_.BorderPen(); }
    void StartHotTrackTimer() override;
    void StopHotTrackTimer() override;
    void UnhighlightMenuBarForHotTracking(HWND window) override { actions_.UnhighlightMenuBar(window); }

private:
    const Settings &settings_;
    const Looks &looks_;
    const std::optional<MenuLoop> &loop_;
    ControlWindow &window_;
    ControlActions &actions_;
    MenuBarHotTracking tracking_{*this};
    HWND pollWindow_ = nullptr;  // the window the poll checks
};

}  // namespace brocade
