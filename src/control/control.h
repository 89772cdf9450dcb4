// The Brocade control core: its property set, persistence and lifecycle, as a plain C++
// class. The COM object in src/com is a thin shell that forwards to it.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/com_ptr.h"
#include "common/gdi.h"
#include "control/attachment.h"
#include "control/control_site.h"
#include "control/control_window.h"
#include "common/enums.h"
#include "control/menu_animation.h"
#include "control/looks.h"
#include "control/menu_bar_hot_track.h"
#include "control/menu_loop.h"
#include "control/menu_services.h"
#include "control/property_set.h"
#include "control/persist.h"
#include "control/settings.h"
#include "help/default_help.h"
#include "help/help_host.h"
#include "help/help_messages.h"
#include "help/menu_selection_help.h"
#include "help/tooltip.h"
#include "menu/menu_scan.h"
#include "render/background_surface.h"
#include "render/default_pictures.h"
#include "render/draw_host.h"
#include "render/look.h"
#include "render/hot_tracking.h"
#include "render/measure_host.h"
#include "render/paint_caches.h"
#include "render/shadow_backdrop.h"
#include "subclass/subclass_listener.h"

namespace brocade {

// A window message as the dispatch hands it to a handler.
struct WindowMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool &route;  // leave true to run the window's own procedure afterwards
};

class Control : public cSubclassListener, private PropertyEffects, private ControlActions {
public:
    explicit Control(ControlSite &site);
    ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    // Lifecycle driven by the container.
    void InitNew();
    void Load(PropertyReader &reader);
    void Save(PropertyWriter &writer);
    void Teardown();

    // A container that initialises the control before it gives it a site (ATL's host window
    // does, for a control that does not ask for its site first) gets the attachment when the
    // site arrives; properties already set are kept.
    void AttachLate();

    // Run mode follows the container's ambient UserMode.
    bool RunMode() override { return site_.AmbientUserMode(); }

    // The control's own window, made when the container activates the control in place.
    ControlWindow &Window() { return window_; }

    // --- Properties -----------------------------------------------------------------------
    PropertySet &Properties() { return properties_; }

    // --- Methods ------------------------------------------------------------------------
    // The set fonts, or the system menu font when none is set.
    ComPtr<IFontDisp> MenuCaptionFont() { return services_.MenuCaptionFont(); }
    ComPtr<IFontDisp> MenuShortcutFont() { return services_.MenuShortcutFont(); }
    void ShowAboutBox(HWND owner);
    HelpMessageTable &HelpMessages() { return services_.HelpMessages(); }
    // A built-in picture of a caption in a language and icon set (null when there is none).
    ComPtr<IPictureDisp> DefaultPicture(const std::string &caption, long language, long iconSet) {
        return services_.DefaultPictureFor(caption, settings_.unicode, language, iconSet);
    }

    // --- Message dispatch (the control's subclass listener) -----------------------------
    LRESULT WindowMsgListener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool &bRouteToOriginal) override;
    bool AddListenerRef() override;
    void ReleaseListenerRef() override;
    void OnTimer(UINT_PTR timer);

    // Rebuilds the cached brush and pen and redraws the menu bar of the window (or of the
    // MDI frame while it is hooked).
    void Refresh(HWND window) override;
    // RegisterWindowMenu.
    void RegisterWindowMenu(HWND window, bool stop) { attachment_.RegisterWindowMenu(window, stop); }
    void UnhighlightMenuBar(HWND window) override;


    static constexpr UINT_PTR kMdiTimer = 1;
    static constexpr UINT_PTR kHotTrackTimer = MenuBarHotTrack::kTimer;
    static constexpr UINT kPurgeMessage = WM_USER + 101;

private:

    ControlSite &site_;
    ControlWindow window_{*this};
    bool tornDown_ = false;
    bool loaded_ = false;  // initialised by Load rather than InitNew

    MenuServices services_{ControlParts{site_, settings_, properties_, looks_, attachment_, scanner_, tooltip_,
                                        tooltipAnchor_, loop_, backgroundSurface_, keyboardCuesHidden_,
                                        paintCaches_, *this}};
    PropertySet properties_{settings_, attachment_, backgroundSurface_, looks_, tooltip_, services_, *this};
    MenuScanner scanner_{services_, site_};
    std::unique_ptr<CTooltip> tooltip_;
    MenuSelectionHelp menuHelp_{services_, site_};
    Attachment attachment_{*this, scanner_, settings_};


    // Menu-loop state.
    // The menu loop going on; none between loops.
    std::optional<MenuLoop> loop_;
    bool keyboardCuesHidden_ = false;
    MenuAnimationSwitch menuAnimation_;
    MenuBarHotTrack hotTrack_{settings_, looks_, loop_, window_, *this};
    HWND tooltipAnchor_ = nullptr;

    Looks looks_;
    // The window whose items were measured or drawn last: the Look takes its DPI.
    HWND dpiWindow_ = nullptr;
    // The font and memory DCs item painting keeps between items.
    PaintCaches paintCaches_;
    // Items drawn between loops (the menu bar, a host drawing an item itself): nothing tells
    // when the drawing ends, so this pass lasts one item.
    PopupPass idlePass_;

    Settings settings_;
    BackgroundSurface backgroundSurface_;

    // A changed property gives the next item painted a new Look.
    void Notify(DISPID dispid) override {
        InvalidateLook();
        site_.PropertyChanged(dispid);
    }
    // Whatever the Look is made from changed: the next item painted gets a new one. The pass
    // drawing with the old one ends before that item, so a pen it holds selected goes back first.
    void InvalidateLook() override {
        looks_.Invalidate();
        scanner_.ForgetMeasuringSource();
    }
    // The Look items are painted with: the same object until something it is made from changes.
    LookPtr CurrentLook() override;
    PaintStyle ResolvePaintStyle();
    // The pass items are drawn in: the loop's, or between loops one that lasts a single item.
    PopupPass &Pass() override { return loop_ ? loop_->Pass() : idlePass_; }
    void LoadDefaultColors() override;
    void ResetColorsToDefaults();
    // The popup background brush and the highlight border pen, from the colours read now.
    void RebuildPaintObjects(bool brush, bool pen) override;
    void MakeMenuBarBrush() override {
        InvalidateLook();
        looks_.MakeMenuBarBrush(settings_.customColors[kMenuBarBackground]);
    }


    // Attachment.
    void Attach();
    bool AttachToHost();
    void ReadKeyboardCues();
    HWND EnsureOwnWindow() override;
    void StartMdiTimer();

    // The dispatch table: each entry cracks its message once and calls its handler.
    using Cracker = LRESULT (*)(Control &, WindowMessage &);
    struct Route {
        UINT message;
        Cracker crack;
    };
    static const Route kRoutes[];
    LRESULT OnDestroy(HWND window);
    LRESULT OnActivate(WPARAM state);
    LRESULT OnSysColorChange();
    LRESULT OnSettingChange(HWND window);
    LRESULT OnDpiChanged(HWND window);
    // Items measured or drawn for window take its DPI; another DPI makes a new Look.
    void FollowDpiOf(HWND window);
    LRESULT OnActivateApp(bool active);
    LRESULT OnGetMinMaxInfo(HWND window);
    LRESULT OnDrawItem(HWND window, const DRAWITEMSTRUCT &draw, bool &route);
    LRESULT OnMeasureItem(HWND window, MEASUREITEMSTRUCT &measure, bool &route);
    LRESULT OnNotify(const NMHDR &header);
    LRESULT OnNCMouseMove(HWND window, WPARAM hitTest);
    LRESULT OnInitMenu(HWND window, HMENU menu, bool &route);
    LRESULT OnInitMenuPopup(HWND window, HMENU popup, UINT position, bool systemMenu, bool &route);
    LRESULT OnMenuSelect(HWND window, UINT item, UINT flags, HMENU menu);
    LRESULT OnMenuChar(wchar_t character, HMENU menu, bool &route);
    LRESULT OnEnterMenuLoop(HWND window);
    LRESULT OnExitMenuLoop();
    LRESULT OnMDIDestroy(HWND window);
    LRESULT OnMDIActivate(HWND window, HWND first, HWND second);
    LRESULT OnMDISetMenu();
    LRESULT OnWindowFromPoint(bool &route);
    LRESULT OnPurge();
};

}  // namespace brocade
