// Everything the menu scan reads from the control. The control
// implements it; the scan knows nothing else of the control.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "common/com_ptr.h"

namespace brocade {

class ScanHost {
public:
    // --- Properties of the control ----------------------------------------------------------
    // The reads of properties and windows only read: they do not fail.
    virtual bool ScanEnabled() = 0;
    virtual bool ScanUnicode() = 0;
    virtual bool ScanRightToLeft() = 0;
    // The effective bdLanguage value (never Auto).
    virtual long ScanLanguage() = 0;
    virtual bool ScanUseCustomColors() = 0;
    virtual long ScanMenuIconSet() = 0;
    // The solid brush of the custom MenuBarBackground, or null when the control has none.
    virtual HBRUSH MenuBarBackgroundBrush() = 0;

    // --- Windows ---------------------------------------------------------------------------
    // The host form's window, whose system menu is rewritten as plain strings first.
    virtual HWND HostFormWindow() = 0;
    // The control's own window: the owner recorded for menu-bar items.
    virtual HWND ControlOwnWindow() = 0;

    // --- Fonts -----------------------------------------------------------------------------
    // GetMenuCaptionFont / GetMenuShortcutFont: the font set by the host, else the system menu font.
    virtual ComPtr<IFontDisp> MenuCaptionFont() = 0;
    virtual ComPtr<IFontDisp> MenuShortcutFont() = 0;
    // Rebuilds the cached system menu font, so it follows changes of the system settings.
    virtual void RebuildSystemMenuFont() = 0;

    // --- Help ------------------------------------------------------------------------------
    // The host's help message under the text (keys compare without regard to case), or "".
    virtual std::string UserHelpMessage(const std::string &text) = 0;
    // The built-in help text of a menu text (cleaned by the look-up) in the language, falling
    // back to English; "" when there is none.
    virtual std::string DefaultHelpText(const std::string &text, long language) = 0;
    // Makes the language's built-in help texts available.
    virtual void LoadLanguageHelp(long language) = 0;

    // --- Pictures --------------------------------------------------------------------------
    // The host's image list (any automation object with ListImages), or null.
    virtual ComPtr<IDispatch> ImageListObject() = 0;
    // The built-in picture of a caption, or null.
    virtual ComPtr<IPictureDisp> DefaultPictureFor(const std::string &caption, bool convert, long language,
                                                   long iconSet) = 0;

protected:
    ~ScanHost() = default;
};

}  // namespace brocade
