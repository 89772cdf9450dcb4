#include "menu/menu_text.h"

#include <vector>

namespace brocade {

std::string GetMenuText(HMENU menu, int position) {
    // Most texts fit a small buffer: one call, and the length is asked only for longer ones.
    char shortText[256];
    const int fitted = GetMenuStringA(menu, static_cast<UINT>(position), shortText, sizeof shortText, MF_BYPOSITION);
    if (fitted <= 0) return std::string();
    if (fitted < static_cast<int>(sizeof shortText) - 1) return std::string(shortText, static_cast<size_t>(fitted));
    int length = GetMenuStringA(menu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    int copied = GetMenuStringA(menu, static_cast<UINT>(position), buffer.data(), length + 1, MF_BYPOSITION);
    if (copied <= 0) return std::string();
    return std::string(buffer.data(), static_cast<size_t>(copied));
}

}  // namespace brocade
