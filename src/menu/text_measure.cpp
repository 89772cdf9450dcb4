#include "menu/text_measure.h"

#include <cstring>

#include "common/gdi.h"
#include "common/enums.h"
#include "menu/ansi_text.h"
#include "menu/captions.h"
#include "menu/menu_item.h"
#include "menu/ole_font.h"
#include "common/os_version.h"

namespace brocade {

namespace {

bool IsFarEasternLanguage(long language) {
    return language == kKorean || language == kJapanese || language == kChineseTraditional ||
           language == kChineseSimplified;
}

// DrawTextA up to the text's first NUL, on one line.
SIZE SingleLineSize(HDC dc, const std::string &text) {
    RECT rect = {0, 0, 0, 0};
    if (DrawTextA(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE) == 0) return SIZE{0, 0};
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

SIZE WideExtent(HDC dc, const wchar_t *units, size_t count) {
    SIZE size = {0, 0};
    if (!GetTextExtentPoint32W(dc, units, static_cast<int>(count), &size)) return SIZE{0, 0};
    return size;
}

// The text's bytes read as UTF-16 code units, as the 9x family measures marked captions.
SIZE ByteUnitsExtent(HDC dc, const std::string &text) {
    std::wstring units(text.size() / 2, L'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<wchar_t>(static_cast<unsigned char>(text[2 * i]) |
                                        (static_cast<unsigned char>(text[2 * i + 1]) << 8));
    return WideExtent(dc, units.data(), units.size());
}

// An auto-sizing label: as wide as its longest line, one line high even when empty.
SIZE LabelSize(HDC dc, const std::string &text) {
    if (text.empty()) {
        TEXTMETRICA metrics = {};
        if (!GetTextMetricsA(dc, &metrics)) return SIZE{0, 0};
        return SIZE{0, metrics.tmHeight};
    }
    RECT rect = {0, 0, 0, 0};
    if (DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rect, DT_CALCRECT) == 0) return SIZE{0, 0};
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

SIZE MeasureTextOn(HDC dc, long language, const std::string &text, bool controlUnicode) {
    if (controlUnicode) {
        if (IsWin95() || IsWin98()) return ByteUnitsExtent(dc, text);
        return SingleLineSize(dc, text);
    }
    if (IsFarEasternLanguage(language)) {
        const UINT languageCodePage = GetLanguageCodePage(language);
        if (GetACP() == languageCodePage) return SingleLineSize(dc, text);
        std::wstring wide = AnsiToWide(text, languageCodePage);
        return WideExtent(dc, wide.data(), wide.size());
    }
    return LabelSize(dc, text);
}

SIZE GetTextRect(IFontDisp *font, long language, const std::string &text, bool controlUnicode) {
    UniqueFont gdiFont = CreateMeasuringFont(font);
    WindowDc screen(GetDesktopWindow());
    if (!screen) return SIZE{0, 0};
    SelectGuard selection(screen.Get(), gdiFont.Get());
    return MeasureTextOn(screen.Get(), language, text, controlUnicode);
}

// --- TextMeasurer ----------------------------------------------------------------------------

TextMeasurer::~TextMeasurer() { Clear(); }

void TextMeasurer::Clear() {
    if (dc_ && replacedFont_) SelectObject(dc_->Get(), replacedFont_);
    replacedFont_ = nullptr;
    selected_ = -1;
    fonts_.clear();
    sizes_.clear();
    readings_.clear();
    dc_.reset();
    source_ = nullptr;
}

SIZE TextMeasurer::Measure(IFontDisp *font, long language, const std::string &text, bool controlUnicode,
                           bool sameSource) {
    if (!sameSource || !font || font != source_) {
        source_ = font;
        const unsigned long long stamp = WatchedFontStamp(font);
        auto read = stamp ? readings_.find(font) : readings_.end();
        if (read != readings_.end() && read->second.stamp == stamp) {
            sourceLogFont_ = read->second.logFont;
            sourceHasFont_ = read->second.hasFont;
        } else {
            sourceHasFont_ = MeasuringLogFont(font, sourceLogFont_);
            if (stamp) {
                if (readings_.size() >= kMaxReadings) readings_.clear();
                readings_[font] = Reading{stamp, sourceLogFont_, sourceHasFont_};
            }
        }
    }
    LOGFONTW logFont = sourceLogFont_;
    const bool hasFont = sourceHasFont_;
    std::string &key = key_;
    key.assign(reinterpret_cast<const char *>(&logFont), sizeof(logFont));
    key += static_cast<char>(hasFont);
    key += static_cast<char>(controlUnicode);
    key.append(reinterpret_cast<const char *>(&language), sizeof(language));
    key += text;
    auto known = sizes_.find(key);
    if (known != sizes_.end()) return known->second;

    if (!dc_) dc_.emplace();
    if (!*dc_) return SIZE{0, 0};
    // A font that cannot be made (GDI exhausted) leaves the DC's own font to measure with, as
    // a failed selection would; such a size is not kept.
    const bool exact = SelectFont(hasFont ? &logFont : nullptr);
    if (!exact) SelectFont(nullptr);
    const SIZE size = MeasureTextOn(dc_->Get(), language, text, controlUnicode);
    if (!exact) return size;
    if (sizes_.size() >= kMaxSizes) sizes_.clear();
    sizes_.emplace(key, size);
    return size;
}

bool TextMeasurer::SelectFont(const LOGFONTW *logFont) {
    int index = -1;
    for (size_t i = 0; i < fonts_.size() && logFont; ++i)
        if (memcmp(&fonts_[i].logFont, logFont, sizeof(LOGFONTW)) == 0) index = static_cast<int>(i);
    if (logFont && index < 0) {
        if (fonts_.size() >= kMaxFonts) {
            // No cached font may stay selected while the cache lets go of them.
            if (replacedFont_) SelectObject(dc_->Get(), replacedFont_);
            replacedFont_ = nullptr;
            selected_ = -1;
            fonts_.clear();
        }
        UniqueFont made(CreateFontIndirectW(logFont));
        if (!made) return false;
        fonts_.push_back(CachedFont{*logFont, std::move(made)});
        index = static_cast<int>(fonts_.size()) - 1;
    }
    if (index == selected_) return true;
    HGDIOBJ font = index >= 0 ? static_cast<HGDIOBJ>(fonts_[index].font.Get()) : replacedFont_;
    if (!font) {
        selected_ = -1;  // the DC still has its own font
        return true;
    }
    HGDIOBJ previous = SelectObject(dc_->Get(), font);
    if (!previous || previous == HGDI_ERROR) return false;
    if (selected_ < 0 && !replacedFont_) replacedFont_ = previous;
    selected_ = index;
    return true;
}

}  // namespace brocade
