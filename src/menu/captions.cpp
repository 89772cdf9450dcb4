#include "menu/captions.h"

#include <algorithm>

#include "common/enums.h"

namespace brocade {

namespace {

std::string TrimBlanks(const std::string &text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void RemoveAll(std::string &text, char mark) {
    text.erase(std::remove(text.begin(), text.end(), mark), text.end());
}

std::string UpperCase(std::string text) {
    if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

std::string GetCleanCaption(const std::string &caption) {
    // The order matters: blanks before a tab survive, since trimming comes first.
    std::string text = TrimBlanks(caption);
    RemoveAll(text, '&');
    RemoveAll(text, '.');
    size_t tab = text.find('\t');
    if (tab != std::string::npos) text.erase(tab);
    return UpperCase(text);
}

UINT GetLanguageCodePage(long language) {
    switch (language) {
    case kKorean: return 949;
    case kJapanese: return 932;
    case kChineseTraditional: return 950;
    case kChineseSimplified: return 936;
    case kRussian: return 1251;
    default: return 0;
    }
}

}  // namespace brocade
