// What the demo's forms do with the control's events: per-item fonts and tooltips when an
// item is prepared, help for the status bar when one is selected.
#pragma once
#include <windows.h>

#include "event_sink.h"

namespace brocade::demo {

class FormEvents : public EventHandler {
public:
    void SetStatusBar(HWND statusBar) { statusBar_ = statusBar; }

    // Format > Bold, Italic and Underline show in their own font; every command gets a tooltip.
    void OnSetMenuItemAttributes(_CMenuItem *item) override;
    // Commands without a default help text get the demo's own description.
    void OnShowMenuHelp(_CMenuItem *item, BSTR *helpMessage) override;
    // The control has emptied the status bar.
    void OnClearMenuHelp() override;

private:
    HWND statusBar_ = nullptr;
};

}  // namespace brocade::demo
