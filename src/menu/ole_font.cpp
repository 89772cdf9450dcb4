#include "menu/ole_font.h"

#include <cwchar>

#include "common/color_utils.h"
#include "common/measure_units.h"

namespace brocade {

namespace {

ComPtr<IFont> PropertiesOf(IFontDisp *font) {
    return font ? ComPtr<IFontDisp>(font).As<IFont>(IID_IFont) : ComPtr<IFont>();
}

int ScreenPixelsPerInchY() {
    const int pixelsPerInch = ScreenPixelsPerInch(LOGPIXELSY);
    return pixelsPerInch ? pixelsPerInch : 96;
}

}  // namespace

ComPtr<IFontDisp> CreateRecordFont() {
    FONTDESC description = {};
    description.cbSizeofstruct = sizeof(description);
    description.lpstrName = const_cast<LPOLESTR>(L"MS Sans Serif");
    description.cySize.int64 = 8 * 10000;  // points, as currency
    description.sWeight = FW_NORMAL;
    description.sCharset = ANSI_CHARSET;
    ComPtr<IFontDisp> font;
    if (FAILED(OleCreateFontIndirect(&description, IID_IFontDisp, reinterpret_cast<void **>(font.Out()))))
        return ComPtr<IFontDisp>();
    return font;
}

void CopyFont(IFontDisp *from, IFontDisp *to) {
    ComPtr<IFont> source = PropertiesOf(from);
    ComPtr<IFont> target = PropertiesOf(to);
    if (!source || !target) return;

    // A font object tells its watchers of every property set, changed or not, and they then
    // read the whole font again: only the properties that differ are set. Each is compared
    // right before it is set, as setting Bold moves Weight.
    BOOL flag, now;
    SHORT number, current;
    CY size, currentSize;
    if (SUCCEEDED(source->get_Bold(&flag)) && !(SUCCEEDED(target->get_Bold(&now)) && !now == !flag))
        target->put_Bold(flag);
    if (SUCCEEDED(source->get_Charset(&number)) && !(SUCCEEDED(target->get_Charset(&current)) && current == number))
        target->put_Charset(number);
    if (SUCCEEDED(source->get_Italic(&flag)) && !(SUCCEEDED(target->get_Italic(&now)) && !now == !flag))
        target->put_Italic(flag);
    BSTR name = nullptr, currentName = nullptr;
    if (SUCCEEDED(source->get_Name(&name)) && name) {
        const bool same = SUCCEEDED(target->get_Name(&currentName)) && currentName &&
                          SysStringLen(currentName) == SysStringLen(name) &&
                          std::wmemcmp(currentName, name, SysStringLen(name)) == 0;
        if (!same) target->put_Name(name);
    }
    SysFreeString(currentName);
    SysFreeString(name);
    if (SUCCEEDED(source->get_Size(&size)) &&
        !(SUCCEEDED(target->get_Size(&currentSize)) && currentSize.int64 == size.int64))
        target->put_Size(size);
    if (SUCCEEDED(source->get_Strikethrough(&flag)) &&
        !(SUCCEEDED(target->get_Strikethrough(&now)) && !now == !flag))
        target->put_Strikethrough(flag);
    if (SUCCEEDED(source->get_Underline(&flag)) && !(SUCCEEDED(target->get_Underline(&now)) && !now == !flag))
        target->put_Underline(flag);
    if (SUCCEEDED(source->get_Weight(&number)) && !(SUCCEEDED(target->get_Weight(&current)) && current == number))
        target->put_Weight(number);
}

UniqueFont CreateMeasuringFont(IFontDisp *font) {
    LOGFONTW logFont;
    if (!MeasuringLogFont(font, logFont)) return UniqueFont();
    return UniqueFont(CreateFontIndirectW(&logFont));
}

bool MeasuringLogFont(IFontDisp *font, LOGFONTW &logFont) {
    logFont = LOGFONTW{};
    ComPtr<IFont> properties = PropertiesOf(font);
    if (!properties) return false;

    CY size = {};
    if (SUCCEEDED(properties->get_Size(&size))) {
        // Points (as currency, 1/10000) to a character height in pixels.
        double points = static_cast<double>(size.int64) / 10000.0;
        logFont.lfHeight = -RoundEven(points * ScreenPixelsPerInchY() / 72.0);
    }
    SHORT weight = FW_NORMAL;
    if (SUCCEEDED(properties->get_Weight(&weight))) logFont.lfWeight = weight;
    BOOL flag = FALSE;
    if (SUCCEEDED(properties->get_Italic(&flag))) logFont.lfItalic = flag ? TRUE : FALSE;
    if (SUCCEEDED(properties->get_Underline(&flag))) logFont.lfUnderline = flag ? TRUE : FALSE;
    if (SUCCEEDED(properties->get_Strikethrough(&flag))) logFont.lfStrikeOut = flag ? TRUE : FALSE;
    SHORT charset = ANSI_CHARSET;
    if (SUCCEEDED(properties->get_Charset(&charset))) logFont.lfCharSet = static_cast<BYTE>(charset);
    BSTR name = nullptr;
    if (SUCCEEDED(properties->get_Name(&name)) && name)
        wcsncpy(logFont.lfFaceName, name, LF_FACESIZE - 1);
    SysFreeString(name);
    return true;
}

}  // namespace brocade
