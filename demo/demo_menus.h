// The demo's menu bar: the usual application commands, a Style menu that switches the
// control's look, and the same bar with Japanese captions.
#pragma once
#include <windows.h>

#include <string>

namespace brocade::demo {

enum class MenuLanguage { English, Japanese };

// Positions of the menu bar titles.
enum MenuTitle : int { kFileMenu, kEditMenu, kViewMenu, kFormatMenu, kStyleMenu, kWindowMenu, kHelpMenu };

// Command identifiers. Style commands carry the property value in their low digits.
enum Command : UINT {
    kCmdNew = 100, kCmdOpen, kCmdSave, kCmdSaveAs, kCmdPrintPreview, kCmdPrint, kCmdExit,
    kCmdUndo = 200, kCmdCut, kCmdCopy, kCmdPaste, kCmdDelete, kCmdSelectAll, kCmdFind, kCmdReplace,
    kCmdToolbar = 300, kCmdStatusBar, kCmdZoomIn, kCmdZoomOut, kCmdFullScreen, kCmdRefresh,
    kCmdFont = 400, kCmdBold, kCmdItalic, kCmdUnderline,
    kCmdMdiDemo = 500, kCmdCascade, kCmdTileHorizontally, kCmdTileVertically, kCmdArrangeIcons,
    kCmdContents = 600, kCmdIndex, kCmdSearch, kCmdAbout,
    kCmdHighlightStyleBase = 2000,  // + bdHighlight value (0..10)
    kCmdBorderBase = 2100,          // + bdBorder value (0..2)
    kCmdAppearanceBase = 2200,      // + bdHighlightAppearance value (0..4)
    kCmdIconSetBase = 2300,         // + bdMenuIconSet value (0, 1, 16, 17, 18)
    kCmdLanguageBase = 2400,        // + bdLanguage value
    kCmdCustomColors = 2500, kCmdBackgroundPicture, kCmdRightToLeft,
};

// MDI children get identifiers from here on in the Window menu.
constexpr UINT kFirstMdiChild = 5000;

// Builds a new menu bar. The caller owns it (SetMenu hands it to a window).
HMENU BuildMenuBar(MenuLanguage language);

// The popup under a menu bar title.
HMENU TitlePopup(HMENU bar, MenuTitle title);

// A short description of a command, used for tooltips and as help where the control has no
// default text; empty for unknown commands.
std::wstring CommandHint(UINT command);

// The bytes of a caption as a marked Unicode caption (FF FE, then UTF-16LE code units); empty
// when a code unit holds a zero byte or a tab byte, which an ANSI menu text cannot carry.
std::string MarkedUnicodeCaption(const std::wstring &caption);

}  // namespace brocade::demo
