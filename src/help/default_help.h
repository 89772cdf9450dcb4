// Default help texts and default picture names per language, read from the resource library.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "help/caption_table.h"

namespace brocade {

class DefaultHelp {
public:
    // Reads a language's strings from the library into its two tables, unless its help table
    // holds entries already. A library handle of 0 reads nothing.
    void LoadDefaultHelp(HMODULE library, long language);

    // The language's default help for a caption (any menu text: it is cleaned first), else the
    // English one; empty when neither table knows the caption.
    std::string FindDefaultHelp(const std::string &caption, long language) const;

    // The built-in picture name the language gives a caption (cleaned first); empty when none.
    std::string FindDefaultPictureName(const std::string &caption, long language) const;
    bool HasPictureNames(long language) const;

private:
    // One slot per bdLanguage value, 0 to 11; other values have no tables of their own.
    static constexpr long kLanguageSlots = 12;
    static bool HasSlot(long language) { return language >= 0 && language < kLanguageSlots; }

    std::array<CaptionTable, kLanguageSlots> help_;
    std::array<CaptionTable, kLanguageSlots> pictureNames_;
};

}  // namespace brocade
