#include "render/popup_frame.h"

#include "common/gdi.h"
#include "common/enums.h"
#include "common/os_version.h"
#include "render/popup_shadow.h"
#include "render/popup_window_dc.h"

namespace brocade {

namespace {

// The rows and flags of one item's part of the frame.
struct ItemFrame {
    bool first, last, shadow;
    long cx, cy, top;
    long y0, y1, yb;  // the item's first row, the row after it, the bottom of its side strips
    long remaining;   // client rows below the item
};

ItemFrame FrameOf(const PopupGeometry &g, const MenuItemRecord &record, int cx, int cy, int top, bool shadow) {
    ItemFrame f{record.IsFirst(), record.IsLast(), shadow, cx, cy, top, 0, 0, 0, 0};
    f.y0 = f.first ? 0 : g.top + top;
    f.y1 = f.last ? g.height : g.top + top + cy;
    f.yb = f.last ? f.y1 - g.bottom : f.y1;
    f.remaining = g.clientHeight - cy - top;
    return f;
}

void Fill(HDC dc, long left, long top, long right, long bottom, HBRUSH brush) {
    const RECT rect = {left, top, right, bottom};
    if (brush && left < right && top < bottom) FillRect(dc, &rect, brush);
}

// The outline's lines, gathered and drawn with one call rather than one call per line on the
// popup's window DC. PolyPolyline draws every line as MoveToEx and LineTo would, its last
// point left out.
class Outline {
public:
    void Line(long fromX, long fromY, long toX, long toY) {
        if (lines_ == kMaxLines) return;
        points_[pointsUsed_++] = POINT{fromX, fromY};
        points_[pointsUsed_++] = POINT{toX, toY};
        counts_[lines_++] = 2;
    }
    // On from where the last line ended, as LineTo goes on from the current position.
    void LineTo(long toX, long toY) {
        if (lines_ == 0 || pointsUsed_ == kMaxPoints) return;
        points_[pointsUsed_++] = POINT{toX, toY};
        ++counts_[lines_ - 1];
    }
    void Draw(HDC dc) const {
        if (lines_) PolyPolyline(dc, points_, counts_, static_cast<DWORD>(lines_));
    }

private:
    static constexpr int kMaxLines = 8, kMaxPoints = 2 * kMaxLines + 2;
    POINT points_[kMaxPoints] = {};
    DWORD counts_[kMaxLines] = {};
    int pointsUsed_ = 0, lines_ = 0;
};

void FillStrips(HWND popup, HDC dc, const PopupGeometry &g, const ItemFrame &f, const PopupFrameStyle &style,
                bool dcCopiesPixelForPixel) {
    const ShadowSource shadow{style.backdrop, style.menuBackground, style.backgroundBrush, style.shadowColumn,
                              &g.screen,      dcCopiesPixelForPixel, ScaleToDpi(2, style.dpi)};
    Fill(dc, 0, f.y0, g.left, f.yb, style.backgroundBrush);
    if (!f.shadow) {
        Fill(dc, g.width - g.right, f.y0, g.width, f.y1, style.backgroundBrush);
    } else {
        ShadowRight(popup, dc, f.y0, f.yb, shadow);
        if (f.last) ShadowRight(popup, dc, f.yb, f.yb + f.cy, shadow);
        if (f.top == 0) ShadowRight(popup, dc, 0, f.y0, shadow);
    }
    if (f.first) Fill(dc, 0, 0, g.width - g.right, g.top, style.backgroundBrush);
    if (f.top == 0) Fill(dc, 0, 0, g.width - g.right, f.y0, style.backgroundBrush);
    if (f.last) {
        if (f.shadow)
            ShadowBottom(popup, dc, shadow);
        else
            Fill(dc, 0, f.y1 - g.bottom, g.width, f.y1, style.backgroundBrush);
    }
}

// The outline; with a shadow the right and bottom edges sit inside the shadow's lines. One
// pixel wide at 96 DPI: at a higher DPI the same lines are drawn again, each `inset` pixels
// further inside.
void DrawEdges(HDC dc, const PopupGeometry &g, const ItemFrame &f, long inset, long shadowWidth) {
    Outline outline;
    const long k = inset;
    const bool lastWithShadow = f.last && f.shadow;
    const bool roomBelow = f.last && f.remaining >= f.cy;
    const long rightEdge = (f.shadow ? g.width - g.right : g.width - 1) - k;
    // Left edge, continued below a last item that leaves client rows under it.
    outline.Line(k, f.first ? 0 : f.y0, k, lastWithShadow ? f.y1 - g.bottom : f.y1);
    if (roomBelow) outline.LineTo(k, f.shadow ? f.y1 - g.bottom + f.cy : f.y1 + f.cy);
    if (f.top == 0) outline.Line(k, 0, k, lastWithShadow ? f.cy - g.bottom : f.cy);
    // Right edge.
    if (f.shadow)
        outline.Line(rightEdge, f.y0, rightEdge, f.last ? f.y1 - g.bottom + 1 : f.y1);
    else
        outline.Line(rightEdge, f.y0, rightEdge, f.y1 + 1);
    if (roomBelow) {
        if (f.shadow)
            outline.LineTo(rightEdge, f.y1 - g.bottom + f.cy - shadowWidth);
        else
            outline.Line(rightEdge, f.y1, rightEdge, f.y1 + f.cy);
    }
    if (f.top == 0)
        outline.Line(g.width - g.right - k, 0, g.width - g.right - k, lastWithShadow ? f.y0 - g.bottom : f.y0);
    // Top and bottom edges.
    if (f.first || f.remaining >= f.cy) outline.Line(0, k, f.shadow ? g.width - g.right + 1 : g.width, k);
    if (f.last && f.cy / 2.0 > g.bottom) {
        if (f.shadow)
            outline.Line(0, f.y1 - g.bottom - k, g.width - g.right, f.y1 - g.bottom - k);
        else
            outline.Line(0, f.y1 - 1 - k, g.width, f.y1 - 1 - k);
    }
    outline.Draw(dc);
}

void DrawOutline(HDC dc, const PopupGeometry &g, const ItemFrame &f, int dpi) {
    const long lines = ScaleToDpi(1, dpi), shadowWidth = ScaleToDpi(2, dpi);
    for (long inset = 0; inset < lines; ++inset) DrawEdges(dc, g, f, inset, shadowWidth);
}

bool SameFrameStyle(const PopupFrameStyle &a, const PopupFrameStyle &b) {
    return a.menuBorder == b.menuBorder && a.menuBackground == b.menuBackground &&
           a.backgroundBrush == b.backgroundBrush && a.borderPen == b.borderPen && a.backdrop == b.backdrop &&
           a.shadowColumn == b.shadowColumn && a.dpi == b.dpi;
}

void PaintPart(HWND popup, PopupWindowDc &kept, const ItemFrame &frame, const PopupFrameStyle &style) {
    HDC dc = kept.For(popup);
    if (!dc) return;
    FillStrips(popup, dc, kept.Geometry(), frame, style, frame.shadow && kept.CopiesPixelForPixel());
    // The kept DC keeps the pen too, until it is let go.
    if (style.borderPen && kept.KeepSelected(style.borderPen)) DrawOutline(dc, kept.Geometry(), frame, style.dpi);
}

bool DrawsFrame(HWND popup, const PopupFrameStyle &style) {
    if (IsWinNT3() || !popup) return false;
    return style.menuBorder == kBorderFlat || style.menuBorder == kBorderFlatWithShadow;  // else the system's
}

}  // namespace

void PopupFramePass::Draw(HWND popup, const MenuItemRecord &record, int cx, int cy, int top,
                          const PopupFrameStyle &style) {
    if (!DrawsFrame(popup, style)) return;
    if (run_ && run_->popup != popup) Flush();
    if (!dc_.For(popup)) {
        run_.reset();
        return;
    }
    const ItemFrame frame = FrameOf(dc_.Geometry(), record, cx, cy, top, style.menuBorder == kBorderFlatWithShadow);
    // An item between the first and the last, below the top row: its part is two strips and
    // three lines, the same for every such item but for its rows.
    const bool between = !frame.first && !frame.last && frame.top != 0 && frame.y0 > 0;
    const bool topEdge = frame.remaining >= frame.cy;
    if (between && run_ && run_->y1 == frame.y0 && SameFrameStyle(run_->style, style)) {
        run_->y1 = frame.y1;
        run_->topEdge = run_->topEdge || topEdge;
        return;
    }
    Flush();
    if (between) {
        run_ = Run{popup, frame.y0, frame.y1, topEdge, style};
        return;
    }
    PaintPart(popup, dc_, frame, style);
}

void PopupFramePass::Flush() {
    if (!run_) return;
    const Run run = *run_;
    run_.reset();
    if (!dc_.For(run.popup)) return;
    // The run's parts as one item's: not first, not last, rows y0 to y1.
    const long cy = run.y1 - run.y0;
    const ItemFrame frame{false, false, run.style.menuBorder == kBorderFlatWithShadow, 0, cy, run.y0 - dc_.Geometry().top,
                          run.y0, run.y1, run.y1, run.topEdge ? cy : cy - 1};
    PaintPart(run.popup, dc_, frame, run.style);
}

void PopupFramePass::End() {
    Flush();
    dc_.Release();
}

}  // namespace brocade
