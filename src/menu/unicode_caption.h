// Unicode captions: a host that can only store ANSI menu texts marks a caption as UTF-16 by
// starting its bytes with FF FE or FE FF; the bytes after the mark are UTF-16LE code units
// (both marks alike, nothing is swapped).
#pragma once
#include <string>

namespace brocade {

// At least three bytes, the first two FF FE or FE FF.
bool IsMarkedUnicodeCaption(const std::string &text);

// The bytes after the mark of a marked caption, to be read as UTF-16 code units; any other
// text unchanged.
std::string DecodeUnicodeCaption(const std::string &text);

// The caption as UTF-16 text: a marked caption's code units (a dangling odd byte is dropped),
// any other text converted from the system's ANSI code page.
std::wstring GetCaptionWideText(const std::string &text);

// The caption as bytes of the language's code page (GetLanguageCodePage); characters that
// code page cannot hold come out as the digit 0. Empty when a conversion fails.
std::string GetConvertedUnicodeString(const std::string &text, long language);

}  // namespace brocade
