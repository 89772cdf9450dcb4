#include "menu/unicode_caption.h"

#include <windows.h>

#include "menu/ansi_text.h"
#include "menu/captions.h"

namespace brocade {

bool IsMarkedUnicodeCaption(const std::string &text) {
    if (text.size() < 3) return false;
    unsigned char first = static_cast<unsigned char>(text[0]);
    unsigned char second = static_cast<unsigned char>(text[1]);
    return (first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF);
}

std::string DecodeUnicodeCaption(const std::string &text) {
    return IsMarkedUnicodeCaption(text) ? text.substr(2) : text;
}

std::wstring GetCaptionWideText(const std::string &text) {
    if (!IsMarkedUnicodeCaption(text)) return AnsiToWide(text);
    std::string units = DecodeUnicodeCaption(text);
    std::wstring wide;
    wide.reserve(units.size() / 2);
    for (size_t i = 0; i + 1 < units.size(); i += 2) {
        unsigned low = static_cast<unsigned char>(units[i]);
        unsigned high = static_cast<unsigned char>(units[i + 1]);
        wide.push_back(static_cast<wchar_t>(low | (high << 8)));
    }
    return wide;
}

std::string GetConvertedUnicodeString(const std::string &text, long language) {
    UINT codePage = GetLanguageCodePage(language);
    std::wstring wide = GetCaptionWideText(text);  // c_str() adds the terminating NUL unit
    static const char kDefaultCharacter[] = "0";
    int needed = WideCharToMultiByte(codePage, 0, wide.c_str(), -1, nullptr, 0, kDefaultCharacter, nullptr);
    if (needed <= 0) return std::string();
    std::string bytes(static_cast<size_t>(needed), '\0');
    int written =
        WideCharToMultiByte(codePage, 0, wide.c_str(), -1, bytes.data(), needed, kDefaultCharacter, nullptr);
    if (written <= 0) return std::string();
    bytes.resize(static_cast<size_t>(written) - 1);  // without the terminating NUL
    return bytes;
}

}  // namespace brocade
