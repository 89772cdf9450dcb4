// OLE font objects as the menu model uses them: new record fonts, copying the defaults into
// them, and a GDI font equivalent to one for measuring.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "common/com_ptr.h"
#include "common/gdi.h"

namespace brocade {

// A new OLE font with the properties of a new standard font (MS Sans Serif, 8 points).
ComPtr<IFontDisp> CreateRecordFont();

// Copies Bold, Charset, Italic, Name, Size, Strikethrough, Underline and Weight, in this order
// (Weight last, so it wins over Bold); a property that cannot be read or written is skipped.
void CopyFont(IFontDisp *from, IFontDisp *to);

// A new GDI font with the font object's name, size (at the screen's resolution), weight,
// italic, underline, strikethrough and character set; empty when the object gives nothing.
UniqueFont CreateMeasuringFont(IFontDisp *font);
// The LOGFONT that font would be made from; false (and all zero) when the object gives nothing.
bool MeasuringLogFont(IFontDisp *font, LOGFONTW &logFont);

}  // namespace brocade
