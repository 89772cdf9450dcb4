// The Look items are painted with and the GDI objects it shares, made in one place. The popup
// brush and the border pen are rebuilt when the control refreshes and the menu bar brush when
// MenuBarBackground changes; a Look made before keeps the brush and pen it was made with, so
// they outlive every DC they are selected into.
#pragma once
#include <windows.h>
#include <olectl.h>

#include <memory>

#include "common/gdi.h"
#include "render/look.h"
#include "render/paint_style.h"

namespace brocade {

class Looks {
public:
    // The Look to paint with; null once something it was made from changed.
    const LookPtr &Current() const { return look_; }
    // A new Look of the style, with the next generation.
    const LookPtr &Make(const PaintStyle &style);
    void Invalidate() { look_.reset(); }

    // The popup background brush and the highlight border pen, from the colours of the style.
    void RebuildBrushAndPen(const PaintStyle &style, bool brush, bool pen);
    HPEN BorderPen() const { return borderPen_ ? borderPen_->Get() : nullptr; }
    // The brush of a custom MenuBarBackground value; none for the system's menu colour.
    void MakeMenuBarBrush(OLE_COLOR value);
    HBRUSH MenuBarBrush() const { return menuBarBrush_.Get(); }
    // The menu bar keeps using the brush it was drawn with until it is drawn again.
    UniqueBrush TakeMenuBarBrush() { return UniqueBrush(menuBarBrush_.Release()); }
    // At teardown.
    void Clear();

private:
    std::shared_ptr<const UniqueBrush> popupBrush_;
    std::shared_ptr<const UniquePen> borderPen_;
    UniqueBrush menuBarBrush_;
    LookPtr look_;
    unsigned long generation_ = 0;
};

}  // namespace brocade
