#include "form_events.h"

#include <commctrl.h>
#include <olectl.h>

#include "common/com_ptr.h"
#include "demo_menus.h"

namespace brocade::demo {

namespace {

long MenuIdOf(_CMenuItem *item) {
    long id = 0;
    item->get_MenuId(&id);
    return id;
}

void StyleCaptionFont(_CMenuItem *item, long command) {
    if (command != kCmdBold && command != kCmdItalic && command != kCmdUnderline) return;
    ComPtr<IFontDisp> fontDisp;
    if (FAILED(item->get_CaptionFont(fontDisp.Out())) || !fontDisp) return;
    ComPtr<IFont> font = fontDisp.As<IFont>(IID_IFont);
    if (!font) return;
    if (command == kCmdBold) font->put_Bold(TRUE);
    if (command == kCmdItalic) font->put_Italic(TRUE);
    if (command == kCmdUnderline) font->put_Underline(TRUE);
}

bool IsEmpty(BSTR text) { return !text || SysStringLen(text) == 0; }

// A marked Unicode caption starts with the bytes FF FE (or FE FF), which reach automation as
// the characters U+00FF U+00FE.
bool HasUnicodeMark(_CMenuItem *item) {
    BSTR caption = nullptr;
    item->get_Caption(&caption);
    bool marked = caption && SysStringLen(caption) >= 2 &&
                  ((caption[0] == 0xFF && caption[1] == 0xFE) || (caption[0] == 0xFE && caption[1] == 0xFF));
    SysFreeString(caption);
    return marked;
}

}  // namespace

void FormEvents::OnSetMenuItemAttributes(_CMenuItem *item) {
    long command = MenuIdOf(item);
    StyleCaptionFont(item, command);
    // With Unicode on, the control reads every caption as UTF-16; the demo's menus mix marked
    // Japanese captions with plain ones (the Style menu), which stay ANSI.
    if (!HasUnicodeMark(item)) item->put_Unicode(0);
    // The control has put the item's default help into its tooltip; the demo's own commands
    // have none and get a description.
    BSTR tooltip = nullptr;
    item->get_TooltTipText(&tooltip);
    bool described = !IsEmpty(tooltip);
    SysFreeString(tooltip);
    std::wstring hint = CommandHint(static_cast<UINT>(command));
    if (described || hint.empty()) return;
    tooltip = SysAllocString(hint.c_str());
    item->put_TooltTipText(&tooltip);
    SysFreeString(tooltip);
}

void FormEvents::OnShowMenuHelp(_CMenuItem *item, BSTR *helpMessage) {
    if (!IsEmpty(*helpMessage)) return;
    // The status bar help is looked up by the upper-cased caption, which does not survive for
    // a marked Unicode caption (its mark bytes change case); the tooltip was looked up by the
    // whole caption and holds the language's default help. Its text comes back unchanged.
    BSTR tooltip = nullptr;
    item->get_TooltTipText(&tooltip);
    if (!IsEmpty(tooltip)) {
        SysFreeString(*helpMessage);
        *helpMessage = tooltip;
        return;
    }
    SysFreeString(tooltip);
    std::wstring hint = CommandHint(static_cast<UINT>(MenuIdOf(item)));
    if (!hint.empty()) SysReAllocString(helpMessage, hint.c_str());
}

void FormEvents::OnClearMenuHelp() {
    if (statusBar_) SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
}

}  // namespace brocade::demo
