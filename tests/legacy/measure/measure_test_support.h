// The control's side of item measurement for the tests: records come from a real menu scan,
// text sizes from the scan's own measuring unless a test fixes them for hand-worked numbers.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "menu/menu_item_collection.h"
#include "menu/menu_scan.h"
#include "menu/menu_test_support.h"
#include "render/measure_host.h"

namespace measure_test {

using brocade::ComPtr;
using brocade::MenuItemRecord;
using brocade::RecordPtr;

class TestMeasureHost final : public brocade::MeasureHost {
public:
    explicit TestMeasureHost(brocade::MenuScanner &scanner) : scanner_(scanner) {}

    long menuBorder = 0;
    long iconSet = 0;
    ComPtr<IPictureDisp> checkMark;
    ComPtr<IPictureDisp> builtInCheckMark;
    // Sizes of texts by text; any other text is measured by the scan.
    std::map<std::string, SIZE> textSizes;
    // The host's SetMenuItemSize handler.
    std::function<void(MenuItemRecord &record, long &width, long &height)> onSetMenuItemSize;
    // Serials of the records the event was raised for, in order.
    std::vector<long> raised;
    // Makes every look-up measurement asks for throw.
    bool failLookUps = false;

    long MeasureMenuBorder() override { return Checked(menuBorder); }
    long MeasureMenuIconSet() override { return Checked(iconSet); }
    ComPtr<IPictureDisp> MeasureCheckMark() override { return Checked(checkMark); }
    ComPtr<IPictureDisp> MeasureBuiltInCheckMark() override { return Checked(builtInCheckMark); }
    RecordPtr MeasureMenuItemByKey(const std::string &key) override { return Checked(scanner_.GetMenuItemByKey(key)); }
    const brocade::MenuItemCollection &MeasureMenuItems() override {
        Checked(0);
        return scanner_.Items();
    }
    SIZE MeasureTextRect(IFontDisp *font, long language, const std::string &text) override;
    void RaiseSetMenuItemSize(MenuItemRecord &record, long &width, long &height) override;

private:
    brocade::MenuScanner &scanner_;

    template <class T>
    T Checked(const T &answer) const {
        if (failLookUps) throw std::runtime_error("host look-up failed");
        return answer;
    }
};

// The answer of one WM_MEASUREITEM, as the system would read it back.
struct Measured {
    LRESULT result = 0;
    brocade::Boolean route = brocade::kTrue;
    MEASUREITEMSTRUCT item = {};
};

// Sends a WM_MEASUREITEM structure for an item data (and a control type) to the handler.
Measured Measure(brocade::MeasureHost &host, ULONG_PTR itemData, UINT controlType = ODT_MENU);

// A picture that holds nothing: no handle and no size.
ComPtr<IPictureDisp> MakeEmptyPicture();

}  // namespace measure_test
