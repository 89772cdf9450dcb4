#include "com/text_conversion.h"

namespace brocade {

std::string AnsiFromWide(const wchar_t *text, int length) {
    if (!text || length <= 0) return std::string();
    int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(bytes, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring WideFromAnsi(const std::string &text) {
    if (text.empty()) return std::wstring();
    int chars = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(chars, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), chars);
    return result;
}

}  // namespace brocade
