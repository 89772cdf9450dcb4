// What the help and tooltip tests share: a form with status bars (children of the given classes,
// there before the control attaches) and one popup of the given items (commands 100, 101, ...),
// the control hosted on it with a site and a connected sink, and the menu messages the form gets
// from an open menu. The events are logged as "Show:<caption>:<help>" and "Clear".
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <map>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"

namespace brocade_test {

struct HelpForm {
    explicit HelpForm(std::initializer_list<const char *> items, std::vector<const char *> barClasses = {STATUSCLASSNAMEA},
                      FormOptions options = {})
        : form(options), bars([&] {
              std::vector<HWND> made;
              for (const char *name : barClasses)
                  made.push_back(CreateWindowExA(0, name, "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 20, form, nullptr, nullptr, nullptr));
              return made;
          }()),
          menu(form.AddPopup("&File", items)), control(HostedControl::WithSite(form)) {
        sink.Connect(control);
        // The host gives the items in tips their tooltip texts.
        sink.onSetMenuItemAttributes = [this](_CMenuItem *item) {
            auto tip = tips.find(sink.events.back().caption);
            BSTR text = tip == tips.end() ? nullptr : SysAllocString(tip->second);
            if (text) item->put_TooltTipText(&text), SysFreeString(text);
        };
        sink.onShowMenuHelp = [this](_CMenuItem *, BSTR *help) {
            log.push_back(L"Show:" + sink.events.back().caption + L":" + (offered = *help ? *help : L""));
            if (hostText) SysReAllocString(help, hostText);
        };
        sink.onClearMenuHelp = [this] { log.push_back(L"Clear"); };
    }
    // As the menu loop opens the popup: the control scans it and converts its items.
    void Scan() { SendMessageW(form, WM_ENTERMENULOOP, FALSE, 0), SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0); }
    void Select(UINT id, UINT flags, HMENU in) { SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(id, flags), reinterpret_cast<LPARAM>(in)); }
    void Select(UINT id, UINT flags) { Select(id, flags, menu); }
    void CloseMenu() { SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); }
    // The help ShowMenuHelp offers for the item of this command, selected from the keyboard.
    std::wstring OfferedHelp(UINT id) {
        offered = L"<no ShowMenuHelp>";
        Select(id, MF_HILITE);
        return offered;
    }

    Form form;
    std::vector<HWND> bars;
    HMENU menu;
    HostedControl control;
    EventSink sink;
    std::map<std::wstring, const wchar_t *> tips;  // tooltip texts by caption
    std::vector<std::wstring> log;
    std::wstring offered;
    const wchar_t *hostText = nullptr;  // what the host's ShowMenuHelp handler leaves, when set
};

// Part 0 of a status bar: its window text.
inline std::wstring StatusText(HWND bar) {
    wchar_t text[1024] = L"";
    return GetWindowTextW(bar, text, 1024), text;
}

}  // namespace brocade_test
