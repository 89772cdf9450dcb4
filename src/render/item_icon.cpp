#include "render/item_icon.h"

#include <algorithm>

#include "common/com_ptr.h"
#include "common/gdi.h"
#include "common/color_utils.h"
#include "render/gray_image.h"
#include "render/item_highlight.h"
#include "common/measure_units.h"
#include "render/picture_handles.h"
#include "render/picture_resample.h"
#include "render/transparent_blit.h"

namespace brocade {

namespace {

constexpr UINT kComplexImage = 0;  // what DrawState is told for pictures neither bitmap nor icon

// Left edge of the column for the check frame: mirrored to the right for right-to-left menus,
// clear of the shadow beside the item.
int ColumnLeft(int cx, int bitmapWidth, const PaintStyle &style, int leftToRight) {
    if (!style.rightToLeft) return leftToRight;
    return cx - bitmapWidth - (style.menuBorder == kBorderFlatWithShadow ? style.Px(2) : 0);
}

void DrawOtherPicture(HDC dc, HANDLE handle, short type, const RECT &at, const MenuItemRecord &record) {
    UINT flags = type == PICTYPE_ICON ? DST_ICON : kComplexImage;
    if (record.Disabled()) flags |= DSS_DISABLED;
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(handle), 0, at.left, at.top, at.right - at.left,
               at.bottom - at.top, flags);
}

void OutlineCheckedPicture(HDC dc, int cx, int cy, int bitmapWidth, const PaintStyle &style, HPEN borderPen) {
    const int left = ColumnLeft(cx, bitmapWidth, style, style.Px(1));
    const int top = style.Px(1), right = left + bitmapWidth - style.Px(2), bottom = cy - style.Px(2);
    SelectGuard pen(dc, borderPen);
    MoveToEx(dc, left, top, nullptr);
    LineTo(dc, right, top);
    LineTo(dc, right, bottom);
    LineTo(dc, left, bottom);
    LineTo(dc, left, top);
}

void RaisePicture(HDC dc, int cx, int cy, int bitmapWidth, const PaintStyle &style) {
    const int left = ColumnLeft(cx, bitmapWidth, style, 0);
    RECT edge = {left, 0, left + bitmapWidth, cy};
    DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
}

}  // namespace

// The bitmap drawn off-screen first, so a disabled one can be greyed and its backdrop colour
// left transparent.
void DrawBitmapPicture(HDC dc, HBITMAP bitmap, const RECT &at, const MenuItemRecord &record, SIZE drawn) {
    const int w = at.right - at.left, h = at.bottom - at.top;
    MemoryDc memory(dc);
    if (!memory) return;
    UniqueBitmap image(CreateCompatibleBitmap(dc, w, h));
    if (!image) return;
    SelectGuard selected(memory.Get(), image.Get());
    const OLE_COLOR backColor = record.PictureBackColor();
    BITMAP own = {};
    const bool resized = drawn.cx > 0 && drawn.cy > 0 && GetObjectW(bitmap, sizeof own, &own) &&
                         (own.bmWidth != drawn.cx || own.bmHeight != drawn.cy);
    if (!resized || !DrawResampledBitmap(memory.Get(), drawn.cx, drawn.cy, bitmap, OleToRGB(backColor)))
        DrawStateA(memory.Get(), nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, 0, 0, w, h, DST_BITMAP);
    if (record.Disabled()) GrayImage(memory.Get(), 0, 0, w, h, OleToRGB(backColor));
    SetBkColor(memory.Get(), OleToRGB(backColor));
    DrawTransparentBitmap(dc, at.left, at.top, w, h, memory.Get(), 0, 0, w, h, backColor);
}

RECT ItemIconRect(int cx, int cy, int bitmapWidth, SIZE picturePixels, const PaintStyle &style) {
    const int height = std::min<int>(picturePixels.cy, cy);
    const int width = std::min<int>(picturePixels.cx, bitmapWidth);
    double left = (bitmapWidth - width) / 2.0;
    if (style.rightToLeft) {
        left += cx - bitmapWidth;
        if (style.menuBorder == kBorderFlatWithShadow) left -= 2;
    }
    const int x = RoundEven(left);
    const int y = RoundEven((cy - height) / 2.0);
    return RECT{x, y, x + width, y + height};
}

void DrawItemIcon(HDC dc, int cx, int cy, int bitmapWidth, IPictureDisp *picture, const MenuItemRecord &record,
                  bool selected, const PaintStyle &style, HPEN borderPen, IPictureDisp *sharper) {
    if (!picture) return;
    IPictureDisp *drawnPicture = sharper ? sharper : picture;
    ComPtr<IPicture> object = ComPtr<IPictureDisp>(drawnPicture).As<IPicture>(IID_IPicture);
    if (!object) return;
    // Pictures are designed in pixels at 96 DPI.
    const SIZE drawn = ScaleToDpi(PicturePixels(picture), style.dpi);
    const RECT at = ItemIconRect(cx, cy, bitmapWidth, drawn, style);
    short type = PICTYPE_UNINITIALIZED;
    object->get_Type(&type);
    if (HANDLE handle = PictureHandle(object.Get())) {
        const SIZE own = PicturePixels(drawnPicture);
        const bool resized = own.cx != drawn.cx || own.cy != drawn.cy;
        if (type == PICTYPE_BITMAP)
            DrawBitmapPicture(dc, static_cast<HBITMAP>(handle), at, record, resized ? drawn : SIZE{0, 0});
        else if (!resized || type != PICTYPE_ICON ||
                 !DrawResampledIcon(dc, at, static_cast<HICON>(handle), record.Disabled()))
            DrawOtherPicture(dc, handle, type, at, record);
    }
    const bool checked = record.Checked();
    if (HighlightCoversBitmap(style)) {
        if (checked) OutlineCheckedPicture(dc, cx, cy, bitmapWidth, style, borderPen);
    } else if (checked || selected) {
        RaisePicture(dc, cx, cy, bitmapWidth, style);
    }
}

}  // namespace brocade
