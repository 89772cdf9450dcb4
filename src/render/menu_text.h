// Text output of item captions and shortcuts: ANSI text, text of another language's code page
// and UTF-16 captions, on the NT family and on Windows 9x (which lacks most wide text calls).
#pragma once
#include <windows.h>

#include <string>

namespace brocade {

// Draws text in rect with DrawText flags. Unicode text is the UTF-16 code units of a decoded
// caption, as bytes. An ANSI text of a Korean, Japanese or Chinese language whose code page
// is not the system's is converted from that code page first. Returns what the text call
// returned (the text height for DrawText).
int DrawMenuText(HDC dc, const std::string &text, const RECT &rect, UINT flags, long language, bool unicode);

// "&&" becomes "&", every other "&" goes: the mnemonic marks of a converted text.
std::wstring RemoveMnemonicMarks(const std::wstring &text);

// The output of wide text where DrawTextW is missing: one line at the rectangle's left, at
// its centre with DT_CENTER, or ending at its right edge with DT_RTLREADING, vertically
// centred. Returns the text's height.
int DrawWideTextByHand(HDC dc, const std::wstring &text, const RECT &rect, UINT flags);

}  // namespace brocade
