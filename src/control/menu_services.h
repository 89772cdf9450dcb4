// The control's face toward its menu machinery: what the scan, the help, measurement, painting
// and hot tracking read from the control, and the resources they draw on, which it owns: the
// resource library with its default help texts and built-in pictures, the system menu font and
// the host's help messages.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <memory>
#include <optional>
#include <string>

#include "common/com_ptr.h"
#include "help/default_help.h"
#include "help/help_host.h"
#include "control/menu_loop.h"
#include "help/help_messages.h"
#include "menu/scan_host.h"
#include "render/default_pictures.h"
#include "render/draw_host.h"

namespace brocade {

class Attachment;
class BackgroundSurface;
class ControlSite;
class CTooltip;
class Looks;
class MenuScanner;
class PopupPass;
class PropertySet;
struct PaintCaches;
struct Settings;

// What the menu machinery asks the control to do.
class ControlActions {
public:
    // The control's own window, made on first demand: it receives the timers.
    virtual HWND EnsureOwnWindow() = 0;
    // The Look items are painted with, made when something it is made from changed.
    virtual LookPtr CurrentLook() = 0;
    // The pass items are drawn in.
    virtual PopupPass &Pass() = 0;
    virtual void UnhighlightMenuBar(HWND window) = 0;

protected:
    ~ControlActions() = default;
};

// The parts of the control the menu machinery reads, as the control holds them.
struct ControlParts {
    ControlSite &site;
    const Settings &settings;
    const PropertySet &properties;
    const Looks &looks;
    const Attachment &attachment;
    MenuScanner &scanner;
    const std::unique_ptr<CTooltip> &tooltip;
    HWND &tooltipAnchor;
    std::optional<MenuLoop> &loop;
    const BackgroundSurface &backgroundSurface;
    const bool &keyboardCuesHidden;
    PaintCaches &paintCaches;
    ControlActions &actions;
};

class MenuServices final : public ScanHost, public HelpHost, public DrawHost {
public:
    explicit MenuServices(const ControlParts &parts);
    ~MenuServices();
    MenuServices(const MenuServices &) = delete;
    MenuServices &operator=(const MenuServices &) = delete;

    // --- Resources ----------------------------------------------------------------------------
    HelpMessageTable &HelpMessages() { return helpMessages_; }
    void LoadLanguageHelp(long language) override { defaultHelp_.LoadDefaultHelp(resourceLibrary_, language); }
    // A built-in picture of a caption in a language and icon set (null when there is none).
    ComPtr<IPictureDisp> DefaultPictureFor(const std::string &caption, bool convert, long language,
                                           long iconSet) override;
    // The check mark drawn while CheckMark is null: the icon set's own.
    void LoadBuiltInCheckMark(long iconSet);
    // The menu font of the system's non-client metrics, cached; rebuilt on request.
    ComPtr<IFontDisp> GetSystemMenuFont(bool rebuild);
    // The set fonts, or the system menu font when none is set.
    ComPtr<IFontDisp> MenuCaptionFont() override;
    ComPtr<IFontDisp> MenuShortcutFont() override;
    // At teardown: the pictures and fonts go, then the resource library.
    void Release();

    // --- What the menu scan reads -------------------------------------------------------------
    bool ScanEnabled() override;
    bool ScanUnicode() override;
    bool ScanRightToLeft() override;
    long ScanLanguage() override;
    bool ScanUseCustomColors() override { return DrawLook()->style.useCustomColors; }
    long ScanMenuIconSet() override;
    HBRUSH MenuBarBackgroundBrush() override;
    HWND HostFormWindow() override;
    HWND ControlOwnWindow() override;
    void RebuildSystemMenuFont() override { GetSystemMenuFont(true); }
    std::string UserHelpMessage(const std::string &text) override { return helpMessages_.Find(text); }
    std::string DefaultHelpText(const std::string &text, long language) override {
        return defaultHelp_.FindDefaultHelp(text, language);
    }
    ComPtr<IDispatch> ImageListObject() override;

    // --- What the help and the tooltips read --------------------------------------------------
    bool HelpAutoShowHelp() override;
    bool HelpShowTooltipTitle() override;
    long HelpTooltipStyle() override;
    COLORREF HelpTooltipBackColor() override;
    COLORREF HelpTooltipTextColor() override;
    short HelpTooltipAutopopDelay() override;
    short HelpTooltipInitialDelay() override;
    short HelpTooltipReshowDelay() override;
    long HelpLanguage() override { return ScanLanguage(); }
    HWND HelpStatusBar() override;
    RecordPtr HelpMenuItemBySerial(long serial) override { return MeasureMenuItemBySerial(serial); }
    std::string HelpFindHelpMessage(const std::string &text, long language, bool unicode) override;
    CTooltip *HelpTooltip() override;
    void SetTooltipAnchorWindow(HWND window) override;

    // --- What measurement and painting read ---------------------------------------------------
    long MeasureMenuBorder() override { return DrawLook()->style.menuBorder; }
    long MeasureMenuIconSet() override { return ScanMenuIconSet(); }
    int MeasureDpi() override { return DrawLook()->style.dpi; }
    ComPtr<IPictureDisp> MeasureCheckMark() override;
    ComPtr<IPictureDisp> MeasureBuiltInCheckMark() override { return builtInCheckMark_; }
    RecordPtr MeasureMenuItemBySerial(long serial) override;
    std::optional<MeasuredColumns> *MeasureColumnsKept() override { return &parts_.paintCaches.measuredColumns; }
    ItemImageCache *DrawItemImages() override;
    const MenuItemCollection &MeasureMenuItems() override;
    SIZE MeasureTextRect(IFontDisp *font, long language, const std::string &text) override;
    LookPtr DrawLook() override;
    const BackgroundSurface *DrawBackgroundSurface() override;
    ShadowBackdrop *DrawShadowBackdrop() override;
    bool DrawKeyboardCuesHidden() override;
    ComPtr<IFontDisp> DrawAmbientFont() override;
    PaintCaches &DrawCaches() override;
    PopupPass &DrawPass() override;
    ComPtr<IPictureDisp> DrawSharperPicture(IPictureDisp *picture, int pixels) override {
        return defaultPictures_ ? defaultPictures_->Sharper(picture, pixels) : nullptr;
    }

private:
    ControlParts parts_;
    HMODULE resourceLibrary_ = nullptr;
    DefaultHelp defaultHelp_;
    std::unique_ptr<DefaultPictures> defaultPictures_;
    ComPtr<IPictureDisp> builtInCheckMark_;
    HelpMessageTable helpMessages_;
    ComPtr<IFontDisp> systemMenuFont_;

    std::string DefaultPictureName(const std::string &caption, bool convert, long language);
};

}  // namespace brocade
