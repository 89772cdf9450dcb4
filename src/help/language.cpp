#include "help/language.h"

namespace brocade {

long LanguageFromLangId(LANGID id) {
    int primary = id & 0xFF;
    if (primary < 4 || primary > 25) return kEnglish;
    switch (primary) {
    case 4: return (id >> 10) == 1 ? kChineseTraditional : kChineseSimplified;
    case 7: return kGerman;
    case 10: return kSpanish;
    case 12: return kFrench;
    case 16: return kItalian;
    case 17: return kJapanese;
    case 18: return kKorean;
    case 25: return kRussian;
    default: return kEnglish;
    }
}

long DetectLanguage() { return LanguageFromLangId(GetUserDefaultLangID()); }

int LanguageStringBase(long language) {
    switch (language) {
    case kKorean: return 2000;
    case kJapanese: return 3000;
    case kItalian: return 4000;
    case kFrench: return 5000;
    case kSpanish: return 6000;
    case kGerman: return 7000;
    case kChineseTraditional: return 8000;
    case kChineseSimplified: return 9000;
    case kRussian: return 10000;
    default: return 1000;
    }
}

}  // namespace brocade
