#include "menu/menu_char.h"

namespace brocade {

namespace {

wchar_t UpperCharacter(wchar_t character) {
    CharUpperBuffW(&character, 1);
    return character;
}

}  // namespace

WORD GetLoWordValue(LONG_PTR value) { return static_cast<WORD>(value & 0xFFFF); }

LONG MakeLong(WORD low, WORD high) {
    return static_cast<LONG>((static_cast<DWORD>(high) << 16) | low);
}

LRESULT OnMenuChar(const MenuItemCollection *items, wchar_t character, HMENU menu, bool &route) {
    if (!items) return 0;
    // The window is subclassed with the W procedures, so the key arrives as UTF-16 whatever
    // the window's own character set; the records keep their mnemonics in UTF-16 as well.
    const wchar_t typed = UpperCharacter(character);
    WORD position = 0;
    bool matched = items->VisitMenu(menu, [&](const MenuItemRecord &record) {
        // Items without a mnemonic still hold their place in the count.
        const wchar_t mnemonic = record.MnemonicCharacter();
        if (mnemonic != 0 && mnemonic == typed) return true;
        ++position;
        return false;
    });
    if (!matched) return 0;
    route = false;
    return MakeLong(position, kMenuCharExecute);
}

}  // namespace brocade
