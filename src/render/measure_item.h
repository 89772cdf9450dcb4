// The size of an owner-drawn menu item (WM_MEASUREITEM): from its picture or check mark, the
// texts of every item of its menu and the system's menu metrics, offered to the host through
// SetMenuItemSize. Items of one popup come out equally wide, so their columns line up.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "common/com_ptr.h"
#include "menu/menu_item.h"
#include "render/measure_host.h"

namespace brocade {

// Room around a picture or a text in an item, and between a menu-bar picture and its caption.
constexpr long kItemMargin = 4;
constexpr long kMenuBarPictureSpacing = 6;
// What a checked item without any check-mark picture gives the bitmap column.
constexpr long kDefaultCheckMarkWidth = 10;
// The flat border's shadow takes this much beside every item and below the last one.
constexpr long kShadowAllowance = 2;
constexpr OLE_COLOR kOffice2003CheckMarkBackColor = 0x00FF00FF;
constexpr OLE_COLOR kPaletteCheckMarkBackColor = 0x0000FFFF;

// WM_MEASUREITEM. For a menu item: fills in the size, clears bRouteToOriginal and returns 1,
// also for an item without a record (answered 4 x SM_CYMENU by SM_CYMENU). Anything else
// (another control type, no structure) returns 0 and leaves the flag alone.
LRESULT OnMeasureItem(MeasureHost &host, MenuEvents &events, MEASUREITEMSTRUCT &target, bool &route);

// Measures the record's caption and shortcut texts again in its current fonts.
void RemeasureItem(MeasureHost &host, MenuItemRecord &record);

// The one height of every menu-bar item: SM_CYMENU, or more for a taller picture or caption.
long GetMenuBarItemHeight(MeasureHost &host);
// Width of the bitmap column of the record's menu: its widest picture or check mark plus the
// margin, at least SM_CYMENU.
long GetBitmapColumnWidth(MeasureHost &host, const MenuItemRecord &record);
// The widest caption and the widest shortcut text among the records of the record's menu.
long GetMaxCaptionWidth(MeasureHost &host, const MenuItemRecord &record);
long GetMaxShortcutWidth(MeasureHost &host, const MenuItemRecord &record);

// The picture the record's item shows: its own, else for a checked item the CheckMark, else
// the built-in check mark (whose background colour the record then takes from the icon set).
// Null when there is none.
ComPtr<IPictureDisp> ItemPictureOrCheckMark(MeasureHost &host, MenuItemRecord &record);

}  // namespace brocade
