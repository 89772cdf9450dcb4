// The Brocade control core: its property set, persistence and lifecycle, as a plain C++
// class. The COM object in src/com is a thin shell that forwards to it.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <memory>
#include <string>
#include <vector>

#include "common/boolean.h"
#include "common/com_ptr.h"
#include "common/gdi.h"
#include "control/control_site.h"
#include "control/control_window.h"
#include "common/enums.h"
#include "control/menu_animation.h"
#include "control/persist.h"
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
    Boolean &route;  // leave True to run the window's own procedure afterwards
};

class Control : public cSubclassListener, public ScanHost, public HelpHost, public DrawHost, public HotTrackHost {
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
    bool TornDown() const { return tornDown_; }

    // A container that initialises the control before it gives it a site (ATL's host window
    // does, for a control that does not ask for its site first) gets the attachment when the
    // site arrives; properties already set are kept.
    void AttachLate();

    // Run mode follows the container's ambient UserMode.
    bool RunMode() { return site_.AmbientUserMode(); }

    // The control's own window, made when the container activates the control in place.
    ControlWindow &Window() { return window_; }

    // --- Properties ---------------------------------------------------------------------
    Boolean AutoShowHelp() const { return autoShowHelp_; }
    void SetAutoShowHelp(Boolean value);
    ComPtr<IPictureDisp> CheckMark() const { return checkMark_; }
    void SetCheckMark(IPictureDisp *value);
    long HighlightStyle() const { return highlightStyle_; }
    void SetHighlightStyle(long value);
    long MenuBorder() const { return menuBorder_; }
    void SetMenuBorder(long value);
    Boolean UseCustomColors() const { return useCustomColors_; }
    void SetUseCustomColors(Boolean value);

    // The ten colours, read through the read rule.
    OLE_COLOR Color(ColorIndex index);
    void SetColor(ColorIndex index, OLE_COLOR value);
    OLE_COLOR CustomColor(ColorIndex index) const { return customColors_[index]; }
    OLE_COLOR DefaultColor(ColorIndex index) const { return defaultColors_[index]; }

    long Language() const { return language_; }
    void SetLanguage(long value);
    Boolean RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(Boolean value);
    Boolean ShowTooltip() const { return showTooltip_; }
    void SetShowTooltip(Boolean value);
    long TootipStyle() const { return tootipStyle_; }
    void SetTootipStyle(long value);
    Boolean ShowTootipTitle() const { return showTootipTitle_; }
    void SetShowTootipTitle(Boolean value);
    ComPtr<IPictureDisp> BackgroundPicture() const { return backgroundPicture_; }
    // False when the picture is of a type that cannot be tiled ("Invalid picture type"); the
    // picture is kept but nothing is drawn from it.
    bool SetBackgroundPicture(IPictureDisp *value);
    const BackgroundSurface &BackgroundPictureSurface() const { return backgroundSurface_; }
    short TooltipInitialDelay() const { return tooltipInitialDelay_; }
    void SetTooltipInitialDelay(short value);
    short TooltipReshowDelay() const { return tooltipReshowDelay_; }
    void SetTooltipReshowDelay(short value);
    short TooltipAutopopDelay() const { return tooltipAutopopDelay_; }
    void SetTooltipAutopopDelay(short value);
    Boolean Enabled() const { return enabled_; }
    void SetEnabled(Boolean value);
    long HighlightAppearance() const { return highlightAppearance_; }
    void SetHighlightAppearance(long value);
    Boolean Unicode() const { return unicode_; }
    void SetUnicode(Boolean value);
    long HighlightOverBitmap() const { return highlightOverBitmap_; }
    void SetHighlightOverBitmap(long value);
    long MenuIconSet() const { return menuIconSet_; }
    void SetMenuIconSet(long value);
    Boolean LockRefresh() const { return lockRefresh_; }
    void SetLockRefresh(Boolean value);
    std::wstring Version() const;

    // --- Methods ------------------------------------------------------------------------
    // The set fonts, or the system menu font when none is set.
    ComPtr<IFontDisp> MenuCaptionFont() override;
    ComPtr<IFontDisp> MenuShortcutFont() override;
    void SetMenuCaptionFont(IFontDisp *font);
    void SetMenuShortcutFont(IFontDisp *font);
    // The menu font of the system's non-client metrics, cached; rebuilt on request.
    ComPtr<IFontDisp> GetSystemMenuFont(bool rebuild);
    ComPtr<IDispatch> ImageList() const { return imageList_; }
    void SetImageList(IDispatch *value) { imageList_ = ComPtr<IDispatch>(value); }
    void ShowAboutBox(HWND owner);

    // --- Default help texts -------------------------------------------------------------
    HMODULE ResourceLibrary() const { return resourceLibrary_; }
    const DefaultHelp &DefaultHelpTexts() const { return defaultHelp_; }
    void LoadLanguageHelp(long language) override { defaultHelp_.LoadDefaultHelp(resourceLibrary_, language); }

    // --- Menu records and built-in pictures ---------------------------------------------
    MenuScanner &Scanner() { return scanner_; }
    // A built-in picture of a caption in a language and icon set (null when there is none).
    // LoadDefaultPicture: a built-in picture of a caption in a language and icon set.
    ComPtr<IPictureDisp> DefaultPicture(const std::string &caption, long language, long iconSet) {
        return DefaultPictureFor(caption, IsTrue(unicode_), language, iconSet);
    }
    // The check mark drawn while CheckMark is null: the current icon set's own.
    ComPtr<IPictureDisp> BuiltInCheckMark() const { return builtInCheckMark_; }

    // --- What the menu scan reads from the control --------------------------------------
    bool ScanEnabled() override { return IsTrue(enabled_); }
    bool ScanUnicode() override { return IsTrue(unicode_); }
    bool ScanRightToLeft() override { return IsTrue(rightToLeft_); }
    long ScanLanguage() override { return language_; }
    bool ScanUseCustomColors() override { return DrawLook()->style.useCustomColors; }
    long ScanMenuIconSet() override { return menuIconSet_; }
    HBRUSH MenuBarBackgroundBrush() override { return menuBarBrush_.Get(); }
    HWND HostFormWindow() override { return hostWindow_; }
    HWND ControlOwnWindow() override { return EnsureOwnWindow(); }
    void RebuildSystemMenuFont() override { GetSystemMenuFont(true); }
    std::string UserHelpMessage(const std::string &text) override;
    std::string DefaultHelpText(const std::string &text, long language) override {
        return defaultHelp_.FindDefaultHelp(text, language);
    }
    ComPtr<IDispatch> ImageListObject() override { return imageList_; }
    ComPtr<IPictureDisp> DefaultPictureFor(const std::string &caption, bool convert, long language,
                                           long iconSet) override;
    void RaiseSetMenuItemAttributes(MenuItemRecord &record) override { site_.FireSetMenuItemAttributes(record); }

    // --- Help messages and tooltips -----------------------------------------------------
    HelpMessageTable &HelpMessages() { return helpMessages_; }
    CTooltip *Tooltip() { return tooltip_.get(); }
    HWND StatusBar() const { return statusBar_; }

    bool HelpAutoShowHelp() override { return IsTrue(autoShowHelp_); }
    bool HelpShowTootipTitle() override { return IsTrue(showTootipTitle_); }
    long HelpTootipStyle() override { return tootipStyle_; }
    COLORREF HelpTooltipBackColor() override;
    COLORREF HelpTooltipTextColor() override;
    short HelpTooltipAutopopDelay() override { return tooltipAutopopDelay_; }
    short HelpTooltipInitialDelay() override { return tooltipInitialDelay_; }
    short HelpTooltipReshowDelay() override { return tooltipReshowDelay_; }
    long HelpLanguage() override { return language_; }
    HWND HelpStatusBar() override { return statusBar_; }
    RecordPtr HelpMenuItemByKey(const std::string &key) override { return scanner_.GetMenuItemByKey(key); }
    std::string HelpFindHelpMessage(const std::string &text, long language, bool unicode) override {
        return scanner_.FindHelpMessage(text, language, unicode);
    }
    CTooltip *HelpTooltip() override { return tooltip_.get(); }
    void SetTooltipAnchorWindow(HWND window) override { tooltipAnchor_ = window; }
    void RaiseShowMenuHelp(MenuItemRecord &record, std::string &text) override { site_.FireShowMenuHelp(record, text); }

    // --- What item measurement reads from the control -----------------------------------
    long MeasureMenuBorder() override { return DrawLook()->style.menuBorder; }
    int MeasureDpi() override { return DrawLook()->style.dpi; }
    long MeasureMenuIconSet() override { return menuIconSet_; }
    ComPtr<IPictureDisp> MeasureCheckMark() override { return checkMark_; }
    ComPtr<IPictureDisp> MeasureBuiltInCheckMark() override { return builtInCheckMark_; }
    RecordPtr MeasureMenuItemByKey(const std::string &key) override { return scanner_.GetMenuItemByKey(key); }
    const MenuItemCollection &MeasureMenuItems() override { return scanner_.Items(); }
    // In a menu loop with nobody listening, nothing runs between the items of a popup measured
    // in a row: the font object read for one holds for the next until the pass ends.
    SIZE MeasureTextRect(IFontDisp *font, long language, const std::string &text) override {
        return scanner_.GetTextRect(font, language, text, inMenuLoop_ && !site_.HasEventHandlers());
    }
    void RaiseSetMenuItemSize(MenuItemRecord &record, long &width, long &height) override {
        site_.FireSetMenuItemSize(record, width, height);
    }

    // --- What item painting reads from the control --------------------------------------
    LookPtr DrawLook() override;
    const BackgroundSurface *DrawBackgroundSurface() override {
        return backgroundSurface_.Dc() ? &backgroundSurface_ : nullptr;
    }
    ShadowBackdrop *DrawShadowBackdrop() override { return shadowBackdrop_.Empty() ? nullptr : &shadowBackdrop_; }
    bool DrawKeyboardCuesHidden() override { return keyboardCuesHidden_; }
    ComPtr<IFontDisp> DrawAmbientFont() override { return ComPtr<IFontDisp>::Adopt(site_.AmbientFont()); }
    PaintCaches &DrawCaches() override { return paintCaches_; }
    ComPtr<IPictureDisp> DrawSharperPicture(IPictureDisp *picture, int pixels) override {
        return defaultPictures_ ? defaultPictures_->Sharper(picture, pixels) : nullptr;
    }
    // A moved selection, another menu or the loop's end ends what the items of a popup share,
    // and the next item reads the settings afresh.
    void EndPopupPass() {
        paintCaches_.EndPopupPass();
        scanner_.ForgetMeasuringSource();
        InvalidateLook();
    }
    bool DrawEventsObserved() override { return site_.HasEventHandlers(); }
    void RaiseDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                           Boolean &userDrawn) override {
        site_.FireDrawMenuItem(record, menuDC, selected, cx, cy, userDrawn);
    }
    void RaiseDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy, DrawStage stage,
                             Boolean &doDefault) override {
        site_.FireDrawMenuItemEx(record, menuDC, selected, cx, cy, stage, doDefault);
    }

    // --- Events the core raises ---------------------------------------------------------
    void RaiseClearMenuHelp() override { site_.FireClearMenuHelp(); }

    // --- Hot tracking ---------------------------------------------------------------------
    bool HotTrackEnabled() override { return IsTrue(enabled_); }
    bool HotTrackInMenuLoop() override { return inMenuLoop_; }
    long HotTrackMenuBorder() override { return DrawLook()->style.menuBorder; }
    HPEN HotTrackBorderPen() override { return highlightPen_ ? highlightPen_->Get() : nullptr; }
    void StartHotTrackTimer() override;
    void StopHotTrackTimer() override;
    void UnhighlightMenuBarForHotTracking(HWND window) override { UnhighlightMenuBar(window); }
    const MenuBarHotTracking &HotTracking() const { return hotTracking_; }

    // --- Message dispatch (the control's subclass listener) -----------------------------
    LRESULT WindowMsgListener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, Boolean &bRouteToOriginal) override;
    bool AddListenerRef() override;
    void ReleaseListenerRef() override;
    void OnTimer(UINT_PTR timer);

    // Rebuilds the cached brush and pen and redraws the menu bar of the window (or of the
    // MDI frame while it is hooked).
    void Refresh(HWND window);
    // Gives a window's system menu and menu bar their system look back.
    void RestoreMenus(HWND window);
    void UnhighlightMenuBar(HWND window);

    // --- Host window attachment ---------------------------------------------------------
    void RegisterWindowMenu(HWND window, Boolean stop);
    bool RegisterWindowMenuCore(HWND window, bool stop, bool noRedraw);
    void HookMDIFrame();
    void UnhookMDIFrame();
    void RedrawMenuBar(HWND window);
    HWND RedrawTarget(HWND window) const { return frameHooked_ ? mdiFrame_ : window; }

    HWND HostWindow() const { return hostWindow_; }
    HWND MdiFrameWindow() const { return mdiFrame_; }
    HWND MdiClientWindow() const { return mdiClient_; }
    bool FrameHooked() const { return frameHooked_; }
    const std::vector<HWND> &RegisteredWindows() const { return registered_; }
    bool InMenuLoop() const { return inMenuLoop_; }
    bool KeyboardCuesHidden() const { return keyboardCuesHidden_; }
    HBRUSH PopupBackgroundBrush() const { return popupBrush_ ? popupBrush_->Get() : nullptr; }
    HPEN HighlightBorderPen() const { return highlightPen_ ? highlightPen_->Get() : nullptr; }
    HBRUSH MenuBarBrush() const { return menuBarBrush_.Get(); }

    static constexpr UINT_PTR kMdiTimer = 1;
    static constexpr UINT_PTR kHotTrackTimer = 2;
    static constexpr UINT kPurgeMessage = WM_USER + 101;

private:
    ControlSite &site_;
    ControlWindow window_{*this};
    bool tornDown_ = false;
    bool loaded_ = false;  // initialised by Load rather than InitNew

    HMODULE resourceLibrary_ = nullptr;
    DefaultHelp defaultHelp_;
    std::unique_ptr<DefaultPictures> defaultPictures_;
    ComPtr<IPictureDisp> builtInCheckMark_;
    MenuScanner scanner_{*this};
    HelpMessageTable helpMessages_;
    std::unique_ptr<CTooltip> tooltip_;
    MenuSelectionHelp menuHelp_{*this};

    // Attachment state.
    HWND hostWindow_ = nullptr;
    bool attached_ = false;
    HWND mdiFrame_ = nullptr;
    bool frameHooked_ = false;
    HWND mdiClient_ = nullptr;
    std::vector<HWND> registered_;  // in registration order
    HWND statusBar_ = nullptr;

    // Menu-loop state.
    bool inMenuLoop_ = false;
    bool keyboardCuesHidden_ = false;
    MenuAnimationSwitch menuAnimation_;
    HWND hotTrackWindow_ = nullptr;
    MenuBarHotTracking hotTracking_{*this};
    HWND tooltipAnchor_ = nullptr;

    // The screen behind the popups of the current menu loop (Flat with Shadow only).
    ShadowBackdrop shadowBackdrop_;

    // Cached GDI objects, rebuilt from the colour properties. The popup brush and the border
    // pen are shared with the Looks made while they were current.
    std::shared_ptr<const UniqueBrush> popupBrush_;
    std::shared_ptr<const UniquePen> highlightPen_;
    UniqueBrush menuBarBrush_;
    // The Look items are painted with; null when a setting changed since it was made.
    LookPtr look_;
    // The window whose items were measured or drawn last: the Look takes its DPI.
    HWND dpiWindow_ = nullptr;
    unsigned long lookGeneration_ = 0;
    // The font and memory DCs item painting keeps between items.
    PaintCaches paintCaches_;

    Boolean autoShowHelp_ = kTrue;
    ComPtr<IPictureDisp> checkMark_;
    long highlightStyle_ = kHorizontalLeftToRight;
    long menuBorder_ = kBorderNormal;
    Boolean useCustomColors_ = kFalse;
    OLE_COLOR customColors_[kColorCount];
    OLE_COLOR defaultColors_[kColorCount];
    long language_ = kEnglish;
    Boolean rightToLeft_ = kFalse;
    Boolean showTooltip_ = kTrue;
    long tootipStyle_ = kBalloon;
    Boolean showTootipTitle_ = kFalse;
    ComPtr<IPictureDisp> backgroundPicture_;
    BackgroundSurface backgroundSurface_;
    short tooltipInitialDelay_ = -1;
    short tooltipReshowDelay_ = -1;
    short tooltipAutopopDelay_ = -1;
    Boolean enabled_ = kTrue;
    long highlightAppearance_ = 0;
    Boolean unicode_ = kFalse;
    long highlightOverBitmap_ = 0;
    long menuIconSet_ = kIconsDefault;
    Boolean lockRefresh_ = kFalse;
    ComPtr<IDispatch> imageList_;
    ComPtr<IFontDisp> captionFont_;
    ComPtr<IFontDisp> shortcutFont_;
    ComPtr<IFontDisp> systemMenuFont_;

    // A changed property gives the next item painted a new Look.
    void Notify(DISPID dispid) {
        InvalidateLook();
        site_.PropertyChanged(dispid);
    }
    // Whatever the Look is made from changed: the next item painted gets a new one. The pass
    // drawing with the old one ends before that item, so a pen it holds selected goes back first.
    void InvalidateLook() {
        look_.reset();
        scanner_.ForgetMeasuringSource();
    }
    PaintStyle ResolvePaintStyle();
    void LoadDefaultColors();
    void ResetColorsToDefaults();
    // The popup background brush and the highlight border pen, from the colours read now.
    void RebuildPaintObjects(bool brush, bool pen);
    // The menu bar brush is replaced here; the menu keeps using the old one until it is
    // drawn again.
    template <class Handle>
    void ReplaceCached(UniqueGdi<Handle> &slot, Handle replacement) {
        InvalidateLook();
        slot.Reset(replacement);
    }
    std::string DefaultPictureName(const std::string &caption, bool convert, long language);
    void LoadBuiltInCheckMark();
    void MakeMenuBarBrush();


    // Attachment.
    void Attach();
    bool AttachToHost();
    HWND FindHostWindow();
    void ReadKeyboardCues();
    bool IsRegistered(HWND window) const;
    bool IsMdiChildHost() const { return mdiFrame_ != nullptr; }
    void ForgetRegistered(HWND window);
    HWND EnsureOwnWindow();
    void StartMdiTimer();

    // Dispatch handlers, one per message of the dispatch table.
    using Handler = LRESULT (Control::*)(WindowMessage &);
    struct Route {
        UINT message;
        Handler handler;
    };
    static const Route kRoutes[];
    LRESULT OnDestroy(WindowMessage &m);
    LRESULT OnActivate(WindowMessage &m);
    LRESULT OnSysColorChange(WindowMessage &m);
    LRESULT OnSettingChange(WindowMessage &m);
    LRESULT OnDpiChanged(WindowMessage &m);
    // Items measured or drawn for window take its DPI; another DPI makes a new Look.
    void FollowDpiOf(HWND window);
    LRESULT OnActivateApp(WindowMessage &m);
    LRESULT OnGetMinMaxInfo(WindowMessage &m);
    LRESULT OnDrawItemMessage(WindowMessage &m);
    LRESULT OnMeasureItemMessage(WindowMessage &m);
    LRESULT OnNotify(WindowMessage &m);
    LRESULT OnNCMouseMove(WindowMessage &m);
    LRESULT OnInitMenu(WindowMessage &m);
    LRESULT OnInitMenuPopupMessage(WindowMessage &m);
    LRESULT OnMenuSelectMessage(WindowMessage &m);
    LRESULT OnMenuCharMessage(WindowMessage &m);
    LRESULT OnEnterMenuLoop(WindowMessage &m);
    LRESULT OnExitMenuLoop(WindowMessage &m);
    LRESULT OnMDIDestroy(WindowMessage &m);
    LRESULT OnMDIActivate(WindowMessage &m);
    LRESULT OnMDISetMenu(WindowMessage &m);
    LRESULT OnWindowFromPoint(WindowMessage &m);
    LRESULT OnPurge(WindowMessage &m);

    // Where the menu machinery of the other subsystems is called.
    bool HasMenuRecords() const;
    void ScanMenuBar(HMENU menu);
    void RestoreMenu(HMENU menu);
    void OnInitMenuPopup(HWND window, HMENU popup, LPARAM lParam);
    LRESULT OnDrawItem(HWND window, WPARAM wParam, LPARAM lParam, Boolean &route);
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam, Boolean &route);
    LRESULT OnMenuChar(WPARAM wParam, LPARAM lParam, Boolean &route);
    LRESULT OnMenuSelect(HWND window, WPARAM wParam, LPARAM lParam);
    void HotTrackCheck(HWND window);
    void CaptureShadowBackdrop();
    void ReleaseShadowBackdrop();
    void PurgeDeadRecords();
    void RemoveRecordsOfWindow(HWND window);
    // Gives every menu the control converted its string items back.
    void RestoreConvertedMenus();
    void CreateTooltip();
    HWND TooltipWindow() const;
    void ReleaseTooltip();
};

}  // namespace brocade
