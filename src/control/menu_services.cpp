#include "control/menu_services.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/color_utils.h"
#include "common/os_version.h"
#include "control/attachment.h"
#include "control/control_site.h"
#include "control/looks.h"
#include "control/menu_loop.h"
#include "control/property_set.h"
#include "control/settings.h"
#include "menu/menu_scan.h"
#include "render/background_surface.h"
#include "menu/captions.h"
#include "menu/unicode_caption.h"

namespace brocade {

namespace {

ComPtr<IFontDisp> CreateOleFont(const wchar_t *name, double points, short weight, short charset, bool italic,
                                bool underline, bool strikethrough) {
    FONTDESC desc = {sizeof desc};
    desc.lpstrName = const_cast<LPOLESTR>(name);
    desc.cySize.int64 = static_cast<LONGLONG>(points * 10000);
    desc.sWeight = weight;
    desc.sCharset = charset;
    desc.fItalic = italic;
    desc.fUnderline = underline;
    desc.fStrikethrough = strikethrough;
    ComPtr<IFontDisp> font;
    OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void **>(font.Out()));
    return font;
}

// A copy of the container's ambient font (or the OLE default when it has none).
ComPtr<IFontDisp> CopyOfFont(IFontDisp *source) {
    ComPtr<IFont> font;
    if (source) source->QueryInterface(IID_IFont, reinterpret_cast<void **>(font.Out()));
    if (!font) return CreateOleFont(L"MS Sans Serif", 8, FW_NORMAL, DEFAULT_CHARSET, false, false, false);
    BSTR name = nullptr;
    CY size = {};
    SHORT weight = FW_NORMAL, charset = 0;
    BOOL italic = FALSE, underline = FALSE, strike = FALSE;
    font->get_Name(&name);
    font->get_Size(&size);
    font->get_Weight(&weight);
    font->get_Charset(&charset);
    font->get_Italic(&italic);
    font->get_Underline(&underline);
    font->get_Strikethrough(&strike);
    ComPtr<IFontDisp> copy =
        CreateOleFont(name ? name : L"", size.int64 / 10000.0, weight, charset, italic, underline, strike);
    SysFreeString(name);
    return copy;
}

short AmbientCharset(IFontDisp *ambient) {
    ComPtr<IFont> font;
    SHORT charset = DEFAULT_CHARSET;
    if (ambient && SUCCEEDED(ambient->QueryInterface(IID_IFont, reinterpret_cast<void **>(font.Out()))))
        font->get_Charset(&charset);
    return charset;
}

}  // namespace

MenuServices::MenuServices(const ControlParts &parts) : parts_(parts) {
    // The bare name: the system's library search order finds it.
    resourceLibrary_ = LoadLibraryA("BrocadeRes.dll");
    defaultPictures_ = std::make_unique<DefaultPictures>(
        resourceLibrary_, [this](const std::string &caption, bool convert, long language) {
            return DefaultPictureName(caption, convert, language);
        });
}

MenuServices::~MenuServices() { Release(); }

void MenuServices::Release() {
    builtInCheckMark_.Reset();
    if (defaultPictures_) defaultPictures_->Clear();
    systemMenuFont_.Reset();
    defaultPictures_.reset();
    if (resourceLibrary_) FreeLibrary(resourceLibrary_);
    resourceLibrary_ = nullptr;
}

// --- Resources ------------------------------------------------------------------------------

std::string MenuServices::DefaultPictureName(const std::string &caption, bool convert, long language) {
    if (!defaultHelp_.HasPictureNames(language)) LoadLanguageHelp(language);
    std::string name = defaultHelp_.FindDefaultPictureName(caption, language);
    if (name.empty() && convert)
        name = defaultHelp_.FindDefaultPictureName(GetConvertedUnicodeString(caption, language), language);
    return name;
}

ComPtr<IPictureDisp> MenuServices::DefaultPictureFor(const std::string &caption, bool convert, long language,
                                                long iconSet) {
    if (!defaultPictures_) return {};
    return defaultPictures_->Load(caption, convert, language, iconSet);
}

void MenuServices::LoadBuiltInCheckMark(long iconSet) {
    builtInCheckMark_ = DefaultPictureFor(kCheckMarkCaption, false, kEnglish, iconSet);
}

ComPtr<IFontDisp> MenuServices::GetSystemMenuFont(bool rebuild) {
    if (systemMenuFont_ && !rebuild) return systemMenuFont_;
    ComPtr<IFontDisp> ambient = ComPtr<IFontDisp>::Adopt(parts_.site.AmbientFont());
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = 340;  // the size without the padded border width of later systems
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0)) {
        const LOGFONTA &menu = metrics.lfMenuFont;
        char face[LF_FACESIZE + 1] = {};
        memcpy(face, menu.lfFaceName, LF_FACESIZE);
        wchar_t name[LF_FACESIZE + 1] = {};
        MultiByteToWideChar(CP_ACP, 0, face, -1, name, LF_FACESIZE + 1);
        double points = 8;
        if (menu.lfHeight != 0) {
            WindowDc screen(nullptr);
            int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
            points = RoundEven(std::fabs(menu.lfHeight * 72.0 / dpi));
        }
        short charset = IsWinXP() ? AmbientCharset(ambient.Get()) : menu.lfCharSet;
        systemMenuFont_ = CreateOleFont(name, points, static_cast<short>(menu.lfWeight), charset, menu.lfItalic,
                                        menu.lfUnderline, menu.lfStrikeOut);
    } else {
        systemMenuFont_ = CopyOfFont(ambient.Get());
    }
    return systemMenuFont_;
}

ComPtr<IFontDisp> MenuServices::MenuCaptionFont() {
    const Settings &settings = parts_.settings;
    return settings.captionFont ? settings.captionFont : GetSystemMenuFont(false);
}

ComPtr<IFontDisp> MenuServices::MenuShortcutFont() {
    const Settings &settings = parts_.settings;
    return settings.shortcutFont ? settings.shortcutFont : GetSystemMenuFont(false);
}

// --- The scan -------------------------------------------------------------------------------

bool MenuServices::ScanEnabled() { return parts_.settings.enabled; }
bool MenuServices::ScanUnicode() { return parts_.settings.unicode; }
bool MenuServices::ScanRightToLeft() { return parts_.settings.rightToLeft; }
long MenuServices::ScanLanguage() { return parts_.settings.language; }
long MenuServices::ScanMenuIconSet() { return parts_.settings.menuIconSet; }
HBRUSH MenuServices::MenuBarBackgroundBrush() { return parts_.looks.MenuBarBrush(); }
HWND MenuServices::HostFormWindow() { return parts_.attachment.Host(); }
HWND MenuServices::ControlOwnWindow() { return parts_.actions.EnsureOwnWindow(); }
ComPtr<IDispatch> MenuServices::ImageListObject() { return parts_.settings.imageList; }

// --- Help and tooltips ----------------------------------------------------------------------

bool MenuServices::HelpAutoShowHelp() { return parts_.settings.autoShowHelp; }
bool MenuServices::HelpShowTooltipTitle() { return parts_.settings.showTooltipTitle; }
long MenuServices::HelpTooltipStyle() { return parts_.settings.tooltipStyle; }
COLORREF MenuServices::HelpTooltipBackColor() { return OleToRGB(parts_.properties.Color(kTooltipBackground)); }
COLORREF MenuServices::HelpTooltipTextColor() { return OleToRGB(parts_.properties.Color(kTooltipTextColor)); }
short MenuServices::HelpTooltipAutopopDelay() { return parts_.settings.tooltipAutopopDelay; }
short MenuServices::HelpTooltipInitialDelay() { return parts_.settings.tooltipInitialDelay; }
short MenuServices::HelpTooltipReshowDelay() { return parts_.settings.tooltipReshowDelay; }
HWND MenuServices::HelpStatusBar() { return parts_.attachment.StatusBar(); }
std::string MenuServices::HelpFindHelpMessage(const std::string &text, long language, bool unicode) {
    return parts_.scanner.FindHelpMessage(text, language, unicode);
}
CTooltip *MenuServices::HelpTooltip() { return parts_.tooltip.get(); }
void MenuServices::SetTooltipAnchorWindow(HWND window) { parts_.tooltipAnchor = window; }

// --- Measurement and painting ---------------------------------------------------------------

ComPtr<IPictureDisp> MenuServices::MeasureCheckMark() { return parts_.settings.checkMark; }
RecordPtr MenuServices::MeasureMenuItemBySerial(long serial) { return parts_.scanner.Items().FindSerial(serial); }
const MenuItemCollection &MenuServices::MeasureMenuItems() { return parts_.scanner.Items(); }

// In a menu loop with nobody listening, nothing runs between the items of a popup measured in
// a row: the font object read for one holds for the next until the pass ends.
SIZE MenuServices::MeasureTextRect(IFontDisp *font, long language, const std::string &text) {
    return parts_.scanner.GetTextRect(font, language, text, parts_.loop && !parts_.site.HasEventHandlers());
}

LookPtr MenuServices::DrawLook() { return parts_.actions.CurrentLook(); }
const BackgroundSurface *MenuServices::DrawBackgroundSurface() {
    return parts_.backgroundSurface.Dc() ? &parts_.backgroundSurface : nullptr;
}
ShadowBackdrop *MenuServices::DrawShadowBackdrop() { return parts_.loop ? parts_.loop->Backdrop() : nullptr; }
bool MenuServices::DrawKeyboardCuesHidden() { return parts_.keyboardCuesHidden; }
ComPtr<IFontDisp> MenuServices::DrawAmbientFont() { return ComPtr<IFontDisp>::Adopt(parts_.site.AmbientFont()); }
PaintCaches &MenuServices::DrawCaches() { return parts_.paintCaches; }
PopupPass &MenuServices::DrawPass() { return parts_.actions.Pass(); }
ItemImageCache *MenuServices::DrawItemImages() { return parts_.loop ? &parts_.paintCaches.itemImages : nullptr; }


}  // namespace brocade
