#include "render/popup_item.h"

#include "common/skippable.h"
#include "menu/menu_item_collection.h"
#include "menu/unicode_caption.h"
#include "render/item_background.h"
#include "render/item_highlight.h"
#include "render/item_icon.h"
#include "render/item_image_cache.h"
#include "render/item_surface.h"
#include "render/item_texts.h"
#include "render/measure_item.h"
#include "render/draw_item.h"
#include "render/paint_caches.h"
#include "render/popup_pass.h"
#include "render/menu_metrics.h"
#include "render/popup_frame.h"
#include "render/separator.h"
#include "common/measure_units.h"

namespace brocade {

namespace {

constexpr UINT kNoMenuState = 0xFFFFFFFFu;  // GetMenuState of an item that is gone

// Checked, disabled and separator as the menu holds them now (the host may have changed them
// since the scan).
void ReadMenuState(MenuItemRecord &record) {
    const UINT state = GetMenuState(record.MenuHandle(), static_cast<UINT>(record.Position()), MF_BYPOSITION);
    if (state == kNoMenuState) return;
    record.SetChecked((state & MF_CHECKED) != 0);
    record.SetDisabled((state & (MF_DISABLED | MF_GRAYED)) != 0);
    // An item that opens a submenu answers its flags in the low byte (MF_POPUP among them) and
    // the submenu's item count above, where MF_SEPARATOR would be.
    const bool hasSubMenu = (state & MF_POPUP) != 0;
    record.SetIsSeparator(!hasSubMenu && (state & MF_SEPARATOR));
}

PopupFrameStyle FrameStyle(DrawHost &host, const PaintStyle &style) {
    PopupFrameStyle frame;
    frame.menuBorder = style.menuBorder;
    frame.menuBackground = style.menuBackground;
    frame.dpi = style.dpi;
    if (const Look *look = PassLook(host)) {
        frame.backgroundBrush = look->PopupBrush();
        frame.borderPen = look->BorderPen();
    }
    frame.backdrop = host.DrawShadowBackdrop();
    frame.shadowColumn = &host.DrawCaches().shadowColumn;
    return frame;
}

// Every item of a menu looks at all the others for these; in a pass they are read again only
// when a record of the menus changed.
PopupPass::ColumnWidths ColumnWidthsOf(DrawHost &host, const MenuItemRecord &record) {
    std::optional<PopupPass::ColumnWidths> &kept = host.DrawPass().Widths();
    const unsigned long changes = SkippableOr(0UL, [&] { return host.MeasureMenuItems().ColumnChanges(); });
    if (kept && kept->menu == record.MenuHandle() && kept->changes == changes) return *kept;
    const PopupPass::ColumnWidths widths{record.MenuHandle(), changes,
                                           SkippableOr(0L, [&] { return GetBitmapColumnWidth(host, record); }),
                                           SkippableOr(0L, [&] { return GetMaxShortcutWidth(host, record); })};
    kept = widths;
    return widths;
}

HPEN BorderPenOf(const Look *look) { return look ? look->BorderPen() : nullptr; }

// Where the item's image is kept for the menu loop, and under what: not when a background
// picture lies under the item (its tiling follows the item's place in the popup).
struct KeptImage {
    ItemImageCache *images = nullptr;
    std::optional<ItemImageKey> key;

    bool Draw(const MenuItemRecord &record, HDC dc) const { return key && images->Draw(record, *key, dc); }
    void Keep(const MenuItemRecord &record, HDC dc) {
        if (key) images->Keep(record, std::move(*key), dc);
    }
};

KeptImage KeptImageOf(DrawHost &host, const PaintStyle &style, const MenuItemRecord &record, const ItemCanvas &item,
                      const PopupPass::ColumnWidths &widths, IPictureDisp *picture, const std::string &caption) {
    KeptImage kept;
    if (style.hasBackgroundPicture || !item.surface || item.surface->Format() < 0) return kept;
    kept.images = SkippableOr<ItemImageCache *>(nullptr, [&] { return host.DrawItemImages(); });
    if (!kept.images) return kept;
    kept.key = ItemImageKeyOf(record, item.lookGeneration, item.surface->Format(), item.cx, item.cy, widths.bitmap,
                              widths.shortcut, item.selected, item.hideAccel, picture, caption);
    return kept;
}

void DrawIconAndTexts(DrawHost &host, const PaintStyle &style, MenuItemRecord &record, const ItemCanvas &item,
                      const PopupPass::ColumnWidths &widths, IPictureDisp *picture, const std::string &caption,
                      const BorderOffsets &border, int bottom) {
    const int cx = item.cx;
    const long bitmapWidth = widths.bitmap, shortcutWidth = widths.shortcut;
    Skippable([&] {
        ComPtr<IPictureDisp> sharper;
        if (picture && style.dpi != kDefaultDpi)
            sharper = SkippableOr(ComPtr<IPictureDisp>(), [&] {
                return host.DrawSharperPicture(picture, ScaleToDpi(PicturePixels(picture), style.dpi).cx);
            });
        DrawItemIcon(item.dc, cx, bottom, bitmapWidth, picture, record, item.selected, style,
                     BorderPenOf(PassLook(host)), sharper.Get());
    });
    Skippable([&] {
        const ItemTextLayout layout = LayOutItemTexts(cx, bottom, bitmapWidth, shortcutWidth,
                                                      MenuCheckWidthMetric(style.dpi), border.dx, style.rightToLeft, style.dpi);
        DrawItemTexts(host, style, record, item, caption, layout);
    });
}

}  // namespace

BorderOffsets ItemBorderOffsets(long menuBorder, bool isLast, int dpi) {
    const int offset = ScaleToDpi(2, dpi);
    switch (menuBorder) {
    case kBorderFlatWithShadow: return BorderOffsets{offset, isLast ? offset : 0};
    case kBorderFlat: return BorderOffsets{-offset, 0};
    default: return BorderOffsets{};
    }
}

void DrawPopupItem(DrawHost &host, MenuEvents &events, const PaintStyle &style, MenuItemRecord &record, HWND popup,
                   const ItemCanvas &item, int, int top) {
    const int cx = item.cx, cy = item.cy;
    const PopupPass::ColumnWidths widths = ColumnWidthsOf(host, record);
    const long bitmapWidth = widths.bitmap;
    Skippable([&] { ReadMenuState(record); });
    const std::string caption = SkippableOr(std::string(), [&] { return DecodeUnicodeCaption(record.Caption()); });

    const ComPtr<IPictureDisp> picture =
        SkippableOr(ComPtr<IPictureDisp>(), [&] { return ItemPictureOrCheckMark(host, record); });
    const BorderOffsets border = ItemBorderOffsets(style.menuBorder, record.IsLast(), style.dpi);
    const int bottom = cy - border.dy;

    if (IsFlatBorder(style.menuBorder))
        Skippable([&] {
            host.DrawPass().Frame().Draw(popup, record, cx, cy, top, FrameStyle(host, style));
        });

    bool doDefault = true;
    RaiseDrawStage(events, record, item, kPreErase, doDefault);
    if (!doDefault) return;
    // Read when nothing can change it any more before the painters draw what it names.
    const auto keptImage = [&] {
        return SkippableOr(KeptImage(), [&] { return KeptImageOf(host, style, record, item, widths, picture.Get(), caption); });
    };
    KeptImage kept;
    // With nobody listening, nothing but the painters draws the item.
    if (item.unobserved) {
        kept = keptImage();
        if (SkippableOr(false, [&] { return kept.Draw(record, item.dc); })) return;
    }

    if (!style.hasBackgroundPicture) {
        Skippable([&] { EraseItemBackground(item.dc, cx, cy, style); });
        Skippable([&] {
            FillBitmapColumn(item.dc, bitmapWidth, cx - border.dx, bottom, style, &host.DrawCaches().columnGradients);
        });
    }
    if (record.IsSeparator()) {
        Skippable([&] { DrawSeparator(item.dc, cx, bottom, bitmapWidth, style); });
        if (!item.unobserved) kept = keptImage();
        Skippable([&] { kept.Keep(record, item.dc); });
        return;
    }
    Skippable([&] {
        DrawItemHighlight(item.dc, cx, bottom, bitmapWidth, picture.Get() != nullptr, false, item.selected, style,
                          &host.DrawCaches().highlightGradients);
    });

    // The background covers whatever the handlers before drew; from here on the item is the
    // painters' alone unless this handler draws.
    if (item.surface && !item.unobserved) item.surface->WatchHostDrawing();
    RaiseDrawStage(events, record, item, kPostErase, doDefault);
    if (!doDefault) return;
    const bool painters = item.unobserved || (item.surface && !item.surface->HostDrew());
    if (painters && !item.unobserved) kept = keptImage();
    if (!painters || !SkippableOr(false, [&] { return kept.Draw(record, item.dc); })) {
        DrawIconAndTexts(host, style, record, item, widths, picture.Get(), caption, border, bottom);
        if (painters) Skippable([&] { kept.Keep(record, item.dc); });
    }
    RaiseDrawStage(events, record, item, kPostDraw, doDefault);
}

}  // namespace brocade
