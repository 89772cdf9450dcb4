// GDI fonts for item texts, made from OLE font objects. Consecutive items mostly share their
// fonts, so the last font made is kept and handed out again while its properties still match.
#pragma once
#include <windows.h>

#include <functional>
#include <ocidl.h>
#include <olectl.h>

#include <optional>
#include <string>
#include <unordered_map>

#include "common/gdi.h"

namespace brocade {

// The eight properties of a font object that decide the GDI font made from it.
struct FontProperties {
    std::wstring name;
    LONGLONG size = 0;  // points in units of 1/10000 (the CY of the font object)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    short weight = 0;
    short charset = 0;

    bool operator==(const FontProperties &other) const;
    bool operator!=(const FontProperties &other) const { return !(*this == other); }
};

// False when the object is no font or a property cannot be read.
bool ReadFontProperties(IFontDisp *font, FontProperties &properties);

// The LOGFONT for the properties at a vertical resolution: the height in pixels is the
// point size scaled to the resolution, rounded halves to even, negative to ask for the
// character height; the face name is cut to 31 characters.
LOGFONTA ItemLogFont(const FontProperties &properties, int pixelsPerInchY);

// A new GDI font for the font object at the screen's resolution; null when it cannot be made.
UniqueFont CreateGdiFont(IFontDisp *font);

// One cached GDI font and the properties it was made from. Owned by the control; callers
// select the font they get and select the old one back, but never delete it.
class ItemFontCache {
public:
    // The cached font when font's properties equal the cached ones, else a new one (the old
    // one deleted). Null when font is null or unreadable.
    // beforeReplace runs before a font is deleted, so whoever holds it selected can let go.
    // With sameSource, the font object last read is taken to be unchanged: nothing can have
    // changed it since (the items of one popup drawn in a row with nobody listening).
    HFONT GetItemFont(IFontDisp *font, const std::function<void()> &beforeReplace = {}, bool sameSource = false);
    // Ends the trust in the font object last read.
    void ForgetSource() { source_ = nullptr; }
    void Clear();

private:
    UniqueFont font_;
    std::optional<FontProperties> properties_;
    IFontDisp *source_ = nullptr;  // the font object the cached font was last read from
    // What the watched font objects gave, by object, with their stamps when read: the caption
    // and shortcut fonts of a record are asked for in turn.
    struct Reading {
        unsigned long long stamp;
        FontProperties properties;
    };
    std::unordered_map<IFontDisp *, Reading> readings_;

    bool Read(IFontDisp *font, FontProperties &properties);
};

}  // namespace brocade
