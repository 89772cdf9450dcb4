// A host form for long runs of the control: a menu bar, a 30-item popup, a status bar and
// help texts, with the control attached; and the menu cycles the soak repeats. The soak
// benchmark builds this file into itself too, so it needs nothing but the control core.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "control/control.h"
#include "control/control_site.h"

namespace brocade_test {

// Stands in for the container: run mode, no ambient font, events counted.
class SoakSite final : public brocade::ControlSite {
public:
    HWND container = nullptr;
    int showMenuHelp = 0;
    int clearMenuHelp = 0;
    int setMenuItemAttributes = 0;
    int setMenuItemSize = 0;

    bool AmbientUserMode() override { return true; }
    bool AmbientRightToLeft() override { return false; }
    IFontDisp *AmbientFont() override { return nullptr; }
    HWND ContainerWindow() override { return container; }
    void KeepAlive() override {}
    void LetGo() override {}
    void PropertyChanged(DISPID) override {}
    void FireSetMenuItemAttributes(brocade::MenuItemRecord &) override { ++setMenuItemAttributes; }
    void FireSetMenuItemSize(brocade::MenuItemRecord &, long &, long &) override { ++setMenuItemSize; }
    void FireShowMenuHelp(brocade::MenuItemRecord &, std::string &) override { ++showMenuHelp; }
    void FireClearMenuHelp() override { ++clearMenuHelp; }
    void FireDrawMenuItem(brocade::MenuItemRecord &, HDC, bool, long, long, brocade::Boolean &) override {}
    void FireDrawMenuItemEx(brocade::MenuItemRecord &, HDC, bool, long, long, long, brocade::Boolean &) override {}
};

// What the control holds besides GDI objects; a soak leaves each as it found it.
struct HeldCollections {
    size_t records = 0;
    size_t helpMessages = 0;
    size_t registeredWindows = 0;
    long tooltipTools = 0;
    bool operator==(const HeldCollections &other) const {
        return records == other.records && helpMessages == other.helpMessages &&
               registeredWindows == other.registeredWindows && tooltipTools == other.tooltipTools;
    }
};

// A menu bar of three titles whose first opens a 30-item popup (captions with mnemonics,
// shortcuts and dots, three separators, checked and grayed items).
HMENU BuildSoakMenuBar();
// A top-level window of the popup's size that stands for the popup window: the synthesized
// cycles paint into its DC. Test windows stay hidden: without a window manager, Wine waits
// two seconds for every visible top-level window it destroys.
HWND CreatePopupStandIn();

// One drop-down menu as the system runs it, sent to the form: the loop is entered, the menu
// bar and the popup initialised, every item measured and drawn, then each item selected with
// the mouse (help written, tooltip shown) and drawn highlighted, and the menu closed.
void SendPopupCycle(HWND form, HMENU popup, HWND surface);
// The same for the menu bar's titles, drawn into the form's window DC.
void SendMenuBarCycle(HWND form);
// The popup opened by the system's own menu loop (TrackPopupMenu) for the form, every item
// selected with the keyboard, then closed; false when the loop did not run.
bool RunRealPopupCycle(HWND form, HMENU popup);
// Whether a popup menu window of the calling thread is on screen.
bool PopupShownByThisThread();
// Once the owner's popup shows, moves down through it (downs key presses) and leaves it with
// Escape.
void WalkPopupOnceItShows(HWND owner, int downs);

class SoakHost {
public:
    static constexpr int kPopupItems = 30;
    static constexpr int kHighlightStyles = 11;  // bdPlain .. bdOffice2003
    static constexpr int kBorders = 3;           // Normal, Flat, Flat with Shadow

    SoakHost();
    ~SoakHost();
    SoakHost(const SoakHost &) = delete;
    SoakHost &operator=(const SoakHost &) = delete;

    brocade::Control &Core() { return *control_; }
    SoakSite &Site() { return site_; }
    HWND Form() const { return form_; }
    HMENU MenuBar() const { return bar_; }
    HMENU Popup() const { return popup_; }
    HWND StatusBar() const { return statusBar_; }
    HeldCollections Collections();

    // The style and border of a cycle number: every combination in turn.
    void UseCombination(int cycle);

    void PopupCycle() { SendPopupCycle(form_, popup_, popupStandIn_); }
    void MenuBarCycle() { SendMenuBarCycle(form_); }
    bool RealPopupCycle() { return RunRealPopupCycle(form_, popup_); }

    // The status bar's text.
    std::wstring StatusText() const;

private:
    SoakSite site_;
    HWND form_ = nullptr;
    HWND statusBar_ = nullptr;
    HWND popupStandIn_ = nullptr;  // receives the popup's item painting
    HMENU bar_ = nullptr;
    HMENU popup_ = nullptr;
    std::unique_ptr<brocade::Control> control_;
};

}  // namespace brocade_test
