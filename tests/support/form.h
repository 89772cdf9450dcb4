// A real form window of the test's own: its own window procedure, a menu bar built from a short
// description, an optional status bar, and an MDI variant.
#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

namespace brocade_test {

struct FormOptions {
    bool visible = false;    // shown and brought to the foreground (real menus, focus)
    bool statusBar = false;  // a "msctls_statusbar32" child, there before any control attaches
    bool mdiFrame = false;   // an MDI frame with an MDIClient child
};

class Form {
public:
    explicit Form(FormOptions options = {});
    // An MDI child of frame (a form made with mdiFrame).
    Form(Form &frame, const wchar_t *title);
    ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    HWND Handle() const { return window_; }
    operator HWND() const { return window_; }
    HWND StatusBar() const { return statusBar_; }
    HWND MdiClient() const { return mdiClient_; }
    // The procedure the form's window class has, before anyone subclasses it.
    static WNDPROC OwnProcedure();

    // Appends a popup to parent (when null, the menu bar of a form that is no MDI child, made on
    // first use) and returns it. Items are ANSI texts ("&Open\tCtrl+O"); "-" is a separator. Items take command ids
    // 100, 101, ... in the order they are added to this form; separators take none.
    HMENU AddPopup(const char *title, std::initializer_list<const char *> items, HMENU parent = nullptr);
    // A context menu of the same kind, attached to nothing; destroyed with the form.
    HMENU MakePopup(std::initializer_list<const char *> items);

    // Every message the form's own procedure received, in order (after any subclass).
    struct Message {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> received;
    int Count(UINT msg) const;
    // The test's own handling: return true to answer the message with result.
    std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT &result)> onMessage;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr, statusBar_ = nullptr, mdiClient_ = nullptr;
    bool mdiChild_ = false;
    UINT nextId_ = 100;
    std::vector<HMENU> loose_;
};

}  // namespace brocade_test
