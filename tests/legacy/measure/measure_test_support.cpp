#include "measure/measure_test_support.h"

#include "render/measure_item.h"

namespace measure_test {

SIZE TestMeasureHost::MeasureTextRect(IFontDisp *font, long language, const std::string &text) {
    Checked(0);
    auto fixed = textSizes.find(text);
    if (fixed != textSizes.end()) return fixed->second;
    return scanner_.GetTextRect(font, language, text);
}

void TestMeasureHost::RaiseSetMenuItemSize(MenuItemRecord &record, long &width, long &height) {
    raised.push_back(record.ItemSerial());
    if (onSetMenuItemSize) onSetMenuItemSize(record, width, height);
}

Measured Measure(brocade::MeasureHost &host, ULONG_PTR itemData, UINT controlType) {
    Measured answer;
    answer.item.CtlType = controlType;
    answer.item.itemID = 101;
    answer.item.itemData = itemData;
    answer.result = brocade::OnMeasureItem(host, 0, reinterpret_cast<LPARAM>(&answer.item), answer.route);
    return answer;
}

ComPtr<IPictureDisp> MakeEmptyPicture() {
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_NONE;
    ComPtr<IPictureDisp> picture;
    OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(picture.Out()));
    return picture;
}

}  // namespace measure_test
