// The parts of a menu item's record that hold plain state: its text, and the facts the scan
// learns from the system. Neither tells anyone of a change.
#pragma once
#include <windows.h>

#include <string>

namespace brocade {

class ItemText {
public:
    const std::string &MenuText() const { return menuText_; }
    // Stores the text and splits it into caption, shortcut text and mnemonic code.
    void SetMenuText(const std::string &text);
    const std::string &Caption() const { return caption_; }
    const std::string &ShortcutText() const { return shortcutText_; }
    long MnemonicCode() const { return mnemonicCode_; }
    // The same character as UTF-16, upper-cased; 0 when there is none. WM_MENUCHAR reaches a
    // window subclassed with the W procedures as UTF-16, so keys are matched against this.
    wchar_t MnemonicCharacter() const { return mnemonicCharacter_; }

    const std::string &TooltipText() const { return tooltipText_; }
    // Stores the text without its leading and trailing spaces.
    void SetTooltipText(const std::string &text);

private:
    std::string menuText_;
    std::string caption_;
    std::string shortcutText_;
    long mnemonicCode_ = 0;
    wchar_t mnemonicCharacter_ = 0;
    std::string tooltipText_;
};

// Where the item stands in its menu and how the system shows it.
class ItemFacts {
public:
    long Position() const { return position_; }
    void SetPosition(long value) { position_ = value; }
    bool IsFirst() const { return isFirst_; }
    void SetIsFirst(bool value) { isFirst_ = value; }
    bool IsLast() const { return isLast_; }
    void SetIsLast(bool value) { isLast_ = value; }
    long ParentMenuId() const { return parentMenuId_; }
    void SetParentMenuId(long value) { parentMenuId_ = value; }
    long MenuId() const { return menuId_; }
    void SetMenuId(long value) { menuId_ = value; }
    HWND OwnerWindow() const { return owner_; }
    void SetOwnerWindow(HWND window) { owner_ = window; }
    bool Disabled() const { return disabled_; }
    void SetDisabled(bool value) { disabled_ = value; }
    bool IsTopLevel() const { return isTopLevel_; }
    void SetIsTopLevel(bool value) { isTopLevel_ = value; }
    bool HasSubMenus() const { return hasSubMenus_; }
    void SetHasSubMenus(bool value) { hasSubMenus_ = value; }
    bool IsSeparator() const { return isSeparator_; }
    void SetIsSeparator(bool value) { isSeparator_ = value; }

private:
    long position_ = 0;
    bool isFirst_ = false;
    bool isLast_ = false;
    long parentMenuId_ = 0;
    long menuId_ = 0;
    HWND owner_ = nullptr;
    bool disabled_ = false;
    bool isTopLevel_ = false;
    bool hasSubMenus_ = false;
    bool isSeparator_ = false;
};

}  // namespace brocade
