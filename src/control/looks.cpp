#include "control/looks.h"

#include "common/color_utils.h"

namespace brocade {

const LookPtr &Looks::Make(const PaintStyle &style) {
    auto look = std::make_shared<Look>();
    look->generation = ++generation_;
    look->style = style;
    look->popupBrush = popupBrush_;
    look->borderPen = borderPen_;
    look_ = std::move(look);
    return look_;
}

void Looks::RebuildBrushAndPen(const PaintStyle &style, bool brush, bool pen) {
    if (brush) popupBrush_ = std::make_shared<const UniqueBrush>(CreateSolidBrush(style.menuBackground));
    if (pen) borderPen_ = std::make_shared<const UniquePen>(CreatePen(PS_INSIDEFRAME, 1, style.menuHighlightBorder));
}

void Looks::MakeMenuBarBrush(OLE_COLOR value) {
    menuBarBrush_.Reset(value == 0x80000004 ? nullptr : CreateSolidBrush(OleToRGB(value)));
}

void Looks::Clear() {
    look_.reset();
    popupBrush_.reset();
    borderPen_.reset();
    menuBarBrush_.Reset();
}

}  // namespace brocade
