#include "render/dc_state.h"

namespace brocade {

namespace {

bool SamePoint(const POINT &a, const POINT &b) { return a.x == b.x && a.y == b.y; }

}  // namespace

DcState ReadDcState(HDC dc) {
    DcState state;
    state.font = GetCurrentObject(dc, OBJ_FONT);
    state.brush = GetCurrentObject(dc, OBJ_BRUSH);
    state.pen = GetCurrentObject(dc, OBJ_PEN);
    state.textColor = GetTextColor(dc);
    state.backColor = GetBkColor(dc);
    state.backMode = GetBkMode(dc);
    state.textAlign = GetTextAlign(dc);
    state.rop2 = GetROP2(dc);
    GetViewportOrgEx(dc, &state.viewportOrigin);
    GetWindowOrgEx(dc, &state.windowOrigin);
    GetBrushOrgEx(dc, &state.brushOrigin);
    return state;
}

bool RestoreDcState(HDC dc, const DcState &state, HBITMAP bitmap, HRGN probe) {
    const DcState now = ReadDcState(dc);
    if (now.font != state.font) SelectObject(dc, state.font);
    if (now.brush != state.brush) SelectObject(dc, state.brush);
    if (now.pen != state.pen) SelectObject(dc, state.pen);
    if (now.textColor != state.textColor) SetTextColor(dc, state.textColor);
    if (now.backColor != state.backColor) SetBkColor(dc, state.backColor);
    if (now.backMode != state.backMode) SetBkMode(dc, state.backMode);
    if (now.textAlign != state.textAlign) SetTextAlign(dc, state.textAlign);
    if (now.rop2 != state.rop2) SetROP2(dc, state.rop2);
    if (!SamePoint(now.viewportOrigin, state.viewportOrigin))
        SetViewportOrgEx(dc, state.viewportOrigin.x, state.viewportOrigin.y, nullptr);
    if (!SamePoint(now.windowOrigin, state.windowOrigin))
        SetWindowOrgEx(dc, state.windowOrigin.x, state.windowOrigin.y, nullptr);
    if (!SamePoint(now.brushOrigin, state.brushOrigin))
        SetBrushOrgEx(dc, state.brushOrigin.x, state.brushOrigin.y, nullptr);
    // GetClipRgn answers 1 only when the DC has a clipping region of its own.
    if (probe && GetClipRgn(dc, probe) == 1) SelectClipRgn(dc, nullptr);
    if (GetCurrentObject(dc, OBJ_BITMAP) != bitmap) {
        const HGDIOBJ previous = SelectObject(dc, bitmap);
        if (!previous || previous == HGDI_ERROR) return false;
    }
    return true;
}

}  // namespace brocade
