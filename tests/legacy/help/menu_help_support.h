// Stand-ins for the control's side of the help subsystem and for a host form (a real window
// with a real status bar), and menus whose items carry record serials as item data, the way
// converted items do.
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <memory>
#include <string>
#include <vector>

#include "control/enums.h"
#include "help/default_help.h"
#include "help/help_host.h"
#include "help/help_messages.h"
#include "help/menu_selection_help.h"
#include "help/tooltip.h"
#include "menu/menu_item.h"
#include "subclass/subclass_listener.h"

namespace help_test {

using brocade::RecordPtr;

// A form window. statusBarClass names the class of its status bar child (null for none); the
// classes other than "msctls_statusbar32" are the host runtime's own and are stood in for by
// plain windows. WM_MENUSELECT goes to the help handler given, as the control's listener does.
// A shown form is made the active window, for menu loops and tooltips to appear; it is
// borderless, since there is no window manager to give it a frame. (Wine takes about 2 s to
// destroy a shown top-level window here, so forms stay hidden unless a test needs them shown.)
class TestForm {
public:
    enum Visibility { kHidden, kShown };
    explicit TestForm(const char *statusBarClass = "msctls_statusbar32", Visibility visibility = kHidden);
    ~TestForm();
    TestForm(const TestForm &) = delete;
    TestForm &operator=(const TestForm &) = delete;

    HWND Handle() const { return window_; }
    HWND StatusBar() const { return statusBar_; }
    // A further child of the class (a plain window unless it is the common-controls bar).
    HWND AddChild(const char *className);
    void DestroyStatusBar();
    void SetMenuHelp(brocade::MenuSelectionHelp *help) { menuHelp_ = help; }

    // WM_MENUSELECT as the menu loop sends it.
    void Select(HMENU menu, UINT id, UINT flags);
    void SelectWithMouse(HMENU menu, UINT id) { Select(menu, id, MF_MOUSESELECT); }
    void CloseMenu();

    std::string StatusText(int part = 0) const;
    std::wstring StatusTextW(int part = 0) const;

    // Runs the system's menu loop on the popup at (150, 150), with the cursor on the form beside
    // it; every intervalMs the next step runs, and after the last one the menu is closed.
    void Track(HMENU popup, std::vector<std::function<void()>> steps, UINT intervalMs = 100);

private:
    HWND window_ = nullptr;
    HWND statusBar_ = nullptr;
    brocade::MenuSelectionHelp *menuHelp_ = nullptr;
    std::vector<std::function<void()>> steps_;
    size_t nextStep_ = 0;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void CALLBACK StepTimer(HWND window, UINT, UINT_PTR, DWORD);
};

// Answers the tooltip's TTM_WINDOWFROMPOINT with the anchor, as the control's listener does.
class AnchorListener : public brocade::cSubclassListener {
public:
    HWND anchor = nullptr;
    int queries = 0;
    LRESULT WindowMsgListener(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                              brocade::Boolean &bRouteToOriginal) override;
};

// The control's side, every answer a public field.
class TestHelpHost final : public brocade::HelpHost {
public:
    TestHelpHost();
    ~TestHelpHost();

    bool autoShowHelp = true;
    bool showTootipTitle = false;
    long tootipStyle = brocade::kBalloon;
    COLORREF tooltipBackColor = RGB(255, 255, 225);
    COLORREF tooltipTextColor = RGB(0, 0, 0);
    short autopopDelay = -1;
    short initialDelay = -1;
    short reshowDelay = -1;
    long language = brocade::kEnglish;
    HWND statusBar = nullptr;
    std::map<std::string, RecordPtr> records;  // by MenuItemKey
    brocade::HelpMessageTable messages;
    brocade::DefaultHelp defaultHelp;
    std::unique_ptr<brocade::CTooltip> tooltip;
    AnchorListener listener;
    // Makes every answer and event of the host throw, as a failing event handler would.
    bool failEverything = false;

    // What the events delivered, in order: "Show:<caption>:<text>" and "Clear".
    std::vector<std::string> events;
    std::function<void(brocade::MenuItemRecord &, std::string &)> onShowMenuHelp;
    std::vector<HWND> anchorsSet;
    std::vector<long> toolCountsAtShow;

    // Makes the tooltip for the window, as the control does when it attaches.
    bool CreateTooltip(HWND hostWindow);
    // A record as the scan leaves it, stored under its key.
    RecordPtr AddRecord(long serial, const std::string &menuText, const std::string &tooltipText = "",
                        long recordLanguage = brocade::kEnglish);
    int Count(const std::string &prefix) const;

    bool HelpAutoShowHelp() override { return Checked(autoShowHelp); }
    bool HelpShowTootipTitle() override { return Checked(showTootipTitle); }
    long HelpTootipStyle() override { return Checked(tootipStyle); }
    COLORREF HelpTooltipBackColor() override { return Checked(tooltipBackColor); }
    COLORREF HelpTooltipTextColor() override { return Checked(tooltipTextColor); }
    short HelpTooltipAutopopDelay() override { return Checked(autopopDelay); }
    short HelpTooltipInitialDelay() override { return Checked(initialDelay); }
    short HelpTooltipReshowDelay() override { return Checked(reshowDelay); }
    long HelpLanguage() override { return Checked(language); }
    HWND HelpStatusBar() override { return Checked(statusBar); }
    RecordPtr HelpMenuItemByKey(const std::string &key) override;
    std::string HelpFindHelpMessage(const std::string &text, long language, bool unicode) override;
    brocade::CTooltip *HelpTooltip() override { return Checked(tooltip.get()); }
    void SetTooltipAnchorWindow(HWND window) override;
    void RaiseShowMenuHelp(brocade::MenuItemRecord &record, std::string &text) override;
    void RaiseClearMenuHelp() override;

private:
    template <class T>
    T Checked(T answer) const {
        if (failEverything) throw std::runtime_error("host failed");
        return answer;
    }
};

// A popup menu whose items carry the given serials as item data.
class ConvertedMenu {
public:
    ConvertedMenu();
    ~ConvertedMenu();
    ConvertedMenu(const ConvertedMenu &) = delete;
    ConvertedMenu &operator=(const ConvertedMenu &) = delete;

    HMENU Handle() const { return menu_; }
    void AddItem(UINT id, const std::string &text, long serial);
    void AddSeparator(long serial);
    // An item opening a submenu; returns the submenu (owned by this menu).
    HMENU AddSubmenu(const std::string &text, long serial);

private:
    HMENU menu_;
};

// The text of the tooltip's first tool, as far as the window hands it out (1023 characters).
std::string FirstToolText(HWND tooltip);

// Records the messages of one kind a window receives, ahead of its own procedure (one log at a
// time). Texts sent with them are copied as they arrive.
class MessageLog {
public:
    MessageLog(HWND window, UINT message);
    ~MessageLog();
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    struct Received {
        WPARAM wParam;
        LPARAM lParam;
        std::string text;  // lParam read as an ANSI string, when asked for
    };
    std::vector<Received> received;
    bool lParamIsText = false;

private:
    HWND window_;
    UINT message_;
    WNDPROC original_;
    static MessageLog *active_;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace help_test
