#include "menu/ansi_text.h"

namespace brocade {

std::wstring AnsiToWide(const std::string &text, UINT codePage) {
    if (text.empty()) return std::wstring();
    int length = static_cast<int>(text.size());
    int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    int written = MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    wide.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return wide;
}

std::string WideToAnsi(const std::wstring &text, UINT codePage) {
    if (text.empty()) return std::string();
    int length = static_cast<int>(text.size());
    int needed = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return std::string();
    std::string bytes(static_cast<size_t>(needed), '\0');
    int written = WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
    bytes.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return bytes;
}

}  // namespace brocade
