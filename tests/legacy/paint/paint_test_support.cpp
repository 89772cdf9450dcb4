#include "paint/paint_test_support.h"

#include "render/draw_item.h"

// The shared stand-ins of the menu and render tests, built into this executable too.
#include "menu/menu_test_support.cpp"
#include "render/render_test_support.cpp"

namespace paint_test {

TestDrawHost::TestDrawHost(brocade::MenuScanner &scanner) : scanner_(scanner) {
    style = brocade_test::TestStyle(brocade::kPlain);
    MakeBrushAndPen();
}

void TestDrawHost::MakeBrushAndPen() {
    popupBrush.Reset(CreateSolidBrush(style.menuBackground));
    borderPen.Reset(CreatePen(PS_SOLID, 1, style.menuHighlightBorder));
}

brocade::PaintStyle TestDrawHost::DrawPaintStyle() {
    brocade::PaintStyle answer = style;
    answer.hasBackgroundPicture = background.Dc() != nullptr;
    return answer;
}

void TestDrawHost::RaiseDrawMenuItem(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                     Boolean &userDrawn) {
    raised.push_back(Raised{record.ItemSerial(), -1});
    if (onDrawMenuItem) onDrawMenuItem(record, menuDC, selected, cx, cy, userDrawn);
}

void TestDrawHost::RaiseDrawMenuItemEx(MenuItemRecord &record, HDC menuDC, bool selected, long cx, long cy,
                                       DrawStage stage, Boolean &doDefault) {
    raised.push_back(Raised{record.ItemSerial(), static_cast<int>(stage)});
    if (onDrawMenuItemEx) onDrawMenuItemEx(record, menuDC, selected, cx, cy, stage, doDefault);
}

PaintBench::PaintBench(const std::vector<std::string> &texts) {
    menu = menu_test::PopupOf(texts);
    scanner.ScanPopupMenu(nullptr, menu, brocade::kNoParentMenuId, false, false);
}

PaintBench::~PaintBench() {
    host.caches.Clear();
    DestroyMenu(menu);
}

LRESULT PaintBench::Draw(HDC target, int position, RECT rect, UINT state, Boolean *route) {
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_MENU;
    draw.itemID = 101 + position;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = state;
    draw.hDC = target;
    draw.rcItem = rect;
    draw.itemData = menu_test::ItemData(menu, position);
    Boolean ignored = brocade::kTrue;
    return brocade::OnDrawItem(host, 0, reinterpret_cast<LPARAM>(&draw), route ? *route : ignored);
}

ComPtr<IPictureDisp> PaintedPicture(int width, int height, const std::function<COLORREF(int, int)> &color) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixelV(memory, x, y, color(x, y));
    SelectObject(memory, previous);
    DeleteDC(memory);
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                        reinterpret_cast<void **>(picture.Out()))))
        DeleteObject(bitmap);
    return picture;
}

int CountColor(const brocade_test::Surface &surface, const RECT &area, COLORREF color) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (surface.At(x, y) == color) ++count;
    return count;
}

}  // namespace paint_test
