// A host for the control core without COM: a form window with a container child, and a
// ControlSite that answers for the container.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "control/control.h"

namespace brocade_test {

// Counts the messages a window's own procedure receives.
struct MessageLog {
    std::vector<UINT> messages;
    int Count(UINT msg) const;
};

// Creates a top-level form (with a menu bar) whose own procedure logs into log.
HWND CreateForm(MessageLog *log, const wchar_t *title = L"form", DWORD exStyle = 0);
// A child window standing for the container's site window.
HWND CreateContainer(HWND parent);

class TestSite final : public brocade::ControlSite {
public:
    HWND container = nullptr;
    bool userMode = true;
    bool rightToLeft = false;
    bool listening = true;  // whether the host has event handlers
    std::vector<DISPID> changed;
    int clearMenuHelp = 0;
    int keepAlive = 0;

    bool AmbientUserMode() override { return userMode; }
    bool AmbientRightToLeft() override { return rightToLeft; }
    bool HasEventHandlers() override { return listening; }
    IFontDisp *AmbientFont() override { return nullptr; }
    HWND ContainerWindow() override { return container; }
    void KeepAlive() override { ++keepAlive; }
    void LetGo() override { --keepAlive; }
    void PropertyChanged(DISPID id) override { changed.push_back(id); }
    void FireSetMenuItemAttributes(brocade::MenuItemRecord &) override { ++setMenuItemAttributes; }
    void FireShowMenuHelp(brocade::MenuItemRecord &, std::string &) override { ++showMenuHelp; }
    void FireSetMenuItemSize(brocade::MenuItemRecord &, long &, long &) override { ++setMenuItemSize; }
    int setMenuItemSize = 0;
    void FireClearMenuHelp() override { ++clearMenuHelp; }
    void FireDrawMenuItem(brocade::MenuItemRecord &, HDC, bool, long, long, brocade::Boolean &) override {
        ++drawMenuItem;
    }
    void FireDrawMenuItemEx(brocade::MenuItemRecord &, HDC, bool, long, long, long, brocade::Boolean &) override {
        ++drawMenuItemEx;
    }
    int drawMenuItem = 0;
    int drawMenuItemEx = 0;
    int showMenuHelp = 0;
    int setMenuItemAttributes = 0;
};

// A control attached (new instance) to a container inside the given form.
struct HostedControl {
    TestSite site;
    std::unique_ptr<brocade::Control> control;
    explicit HostedControl(HWND form, bool userMode = true);
};

WNDPROC ProcedureOf(HWND window);

}  // namespace brocade_test
