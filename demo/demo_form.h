// The demo's form: a menu bar styled by the hosted control, a status bar for menu help, and a
// Style menu that switches the control's look. The same class makes the MDI variant: a frame
// with an MDI client, several documents and their list in the Window menu.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "common/gdi.h"
#include "control_host.h"
#include "demo_menus.h"
#include "form_events.h"
#include "style_settings.h"

namespace brocade::demo {

enum class FormKind { Single, MdiFrame };

// Sent to a form with an std::function<void()> * in lParam: runs it on the form's thread
// (the gallery drives the forms from a thread of its own).
constexpr UINT kRunOnFormThread = WM_APP + 1;

class DemoForm {
public:
    DemoForm(FormKind kind, bool quitOnClose) : kind_(kind), quitOnClose_(quitOnClose) {}
    ~DemoForm();
    DemoForm(const DemoForm &) = delete;
    DemoForm &operator=(const DemoForm &) = delete;

    // Creates the window (hidden) and hosts the control on it; false when the control could
    // not be created (not registered).
    bool Create(const RECT &bounds);
    void Show();
    HWND Window() const { return window_; }
    HWND StatusBar() const { return statusBar_; }
    HWND MdiClient() const { return mdiClient_; }
    _Brocade *Control() const { return host_.Control(); }
    const StyleSettings &Settings() const { return settings_; }
    // Switches the look; rebuilds the menu bar when the captions change language.
    void Apply(const StyleSettings &settings);
    // Keyboard shortcuts and MDI keys; true when the message was consumed.
    bool TranslateKeys(MSG &message);

    static WNDPROC WindowProcAddress();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnCommand(UINT command);
    void Layout();
    void Paint();
    void CreateDocuments();
    void SetMenuBar(HMENU bar);
    void ShowStatus(const std::wstring &text);
    void UseStatusFontFor(MenuLanguage captions);

    FormKind kind_;
    bool quitOnClose_;
    HWND window_ = nullptr;
    HWND statusBar_ = nullptr;
    HWND mdiClient_ = nullptr;
    HACCEL accelerators_ = nullptr;
    FormEvents events_;
    ControlHost host_{events_};
    StyleSettings settings_;
    MenuLanguage captions_ = MenuLanguage::English;
    HFONT statusDefaultFont_ = nullptr;
    UniqueFont statusJapaneseFont_;
    std::unique_ptr<DemoForm> mdiDemo_;
};

// Registers the window classes of the demo once per process.
void RegisterDemoClasses(HINSTANCE instance);

}  // namespace brocade::demo
