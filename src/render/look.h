// What painting reads of the control's settings, resolved once: the effective colours and
// style, and the brush and pen made from them. A Look never changes once made; when a setting,
// a system colour or a system setting changes, the control makes a new one with a higher
// generation. Whoever draws holds the Look it draws with, so its brush and pen outlive every
// DC they are selected into, and go only with the last holder.
#pragma once
#include <windows.h>

#include <memory>

#include "common/gdi.h"
#include "render/paint_style.h"

namespace brocade {

struct Look {
    unsigned long generation = 0;
    PaintStyle style;
    // Made from MenuBackground and MenuHighlightBorder when the control refreshes; a Look
    // shares them with the ones before it until then.
    std::shared_ptr<const UniqueBrush> popupBrush;
    std::shared_ptr<const UniquePen> borderPen;

    HBRUSH PopupBrush() const { return popupBrush ? popupBrush->Get() : nullptr; }
    HPEN BorderPen() const { return borderPen ? borderPen->Get() : nullptr; }
};

using LookPtr = std::shared_ptr<const Look>;

}  // namespace brocade
