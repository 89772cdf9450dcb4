#include "render/menu_bar_item.h"

#include "render/item_icon.h"
#include "render/picture_resample.h"

#include "common/com_ptr.h"
#include "common/gdi.h"
#include "common/skippable.h"
#include "common/color_utils.h"
#include "render/draw_item.h"
#include "render/item_texts.h"
#include "common/measure_units.h"
#include "render/menu_bar_background.h"
#include "render/menu_text.h"
#include "render/picture_handles.h"

namespace brocade {

namespace {

constexpr int kTitlePictureLeft = 2;

UINT TitleTextFlags(bool rightToLeft, bool hideAccel) {
    UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (rightToLeft) flags |= DT_RTLREADING;
    if (hideAccel) flags |= DT_HIDEPREFIX;
    return flags;
}

void DrawTitleCaption(DrawHost &host, const PaintStyle &style, const MenuItemRecord &record,
                      const ItemCanvas &item) {
    const std::string &caption = record.Caption();
    if (caption.empty()) return;
    const bool disabled = record.Disabled();
    const COLORREF color = disabled ? style.disabledTextColor : style.textColor;
    const RECT rect = {ScaleToDpi(PicturePixels(record.Picture().Get()), style.dpi).cx, 0, item.cx, item.cy};
    SelectGuard font(item.dc, GetItemFont(host, record.CaptionFont().Get()));
    const UINT flags = TitleTextFlags(style.rightToLeft, item.hideAccel);
    const bool unicode = record.Unicode();
    if (disabled && !item.selected) {
        const RECT moved = {rect.left + style.Px(1), rect.top + style.Px(1), rect.right, rect.bottom};
        SetTextColor(item.dc, style.highlightedTextColor);
        DrawMenuText(item.dc, caption, moved, flags, record.Language(), unicode);
    }
    SetTextColor(item.dc, color);
    DrawMenuText(item.dc, caption, rect, flags, record.Language(), unicode);
}

void FrameSelectedTitle(DrawHost &host, const PaintStyle &style, const ItemCanvas &item) {
    RECT title = {0, 0, item.cx, item.cy};
    const Look *look = PassLook(host);
    if (style.menuBorder == kBorderFlat || style.menuBorder == kBorderFlatWithShadow)
        DrawBarTitleFrame(item.dc, title, true, look ? look->BorderPen() : nullptr);
    else  // pressed while its menu is open, raised while only hot
        DrawEdge(item.dc, &title, style.inMenuLoop ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
}


}  // namespace

void DrawMenuBarIcon(HDC dc, int, int cy, const MenuItemRecord &record, int dpi) {
    const ComPtr<IPictureDisp> picture = record.Picture();
    if (!picture) return;
    ComPtr<IPicture> object = picture.As<IPicture>(IID_IPicture);
    if (!object) return;
    const SIZE own = PicturePixels(picture.Get());
    const SIZE size = ScaleToDpi(own, dpi);
    const bool resized = size.cx != own.cx || size.cy != own.cy;
    const int x = ScaleToDpi(kTitlePictureLeft, dpi), y = RoundEven((cy - size.cy) / 2.0);
    short type = PICTYPE_UNINITIALIZED;
    object->get_Type(&type);
    HANDLE handle = PictureHandle(object.Get());
    if (!handle) return;
    if (type == PICTYPE_BITMAP) {
        if (size.cx > 0 && size.cy > 0)
            DrawBitmapPicture(dc, static_cast<HBITMAP>(handle), RECT{x, y, x + size.cx, y + size.cy}, record,
                              resized ? size : SIZE{0, 0});
        return;
    }
    const RECT at = {x, y, x + size.cx, y + size.cy};
    if (resized && type == PICTYPE_ICON && DrawResampledIcon(dc, at, static_cast<HICON>(handle), record.Disabled()))
        return;
    UINT flags = type == PICTYPE_ICON ? DST_ICON : 0;
    if (record.Disabled()) flags |= DSS_DISABLED;
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(handle), 0, x, y, size.cx, size.cy, flags);
}

void DrawBarTitleFrame(HDC dc, const RECT &rect, bool close, HPEN borderPen) {
    SelectGuard pen(dc, borderPen);
    MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
    LineTo(dc, rect.left, rect.top);
    LineTo(dc, rect.right - 1, rect.top);
    LineTo(dc, rect.right - 1, rect.bottom - 1);
    if (close) LineTo(dc, rect.left, rect.bottom - 1);
}

void DrawMenuBarItem(DrawHost &host, MenuEvents &events, const PaintStyle &style, MenuItemRecord &record, const ItemCanvas &item) {
    // A failing step (a host's handler among them) abandons the rest of the title; the caller
    // still shows what was painted.
    Skippable([&] {
        bool doDefault = true;
        RaiseDrawStage(events, record, item, kPreErase, doDefault);
        if (doDefault) FillMenuBarItem(item.dc, item.cx, item.cy, item.selected, style);
        RaiseDrawStage(events, record, item, kPostErase, doDefault);
        if (doDefault) {
            DrawMenuBarIcon(item.dc, item.cx, item.cy, record, style.dpi);
            SetBkMode(item.dc, TRANSPARENT);
            DrawTitleCaption(host, style, record, item);
            if (item.selected) FrameSelectedTitle(host, style, item);
        }
        RaiseDrawStage(events, record, item, kPostDraw, doDefault);
    });
}

}  // namespace brocade
