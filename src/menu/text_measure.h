// The size in pixels of an item's caption or shortcut text in a font object.
#pragma once
#include <windows.h>
#include <olectl.h>

#include <string>

namespace brocade {

// Measures text (menu bytes) in the font. With the control's Unicode handling on, the text
// is measured as the system measures a marked caption's bytes; Korean, Japanese and Chinese
// texts are read in their language's code page; all others are measured the way an
// auto-sizing label measures its caption ("&" marks a mnemonic and takes no room). 0 by 0
// when measuring fails.
SIZE GetTextRect(IFontDisp *font, long language, const std::string &text, bool controlUnicode);

}  // namespace brocade
