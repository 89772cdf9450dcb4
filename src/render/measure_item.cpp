#include "render/measure_item.h"

#include <string>

#include "common/skippable.h"
#include "common/enums.h"
#include "menu/menu_item_collection.h"
#include "menu/menu_text.h"
#include "common/color_utils.h"
#include "common/measure_units.h"
#include "common/dpi.h"
#include "render/menu_metrics.h"

namespace brocade {

namespace {


struct ItemSize {
    long width = 0;
    long height = 0;
};

long Larger(long first, long second) { return first > second ? first : second; }

bool IsPaletteIconSet(long iconSet) {
    return iconSet == kIconsSkyline || iconSet == kIconsSunrise || iconSet == kIconsSnowflakes;
}

// The built-in check marks are bitmaps drawn on the icon set's own key colour.
void TakeCheckMarkBackColor(MenuItemRecord &record, long iconSet) {
    if (iconSet == kIconsOffice2003)
        record.SetPictureBackColor(kOffice2003CheckMarkBackColor);
    else if (IsPaletteIconSet(iconSet))
        record.SetPictureBackColor(kPaletteCheckMarkBackColor);
}

// The item data of a converted item is its record's serial, 32 bits wide where the host runs.
RecordPtr RecordOfItemData(MeasureHost &host, ULONG_PTR itemData) {
    const long serial = static_cast<LONG>(static_cast<ULONG>(itemData));
    return SkippableOr(RecordPtr(), [&] { return host.MeasureMenuItemBySerial(serial); });
}

// The host may have renamed the item since the scan; an owner-drawn item reads no text.
void RefreshMenuText(MenuItemRecord &record) {
    std::string text = GetMenuText(record.MenuHandle(), static_cast<int>(record.Position()));
    if (!text.empty() && text != record.MenuText()) record.SetMenuText(text);
}

// Pictures are designed in pixels at 96 DPI and drawn larger at a higher one.
long ScaledPictureWidth(IPictureDisp *picture, float pixelsPerHimetric, int dpi) {
    SIZE himetric{0, 0};
    return PictureHimetricSize(picture, himetric) ? ScaleToDpi(ScaleHimetric(himetric.cx, pixelsPerHimetric), dpi)
                                                  : 0;
}

// The picture a checked item without one of its own shows; null for none.
ComPtr<IPictureDisp> CheckMarkOf(MeasureHost &host) {
    ComPtr<IPictureDisp> mark = SkippableOr(ComPtr<IPictureDisp>(), [&] { return host.MeasureCheckMark(); });
    if (!mark) mark = SkippableOr(ComPtr<IPictureDisp>(), [&] { return host.MeasureBuiltInCheckMark(); });
    return mark;
}

// What a checked item without a picture of its own gives the bitmap column.
long CheckMarkColumnWidth(IPictureDisp *mark, float pixelsPerHimetric, int dpi) {
    if (!mark) return ScaleToDpi(kDefaultCheckMarkWidth, dpi);
    return ScaledPictureWidth(mark, pixelsPerHimetric, dpi);
}

long BitmapColumnCandidate(const MenuItemRecord &record, float pixelsPerHimetric, int dpi, long checkMarkWidth) {
    ComPtr<IPictureDisp> picture = record.Picture();
    if (picture) return ScaledPictureWidth(picture.Get(), pixelsPerHimetric, dpi);
    return record.Checked() ? checkMarkWidth : 0;
}

// The largest value among the records of the record's menu, the record itself included.
template <class Value>
long LargestInMenu(MeasureHost &host, const MenuItemRecord &record, Value value) {
    long largest = Larger(0, value(record));
    Skippable([&] {
        host.MeasureMenuItems().VisitMenu(record.MenuHandle(), [&](const MenuItemRecord &other) {
            largest = Larger(largest, value(other));
            return false;
        });
    });
    return largest;
}

// The bitmap column and the widest caption and shortcut of the record's menu, its items
// visited once for all three.
long SumPopupColumns(MeasureHost &host, const MenuItemRecord &record, int dpi, IPictureDisp *mark) {
    const float pixelsPerHimetric = PixelsPerHimetric(ScreenPixelsPerInch(LOGPIXELSX));
    const long checkMarkWidth = CheckMarkColumnWidth(mark, pixelsPerHimetric, dpi);
    long bitmap = 0, caption = 0, shortcut = 0;
    const auto take = [&](const MenuItemRecord &other) {
        bitmap = Larger(bitmap, BitmapColumnCandidate(other, pixelsPerHimetric, dpi, checkMarkWidth));
        caption = Larger(caption, other.CaptionTextWidth());
        shortcut = Larger(shortcut, other.ShortcutTextWidth());
        return false;
    };
    take(record);
    Skippable([&] { host.MeasureMenuItems().VisitMenu(record.MenuHandle(), take); });
    return Larger(bitmap + ScaleToDpi(kItemMargin, dpi), MenuHeightMetric(dpi)) + caption + shortcut;
}

long PopupColumnsWidth(MeasureHost &host, const MenuItemRecord &record, int dpi) {
    ComPtr<IPictureDisp> mark = CheckMarkOf(host);
    std::optional<MeasuredColumns> *kept = SkippableOr<std::optional<MeasuredColumns> *>(
        nullptr, [&] { return host.MeasureColumnsKept(); });
    const unsigned long changes = SkippableOr(0UL, [&] { return host.MeasureMenuItems().ColumnChanges(); });
    if (kept && *kept && (*kept)->menu == record.MenuHandle() && (*kept)->changes == changes && (*kept)->dpi == dpi &&
        (*kept)->checkMark.Get() == mark.Get())
        return (*kept)->width;
    const long width = SumPopupColumns(host, record, dpi, mark.Get());
    if (kept) *kept = MeasuredColumns{record.MenuHandle(), changes, dpi, mark, width};
    return width;
}

// The size before the host's say: texts and picture set the height, the kind of item the width.
ItemSize ComputedItemSize(MeasureHost &host, MenuItemRecord &record, long cyMenu, int dpi) {
    ComPtr<IPictureDisp> picture =
        SkippableOr(ComPtr<IPictureDisp>(), [&] { return ItemPictureOrCheckMark(host, record); });
    const SIZE pixels = picture ? ScaleToDpi(PicturePixels(picture.Get()), dpi) : SIZE{0, 0};
    const long margin = ScaleToDpi(kItemMargin, dpi);

    ItemSize size;
    size.height = cyMenu;
    size.height = Larger(size.height, pixels.cy + margin);
    size.height = Larger(size.height, record.CaptionTextHeight() + margin);
    size.height = Larger(size.height, record.ShortcutTextHeight() + margin);

    if (record.IsTopLevel()) {
        // A standing-in check mark adds no spacing: only a picture of the item's own does.
        size.width = pixels.cx + record.CaptionTextWidth();
        if (record.Picture()) size.width += ScaleToDpi(kMenuBarPictureSpacing, dpi);
        size.height = GetMenuBarItemHeight(host);
    } else if (record.IsSeparator()) {
        size.width = 0;
        size.height = RoundEven(cyMenu / 2.0);
    } else {
        size.width = PopupColumnsWidth(host, record, dpi) + MenuCheckWidthMetric(dpi);
    }
    return size;
}

}  // namespace

LRESULT OnMeasureItem(MeasureHost &host, MenuEvents &events, MEASUREITEMSTRUCT &target, bool &route) {
    MEASUREITEMSTRUCT item = target;
    if (item.CtlType != ODT_MENU) return 0;

    const int dpi = SkippableOr(kDefaultDpi, [&] { return host.MeasureDpi(); });
    const long cyMenu = MenuHeightMetric(dpi);
    RecordPtr record = RecordOfItemData(host, item.itemData);
    // An owner-drawn item of the host's own, which the control knows nothing of.
    ItemSize size{4 * cyMenu, cyMenu};
    if (record) {
        MenuItemRecord &measured = *record.Get();
        Skippable([&] { RefreshMenuText(measured); });
        RemeasureItem(host, measured);
        size = ComputedItemSize(host, measured, cyMenu, dpi);
        Skippable([&] { events.FireSetMenuItemSize(measured, size.width, size.height); });
    }

    item.itemWidth = static_cast<UINT>(size.width);
    item.itemHeight = static_cast<UINT>(size.height);
    if (SkippableOr<long>(kBorderNormal, [&] { return host.MeasureMenuBorder(); }) == kBorderFlatWithShadow) {
        // The shadow runs down the right of every item and under the last one of a popup.
        const long allowance = ScaleToDpi(kShadowAllowance, dpi);
        item.itemWidth = static_cast<UINT>(size.width + allowance);
        if (record && record->IsLast()) item.itemHeight = static_cast<UINT>(size.height + allowance);
    }

    target = item;
    route = false;
    return 1;
}

void RemeasureItem(MeasureHost &host, MenuItemRecord &record) {
    // Runs at every measurement, so the sizes follow font changes made since the scan.
    Skippable([&] {
        record.SetCaptionTextSize(host.MeasureTextRect(record.CaptionFont().Get(), record.Language(), record.Caption()));
    });
    Skippable([&] {
        record.SetShortcutTextSize(
            host.MeasureTextRect(record.ShortcutFont().Get(), record.Language(), record.ShortcutText()));
    });
}

long GetMenuBarItemHeight(MeasureHost &host) {
    // Every menu bar's items count, so all of them get one height.
    const int dpi = SkippableOr(kDefaultDpi, [&] { return host.MeasureDpi(); });
    long height = MenuHeightMetric(dpi);
    const long margin = ScaleToDpi(kItemMargin, dpi);
    Skippable([&] {
        for (const RecordPtr &record : host.MeasureMenuItems().Records()) {
            if (!record->IsTopLevel()) continue;
            ComPtr<IPictureDisp> picture = record->Picture();
            if (picture) height = Larger(height, ScaleToDpi(PicturePixels(picture.Get()), dpi).cy + margin);
            height = Larger(height, record->CaptionTextHeight() + margin);
        }
    });
    return height;
}

long GetBitmapColumnWidth(MeasureHost &host, const MenuItemRecord &record) {
    const float pixelsPerHimetric = PixelsPerHimetric(ScreenPixelsPerInch(LOGPIXELSX));
    const int dpi = SkippableOr(kDefaultDpi, [&] { return host.MeasureDpi(); });
    const long checkMarkWidth = CheckMarkColumnWidth(CheckMarkOf(host).Get(), pixelsPerHimetric, dpi);
    long widest = LargestInMenu(host, record, [&](const MenuItemRecord &other) {
        return BitmapColumnCandidate(other, pixelsPerHimetric, dpi, checkMarkWidth);
    });
    return Larger(widest + ScaleToDpi(kItemMargin, dpi), MenuHeightMetric(dpi));
}

long GetMaxCaptionWidth(MeasureHost &host, const MenuItemRecord &record) {
    return LargestInMenu(host, record, [](const MenuItemRecord &other) { return other.CaptionTextWidth(); });
}

long GetMaxShortcutWidth(MeasureHost &host, const MenuItemRecord &record) {
    return LargestInMenu(host, record, [](const MenuItemRecord &other) { return other.ShortcutTextWidth(); });
}

ComPtr<IPictureDisp> ItemPictureOrCheckMark(MeasureHost &host, MenuItemRecord &record) {
    ComPtr<IPictureDisp> picture = record.Picture();
    if (picture || !record.Checked()) return picture;
    picture = SkippableOr(ComPtr<IPictureDisp>(), [&] { return host.MeasureCheckMark(); });
    if (picture) return picture;
    picture = SkippableOr(ComPtr<IPictureDisp>(), [&] { return host.MeasureBuiltInCheckMark(); });
    if (picture) Skippable([&] { TakeCheckMarkBackColor(record, host.MeasureMenuIconSet()); });
    return picture;
}

}  // namespace brocade
