#include "menu/text_measure.h"

#include "common/gdi.h"
#include "control/enums.h"
#include "menu/ansi_text.h"
#include "menu/captions.h"
#include "menu/ole_font.h"
#include "menu/os_version.h"

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

SIZE GetTextRect(IFontDisp *font, long language, const std::string &text, bool controlUnicode) {
    UINT systemCodePage = GetACP();
    UINT languageCodePage = GetLanguageCodePage(language);

    UniqueFont gdiFont = CreateMeasuringFont(font);
    WindowDc screen(GetDesktopWindow());
    if (!screen) return SIZE{0, 0};
    SelectGuard selection(screen.Get(), gdiFont.Get());
    HDC dc = screen.Get();

    if (controlUnicode) {
        if (IsWin95() || IsWin98()) return ByteUnitsExtent(dc, text);
        return SingleLineSize(dc, text);
    }
    if (IsFarEasternLanguage(language)) {
        if (systemCodePage == languageCodePage) return SingleLineSize(dc, text);
        std::wstring wide = AnsiToWide(text, languageCodePage);
        return WideExtent(dc, wide.data(), wide.size());
    }
    return LabelSize(dc, text);
}

}  // namespace brocade
