#include "control/design_icon.h"

#include "common/code_module.h"

namespace brocade {

void DrawDesignIcon(HDC dc, const RECT &rect) {
    HICON icon = static_cast<HICON>(LoadImageW(CodeModule(), MAKEINTRESOURCEW(kDesignIconResource), IMAGE_ICON,
                                               kDesignIconPixels, kDesignIconPixels, LR_SHARED));
    if (icon)
        DrawIconEx(dc, rect.left, rect.top, icon, rect.right - rect.left, rect.bottom - rect.top, 0, nullptr,
                   DI_NORMAL);
}

}  // namespace brocade
