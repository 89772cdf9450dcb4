// Everything item measurement reads from the control. The control
// implements it; measurement knows nothing else of the control.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <optional>
#include <string>

#include "common/com_ptr.h"
#include "menu/menu_events.h"
#include "menu/menu_item.h"

namespace brocade {

class MenuItemCollection;

// The width a popup's columns give each of its items. Every item of a menu is measured from
// all of them, so it is summed once and kept until a record of the collection changes (its
// column generation), or the DPI or check mark differs.
struct MeasuredColumns {
    HMENU menu = nullptr;
    unsigned long changes = 0;
    int dpi = 0;
    ComPtr<IPictureDisp> checkMark;
    long width = 0;
};

class MeasureHost {
public:
    // --- Properties of the control ----------------------------------------------------------
    // The bdBorder value of MenuBorder as stored.
    virtual long MeasureMenuBorder() = 0;
    // The bdMenuIconSet value of MenuIconSet as stored.
    virtual long MeasureMenuIconSet() = 0;
    // The CheckMark property; null when it is not set.
    virtual ComPtr<IPictureDisp> MeasureCheckMark() = 0;
    // The built-in check mark of the current icon set; null when there is none.
    virtual ComPtr<IPictureDisp> MeasureBuiltInCheckMark() = 0;
    // The DPI of the window the items are measured for.
    virtual int MeasureDpi() { return 96; }

    // --- Records ------------------------------------------------------------------------------
    // The record stored under MenuItemKey(serial); null when there is none.
    virtual RecordPtr MeasureMenuItemBySerial(long serial) = 0;
    // The item collection: the records of every menu the control has scanned.
    virtual const MenuItemCollection &MeasureMenuItems() = 0;
    // GetTextRect of the menu scan (MenuScanner::GetTextRect): the size of a text in a font.
    virtual SIZE MeasureTextRect(IFontDisp *font, long language, const std::string &text) = 0;
    // Where the popup columns last measured are kept; null keeps none.
    virtual std::optional<MeasuredColumns> *MeasureColumnsKept() { return nullptr; }

protected:
    ~MeasureHost() = default;
};

}  // namespace brocade
