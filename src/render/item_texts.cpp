#include "render/item_texts.h"

#include <optional>

#include "common/skippable.h"
#include "render/item_surface.h"
#include "render/menu_text.h"
#include "render/paint_caches.h"

namespace brocade {

namespace {

constexpr COLORREF kScratchTextColor = RGB(255, 255, 255);
constexpr int kCaptionGap = 6;  // between the bitmap column and the caption

// Disabled texts are embossed: a highlighted copy one pixel down and right first. The
// themed styles draw them flat, XP only without a background picture.
bool Embossed(const PaintStyle &style, const MenuItemRecord &record) {
    if (style.highlightStyle == kOffice2003 || !record.Disabled()) return false;
    return style.hasBackgroundPicture || style.highlightStyle != kXP;
}

// Selects a font unless the DC holds it already; selects the previous one back on scope exit
// unless the font may stay.
class ItemFontSelection {
public:
    ItemFontSelection(HDC dc, HFONT font, bool mayStay) : dc_(dc) {
        if (!font || GetCurrentObject(dc, OBJ_FONT) == font) return;
        HGDIOBJ previous = SelectObject(dc, font);
        if (!mayStay && previous != HGDI_ERROR) previous_ = previous;
    }
    ~ItemFontSelection() {
        if (previous_) SelectObject(dc_, previous_);
    }
    ItemFontSelection(const ItemFontSelection &) = delete;
    ItemFontSelection &operator=(const ItemFontSelection &) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

RECT Moved(RECT rect, int by) {
    OffsetRect(&rect, by, by);
    return rect;
}

// An embossed text lies one pixel (at 96 DPI) below and right of the text itself.
void DrawOneText(HDC dc, const std::string &text, const RECT &rect, UINT flags, long language, bool unicode,
                 COLORREF color, bool embossed, COLORREF embossColor, int embossOffset) {
    if (embossed) {
        SetTextColor(dc, embossColor);
        DrawMenuText(dc, text, Moved(rect, embossOffset), flags, language, unicode);
    }
    SetTextColor(dc, color);
    DrawMenuText(dc, text, rect, flags, language, unicode);
}

}  // namespace

HFONT GetItemFont(DrawHost &host, IFontDisp *font, bool sameSource) {
    ComPtr<IFontDisp> chosen(font);
    if (!chosen) chosen = host.DrawAmbientFont();
    PaintCaches &caches = host.DrawCaches();
    return caches.fonts.GetItemFont(
        chosen.Get(),
        [&] {
            caches.surfaces.ReleaseKeptFont();
            caches.textLayer.ReleaseFont();
        },
        sameSource);
}

ItemTextLayout LayOutItemTexts(int cx, int bottom, int bitmapWidth, int shortcutWidth, int checkWidth, int dx,
                               bool rightToLeft, int dpi) {
    ItemTextLayout layout;
    const int gap = ScaleToDpi(kCaptionGap, dpi);
    if (!rightToLeft) {
        layout.caption = RECT{bitmapWidth + gap, 0, cx, bottom};
        layout.shortcut = RECT{cx - shortcutWidth - checkWidth, 0, cx - dx, bottom};
    } else {
        layout.caption = RECT{0, 0, cx - bitmapWidth - gap, bottom};
        layout.shortcut = RECT{checkWidth + dx, 0, checkWidth + dx + shortcutWidth, bottom};
    }
    return layout;
}

UINT ItemTextFlags(bool rightToLeft, bool hideAccel) {
    UINT flags = DT_SINGLELINE | DT_VCENTER;
    if (rightToLeft) flags |= DT_RIGHT | DT_RTLREADING;
    if (hideAccel) flags |= DT_HIDEPREFIX;
    return flags;
}

void DrawItemTexts(DrawHost &host, const PaintStyle &style, const MenuItemRecord &record, const ItemCanvas &item,
                   const std::string &caption, const ItemTextLayout &layout) {
    const std::string &shortcut = record.ShortcutText();
    if (caption.empty() && shortcut.empty()) return;
    // White text on black beside the item, brightening the picture beneath it.
    const bool aside = style.hasBackgroundPicture && !item.selected;
    // The texts are drawn on the painters' own layer, with the font kept selected there, unless
    // nobody but the painters sees the item DC: then the item DC keeps the font itself.
    std::optional<TextLayerLease> layer;
    HDC target = item.dc;
    bool keepFont = item.keepsState && item.unobserved;
    if (aside || !keepFont) {
        layer.emplace(host.DrawCaches().textLayer, item.dc, item.cx, item.cy);
        if (layer->Dc()) {
            target = layer->Dc();
            keepFont = true;
            if (aside)
                PatBlt(target, 0, 0, item.cx, item.cy, BLACKNESS);
            else
                BitBlt(target, 0, 0, item.cx, item.cy, item.dc, 0, 0, SRCCOPY);
        } else if (aside) {
            return;
        }
    }
    SetBkMode(target, TRANSPARENT);
    COLORREF color = item.selected ? style.highlightedTextColor : style.textColor;
    if (record.Disabled()) color = style.disabledTextColor;
    if (aside) color = kScratchTextColor;
    const UINT flags = ItemTextFlags(style.rightToLeft, item.hideAccel);
    const bool embossed = Embossed(style, record);

    if (!caption.empty()) {
        Skippable([&] {
            ItemFontSelection font(target, GetItemFont(host, record.CaptionFont().Get(), item.unobserved), keepFont);
            DrawOneText(target, caption, layout.caption, flags, record.Language(), record.Unicode(), color,
                        embossed, style.highlightedTextColor, style.Px(1));
        });
    }
    if (!shortcut.empty()) {
        Skippable([&] {
            ItemFontSelection font(target, GetItemFont(host, record.ShortcutFont().Get(), item.unobserved), keepFont);
            DrawOneText(target, shortcut, layout.shortcut, flags, record.Language(), false, color, embossed,
                        style.highlightedTextColor, style.Px(1));
        });
    }
    if (target != item.dc) BitBlt(item.dc, 0, 0, item.cx, item.cy, target, 0, 0, aside ? SRCPAINT : SRCCOPY);
}

}  // namespace brocade
