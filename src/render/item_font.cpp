#include "render/item_font.h"

#include <cmath>

#include "common/com_ptr.h"
#include "common/color_utils.h"
#include "common/measure_units.h"
#include "menu/menu_item.h"

namespace brocade {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kCyUnitsPerPoint = 10000.0;
constexpr size_t kMaxReadings = 1024;

std::string AnsiFaceName(const std::wstring &name) {
    if (name.empty()) return {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, name.c_str(), static_cast<int>(name.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(length > 0 ? length : 0, '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, name.c_str(), static_cast<int>(name.size()), &ansi[0], length, nullptr,
                            nullptr);
    return ansi;
}

}  // namespace

bool FontProperties::operator==(const FontProperties &other) const {
    return name == other.name && size == other.size && bold == other.bold && italic == other.italic &&
           underline == other.underline && strikethrough == other.strikethrough && weight == other.weight &&
           charset == other.charset;
}

bool ReadFontProperties(IFontDisp *font, FontProperties &properties) {
    if (!font) return false;
    ComPtr<IFont> object = ComPtr<IFontDisp>(font).As<IFont>(IID_IFont);
    if (!object) return false;
    BSTR name = nullptr;
    CY size = {};
    BOOL bold = FALSE, italic = FALSE, underline = FALSE, strikethrough = FALSE;
    SHORT weight = 0, charset = 0;
    const bool read = SUCCEEDED(object->get_Name(&name)) && SUCCEEDED(object->get_Size(&size)) &&
                      SUCCEEDED(object->get_Bold(&bold)) && SUCCEEDED(object->get_Italic(&italic)) &&
                      SUCCEEDED(object->get_Underline(&underline)) &&
                      SUCCEEDED(object->get_Strikethrough(&strikethrough)) &&
                      SUCCEEDED(object->get_Weight(&weight)) && SUCCEEDED(object->get_Charset(&charset));
    if (read) {
        properties.name = name ? std::wstring(name, SysStringLen(name)) : std::wstring();
        properties.size = size.int64;
        properties.bold = bold != FALSE;
        properties.italic = italic != FALSE;
        properties.underline = underline != FALSE;
        properties.strikethrough = strikethrough != FALSE;
        properties.weight = weight;
        properties.charset = charset;
    }
    SysFreeString(name);
    return read;
}

LOGFONTA ItemLogFont(const FontProperties &properties, int pixelsPerInchY) {
    LOGFONTA logFont = {};
    const double points = static_cast<double>(properties.size) / kCyUnitsPerPoint;
    logFont.lfHeight = -RoundEven(std::fabs(points * pixelsPerInchY / kPointsPerInch));
    logFont.lfWeight = properties.weight;
    logFont.lfItalic = properties.italic ? TRUE : FALSE;
    logFont.lfUnderline = properties.underline ? TRUE : FALSE;
    logFont.lfStrikeOut = properties.strikethrough ? TRUE : FALSE;
    logFont.lfCharSet = static_cast<BYTE>(properties.charset);
    const std::string face = AnsiFaceName(properties.name.substr(0, LF_FACESIZE - 1));
    face.copy(logFont.lfFaceName, LF_FACESIZE - 1);  // the array is zeroed: always terminated
    return logFont;
}

UniqueFont CreateGdiFont(IFontDisp *font) {
    FontProperties properties;
    if (!ReadFontProperties(font, properties)) return UniqueFont();
    const LOGFONTA logFont = ItemLogFont(properties, ScreenPixelsPerInch(LOGPIXELSY));
    return UniqueFont(CreateFontIndirectA(&logFont));
}

HFONT ItemFontCache::GetItemFont(IFontDisp *font, const std::function<void()> &beforeReplace, bool sameSource) {
    if (sameSource && font && font == source_ && font_) return font_.Get();
    source_ = nullptr;
    FontProperties properties;
    if (!Read(font, properties)) return nullptr;
    if (font_ && properties_ && *properties_ == properties) {
        source_ = font;
        return font_.Get();
    }
    if (font_ && beforeReplace) beforeReplace();
    font_.Reset();
    properties_.reset();
    const LOGFONTA logFont = ItemLogFont(properties, ScreenPixelsPerInch(LOGPIXELSY));
    font_.Reset(CreateFontIndirectA(&logFont));
    if (!font_) return nullptr;
    properties_ = properties;
    source_ = font;
    return font_.Get();
}

bool ItemFontCache::Read(IFontDisp *font, FontProperties &properties) {
    const unsigned long long stamp = WatchedFontStamp(font);
    if (stamp) {
        auto read = readings_.find(font);
        if (read != readings_.end() && read->second.stamp == stamp) {
            properties = read->second.properties;
            return true;
        }
    }
    if (!ReadFontProperties(font, properties)) return false;
    if (stamp) {
        if (readings_.size() >= kMaxReadings) readings_.clear();
        readings_[font] = Reading{stamp, properties};
    }
    return true;
}

void ItemFontCache::Clear() {
    source_ = nullptr;
    readings_.clear();
    font_.Reset();
    properties_.reset();
}

}  // namespace brocade
