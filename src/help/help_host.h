// Everything the help and tooltip handling reads from the control. The
// control implements it; the help subsystem knows nothing else of the control.
#pragma once
#include <windows.h>

#include <string>

#include "menu/menu_item.h"

namespace brocade {

class CTooltip;

class HelpHost {
public:
    // --- Properties of the control ----------------------------------------------------------
    // The reads of properties only read: they do not fail.
    virtual bool HelpAutoShowHelp() = 0;
    virtual bool HelpShowTooltipTitle() = 0;
    // The bdTooltipStyle value as stored (any value but bdBalloon means rectangle).
    virtual long HelpTooltipStyle() = 0;
    // The read values (custom or default, as RGB) of the tooltip background and text colours.
    virtual COLORREF HelpTooltipBackColor() = 0;
    virtual COLORREF HelpTooltipTextColor() = 0;
    // TooltipAutopopDelay, TooltipInitialDelay, TooltipReshowDelay (-1: the window's default).
    virtual short HelpTooltipAutopopDelay() = 0;
    virtual short HelpTooltipInitialDelay() = 0;
    virtual short HelpTooltipReshowDelay() = 0;
    // The effective bdLanguage value (never Auto).
    virtual long HelpLanguage() = 0;

    // --- Windows ---------------------------------------------------------------------------
    // The status bar found at attachment; null when there is none.
    virtual HWND HelpStatusBar() = 0;

    // --- Records and help texts ---------------------------------------------------------------
    // The record stored under a MenuItemKey; null when there is none.
    virtual RecordPtr HelpMenuItemBySerial(long serial) = 0;
    // The host's help message for the text, else the built-in one (MenuScanner::FindHelpMessage).
    virtual std::string HelpFindHelpMessage(const std::string &text, long language, bool unicode) = 0;

    // --- Tooltip -----------------------------------------------------------------------------
    // The control's tooltip; null when it has none.
    virtual CTooltip *HelpTooltip() = 0;
    // The window the control answers to the tooltip's TTM_WINDOWFROMPOINT; null for none.
    virtual void SetTooltipAnchorWindow(HWND window) = 0;

protected:
    ~HelpHost() = default;
};

}  // namespace brocade
