#include "render/menu_text.h"

#include "common/enums.h"
#include "menu/captions.h"
#include "common/os_version.h"
#include "common/color_utils.h"

namespace brocade {

namespace {

bool IsWindows9x() { return IsWin95() || IsWin98(); }

bool UsesOwnCodePage(long language) {
    return language == kKorean || language == kJapanese || language == kChineseTraditional ||
           language == kChineseSimplified;
}

// The code units of a decoded caption; a dangling odd byte is dropped.
std::wstring WideFromCodeUnits(const std::string &bytes) {
    std::wstring text(bytes.size() / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return text;
}

std::wstring WideFromCodePage(const std::string &text, UINT codePage) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

// DrawTextW stops at the first NUL with length -1, as the decoded caption would.
std::wstring UpToFirstNul(std::wstring text) {
    const size_t nul = text.find(L'\0');
    if (nul != std::wstring::npos) text.resize(nul);
    return text;
}

int DrawWide(HDC dc, const std::wstring &text, RECT rect, UINT flags) {
    if (IsWindows9x()) return DrawWideTextByHand(dc, text, rect, flags);
    return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}

}  // namespace

std::wstring RemoveMnemonicMarks(const std::wstring &text) {
    std::wstring result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'&') {
            result += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == L'&') {
            result += L'&';
            ++i;
        }
    }
    return result;
}

int DrawWideTextByHand(HDC dc, const std::wstring &text, const RECT &rect, UINT flags) {
    const UINT alignment = GetTextAlign(dc);
    SetTextAlign(dc, 0);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const long width = rect.right - rect.left;
    const long height = rect.bottom - rect.top;
    const int y = RoundEven((height - extent.cy) / 2.0);
    int x = rect.left;
    if (flags & DT_CENTER)
        x = RoundEven((width - extent.cx) / 2.0);
    else if (flags & DT_RTLREADING)
        x = width - extent.cx;
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextAlign(dc, alignment);
    return extent.cy;
}

int DrawMenuText(HDC dc, const std::string &text, const RECT &rect, UINT flags, long language, bool unicode) {
    RECT area = rect;
    if (unicode) return DrawWide(dc, UpToFirstNul(WideFromCodeUnits(text)), area, flags);
    if (UsesOwnCodePage(language)) {
        const UINT codePage = GetLanguageCodePage(language);
        if (codePage != GetACP())
            return DrawWide(dc, RemoveMnemonicMarks(WideFromCodePage(text, codePage)), area, flags);
    }
    return DrawTextA(dc, text.c_str(), -1, &area, flags);
}

}  // namespace brocade
