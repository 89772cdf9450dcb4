// The language model: the user's language, and each language's string base in the
// resource library.
#pragma once
#include <windows.h>

#include "common/enums.h"

namespace brocade {

// A bdLanguage value (never Auto) for a Windows language identifier.
long LanguageFromLangId(LANGID id);
// A bdLanguage value (never Auto) from the user's default language.
long DetectLanguage();
// Identifier of the first resource string of a language.
int LanguageStringBase(long language);

}  // namespace brocade
