// The control's side of item painting for the tests: records from a real menu scan, style
// values in public fields, and the host's DrawMenuItem and DrawMenuItemEx handlers.
#pragma once
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/gdi.h"
#include "menu/menu_item_collection.h"
#include "menu/menu_scan.h"
#include "menu/menu_test_support.h"
#include "render/background_surface.h"
#include "render/draw_host.h"
#include "render/paint_caches.h"
#include "render/render_test_support.h"
#include "render/shadow_backdrop.h"

namespace paint_test {

using brocade::Boolean;
using brocade::ComPtr;
using brocade::DrawStage;
using brocade::MenuItemRecord;
using brocade::RecordPtr;

// One raise of a drawing event.
struct Raised {
    long serial;
    int stage;  // -1 for DrawMenuItem
    bool operator==(const Raised &other) const { return serial == other.serial && stage == other.stage; }
};

class TestDrawHost final : public brocade::DrawHost {
public:
    explicit TestDrawHost(brocade::MenuScanner &scanner);

    brocade::PaintStyle style;
    ComPtr<IPictureDisp> checkMark;
    ComPtr<IPictureDisp> builtInCheckMark;
    brocade::BackgroundSurface background;  // used when it holds a picture
    brocade::ShadowBackdrop *backdrop = nullptr;
    bool cuesHidden = false;
    bool observed = true;  // whether any event handler listens
    ComPtr<IFontDisp> ambientFont;
    brocade::PaintCaches caches;
    brocade::UniqueBrush popupBrush;
    brocade::UniquePen borderPen;

    std::function<void(MenuItemRecord &, HDC, bool, long, long, Boolean &)> onDrawMenuItem;
    std::function<void(MenuItemRecord &, HDC, bool, long, long, DrawStage, Boolean &)> onDrawMenuItemEx;
    std::vector<Raised> raised;

    // Brush and pen from the style's colours, as the control makes them.
    void MakeBrushAndPen();

    long MeasureMenuBorder() override { return style.menuBorder; }
    long MeasureMenuIconSet() override { return 0; }
    ComPtr<IPictureDisp> MeasureCheckMark() override { return checkMark; }
    ComPtr<IPictureDisp> MeasureBuiltInCheckMark() override { return builtInCheckMark; }
    RecordPtr MeasureMenuItemByKey(const std::string &key) override { return scanner_.GetMenuItemByKey(key); }
    const brocade::MenuItemCollection &MeasureMenuItems() override { return scanner_.Items(); }
    SIZE MeasureTextRect(IFontDisp *font, long language, const std::string &text) override {
        return scanner_.GetTextRect(font, language, text);
    }
    void RaiseSetMenuItemSize(MenuItemRecord &, long &, long &) override {}

    brocade::PaintStyle DrawPaintStyle() override;
    HBRUSH DrawPopupBrush() override { return popupBrush.Get(); }
    HPEN DrawHighlightBorderPen() override { return borderPen.Get(); }
    const brocade::BackgroundSurface *DrawBackgroundSurface() override {
        return background.Dc() ? &background : nullptr;
    }
    brocade::ShadowBackdrop *DrawShadowBackdrop() override { return backdrop; }
    bool DrawKeyboardCuesHidden() override { return cuesHidden; }
    ComPtr<IFontDisp> DrawAmbientFont() override { return ambientFont; }
    brocade::PaintCaches &DrawCaches() override { return caches; }
    bool DrawEventsObserved() override { return observed; }
    void RaiseDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                           Boolean &userDrawn) override;
    void RaiseDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy, DrawStage stage,
                             Boolean &doDefault) override;

private:
    brocade::MenuScanner &scanner_;
};

// A scanned popup and a host for painting its items straight into a DIB section.
class PaintBench {
public:
    explicit PaintBench(const std::vector<std::string> &texts);
    ~PaintBench();

    menu_test::TestScanHost scanHost;
    brocade::MenuScanner scanner{scanHost};
    TestDrawHost host{scanner};
    HMENU menu = nullptr;

    RecordPtr At(int position) { return scanner.FindMenuItem(menu, position); }
    // Sends WM_DRAWITEM for the item at position, sized cx x cy at (left, top) of target.
    LRESULT Draw(HDC target, int position, RECT rect, UINT state = 0, Boolean *route = nullptr);
};

// A bitmap picture whose pixel (x, y) is color(x, y).
ComPtr<IPictureDisp> PaintedPicture(int width, int height, const std::function<COLORREF(int, int)> &color);

// How many pixels of the area hold the colour.
int CountColor(const brocade_test::Surface &surface, const RECT &area, COLORREF color);

}  // namespace paint_test
