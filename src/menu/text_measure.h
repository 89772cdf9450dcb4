// The size in pixels of an item's caption or shortcut text in a font object.
#pragma once
#include <windows.h>
#include <olectl.h>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/gdi.h"

namespace brocade {

// Measures text (menu bytes) in the font. With the control's Unicode handling on, the text
// is measured as the system measures a marked caption's bytes; Korean, Japanese and Chinese
// texts are read in their language's code page; all others are measured the way an
// auto-sizing label measures its caption ("&" marks a mnemonic and takes no room). 0 by 0
// when measuring fails.
SIZE GetTextRect(IFontDisp *font, long language, const std::string &text, bool controlUnicode);

// The same measurements, on one memory DC kept for the purpose, with the fonts made for it and
// the sizes already found kept too: every WM_MEASUREITEM measures both texts of its item again,
// and a screen DC and a new font per text would cost more than drawing the whole menu. A text
// measures the same in the same font, so the kept sizes are the sizes a new measurement gives.
class TextMeasurer {
public:
    TextMeasurer() = default;
    ~TextMeasurer();
    TextMeasurer(const TextMeasurer &) = delete;
    TextMeasurer &operator=(const TextMeasurer &) = delete;

    // With sameSource, the font object last read is taken to be unchanged: nothing can have
    // changed it since (the items of one popup measured in a row with nobody listening).
    SIZE Measure(IFontDisp *font, long language, const std::string &text, bool controlUnicode,
                 bool sameSource = false);
    // Ends the trust in the font object last read.
    void ForgetSource() { source_ = nullptr; }
    // Frees the DC, the fonts and the kept sizes.
    void Clear();

private:
    // One font at a time, so what the measurer holds does not depend on the texts measured
    // before; the kept sizes spare most font changes.
    static constexpr size_t kMaxFonts = 1;
    static constexpr size_t kMaxSizes = 4096;
    static constexpr size_t kMaxReadings = 1024;
    struct CachedFont {
        LOGFONTW logFont;
        UniqueFont font;
    };
    std::optional<MemoryDc> dc_;
    std::vector<CachedFont> fonts_;
    int selected_ = -1;               // index in fonts_, -1: the DC's own font
    HGDIOBJ replacedFont_ = nullptr;  // the DC's own font while one of ours is selected
    std::unordered_map<std::string, SIZE> sizes_;
    std::string key_;                // the key being looked up, kept to spare an allocation
    IFontDisp *source_ = nullptr;    // the font object last read, and what it gave
    LOGFONTW sourceLogFont_{};
    bool sourceHasFont_ = false;
    // What the watched font objects gave, by object, with their stamps when read: a record's
    // caption and shortcut fonts are measured in turn.
    struct Reading {
        unsigned long long stamp;
        LOGFONTW logFont;
        bool hasFont;
    };
    std::unordered_map<IFontDisp *, Reading> readings_;

    bool SelectFont(const LOGFONTW *logFont);
};

}  // namespace brocade
