// Where the control calls the menu machinery of the other subsystems: the scan and records,
// item measurement and painting, help and tooltips, hot tracking and the popup shadow.
// Until a subsystem is wired in here, its messages reach the window's own procedure.
#include "control/control.h"
#include "menu/menu_char.h"
#include "menu/unicode_caption.h"
#include "menu/captions.h"
#include "help/control_tooltip.h"
#include "common/color_utils.h"
#include "common/dpi.h"
#include "render/draw_item.h"
#include "render/high_contrast.h"
#include "render/measure_item.h"

namespace brocade {

bool Control::HasMenuRecords() const { return !scanner_.Items().Empty(); }
void Control::ScanMenuBar(HMENU menu) { scanner_.ScanMenuBar(menu); }
void Control::RestoreMenu(HMENU menu) { scanner_.RestoreMenu(menu); }
void Control::OnInitMenuPopup(HWND window, HMENU popup, LPARAM lParam) {
    scanner_.OnInitMenuPopup(window, popup, lParam);
}
LRESULT Control::OnDrawItem(HWND, WPARAM wParam, LPARAM lParam, Boolean &route) {
    return brocade::OnDrawItem(*this, wParam, lParam, route);
}
LRESULT Control::OnMeasureItem(WPARAM wParam, LPARAM lParam, Boolean &route) {
    return brocade::OnMeasureItem(*this, wParam, lParam, route);
}
LRESULT Control::OnMenuChar(WPARAM wParam, LPARAM lParam, Boolean &route) {
    return brocade::OnMenuChar(&scanner_.Items(), wParam, lParam, route);
}
LRESULT Control::OnMenuSelect(HWND window, WPARAM wParam, LPARAM lParam) {
    return menuHelp_.OnMenuSelect(window, wParam, lParam);
}
void Control::HotTrackCheck(HWND window) { hotTracking_.TrackMenuBarHot(window); }
void Control::CaptureShadowBackdrop() { shadowBackdrop_.Capture(); }
void Control::ReleaseShadowBackdrop() { shadowBackdrop_.Release(); }
void Control::PurgeDeadRecords() { scanner_.PurgeDeadRecords(); }
void Control::RemoveRecordsOfWindow(HWND window) { scanner_.RemoveRecordsOfWindow(window); }
void Control::CreateTooltip() { CreateControlTooltip(tooltip_, hostWindow_, this); }
HWND Control::TooltipWindow() const { return tooltip_ ? tooltip_->Hwnd() : nullptr; }
void Control::ReleaseTooltip() { ReleaseControlTooltip(tooltip_); }
std::string Control::UserHelpMessage(const std::string &text) { return helpMessages_.Find(text); }
COLORREF Control::HelpTooltipBackColor() { return OleToRGB(Color(kTootipBackground)); }
COLORREF Control::HelpTooltipTextColor() { return OleToRGB(Color(kTootipTextColor)); }

// --- Hot tracking ----------------------------------------------------------------------------

void Control::StartHotTrackTimer() {
    hotTrackWindow_ = hotTracking_.HotWindow();
    if (HWND own = EnsureOwnWindow()) SetTimer(own, kHotTrackTimer, kHotTrackInterval, nullptr);
}
void Control::StopHotTrackTimer() {
    if (window_.Handle()) KillTimer(window_.Handle(), kHotTrackTimer);
}

// --- Item painting ---------------------------------------------------------------------------

// The one place a Look is made.
LookPtr Control::DrawLook() {
    if (look_) return look_;
    auto look = std::make_shared<Look>();
    look->generation = ++lookGeneration_;
    look->style = ResolvePaintStyle();
    look->popupBrush = popupBrush_;
    look->borderPen = highlightPen_;
    look_ = std::move(look);
    return look_;
}

void Control::FollowDpiOf(HWND window) {
    if (!window || window == dpiWindow_) return;
    dpiWindow_ = window;
    if (look_ && look_->style.dpi != WindowDpi(window)) EndPopupPass();
}

PaintStyle Control::ResolvePaintStyle() {
    PaintStyle style;
    COLORREF *colors[kColorCount] = {&style.menuBackground, &style.bitmapBackground, &style.menuBarBackground,
                                     &style.textColor, &style.disabledTextColor, &style.highlightedTextColor,
                                     &style.menuHighlight, &style.menuHighlightBorder, &style.tootipBackground,
                                     &style.tootipTextColor};
    for (int index = 0; index < kColorCount; ++index)
        *colors[index] = OleToRGB(Color(static_cast<ColorIndex>(index)));
    style.highlightStyle = highlightStyle_;
    style.menuBorder = menuBorder_;
    style.highlightAppearance = highlightAppearance_;
    style.highlightOverBitmap = highlightOverBitmap_;
    style.rightToLeft = IsTrue(rightToLeft_);
    style.useCustomColors = IsTrue(useCustomColors_);
    style.hasBackgroundPicture = backgroundSurface_.Dc() != nullptr;
    style.inMenuLoop = inMenuLoop_;
    style.dpi = WindowDpi(dpiWindow_ && IsWindow(dpiWindow_) ? dpiWindow_ : hostWindow_);
    return EffectivePaintStyle(style, HighContrastOn());
}

// --- Built-in pictures ----------------------------------------------------------------------

std::string Control::DefaultPictureName(const std::string &caption, bool convert, long language) {
    if (!defaultHelp_.HasPictureNames(language)) LoadLanguageHelp(language);
    std::string name = defaultHelp_.FindDefaultPictureName(caption, language);
    if (name.empty() && convert)
        name = defaultHelp_.FindDefaultPictureName(GetConvertedUnicodeString(caption, language), language);
    return name;
}

ComPtr<IPictureDisp> Control::DefaultPictureFor(const std::string &caption, bool convert, long language,
                                                long iconSet) {
    if (!defaultPictures_) return {};
    return defaultPictures_->Load(caption, convert, language, iconSet);
}

void Control::LoadBuiltInCheckMark() { builtInCheckMark_ = DefaultPictureFor(kCheckMarkCaption, false, kEnglish, menuIconSet_); }

}  // namespace brocade
