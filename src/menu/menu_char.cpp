#include "menu/menu_char.h"

namespace brocade {

namespace {

// Case folding the way a text comparison of single ANSI characters does it.
unsigned FoldedCharacter(unsigned code) {
    if (code == 0 || code > 0xFF) return code;
    char buffer[1] = {static_cast<char>(code)};
    CharUpperBuffA(buffer, 1);
    return static_cast<unsigned char>(buffer[0]);
}

}  // namespace

WORD GetLoWordValue(LONG_PTR value) { return static_cast<WORD>(value & 0xFFFF); }

LONG MakeLong(WORD low, WORD high) {
    return static_cast<LONG>((static_cast<DWORD>(high) << 16) | low);
}

LRESULT OnMenuChar(const MenuItemCollection *items, WPARAM wParam, LPARAM lParam, Boolean &bRouteToOriginal) {
    if (!items) return 0;
    unsigned typed = FoldedCharacter(GetLoWordValue(static_cast<LONG_PTR>(wParam)));
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    WORD position = 0;
    bool matched = items->VisitMenu(menu, [&](const MenuItemRecord &record) {
        // Items without a mnemonic still hold their place in the count.
        long code = record.MnemonicCode();
        if (code != 0 && FoldedCharacter(static_cast<unsigned>(code)) == typed) return true;
        ++position;
        return false;
    });
    if (!matched) return 0;
    bRouteToOriginal = kFalse;
    return MakeLong(position, kMenuCharExecute);
}

}  // namespace brocade
