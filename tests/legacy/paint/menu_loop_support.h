// A form with the control core attached, whose popups run the system's real menu loop, and a
// picture of the open popup taken from the screen.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "control/control.h"
#include "control/control_site.h"
#include "render/render_test_support.h"

namespace paint_test {

// Stands in for the container: run mode, no ambient font, the drawing events handed to
// optional handlers and counted.
class PaintSite final : public brocade::ControlSite {
public:
    HWND container = nullptr;
    std::function<void(brocade::MenuItemRecord &)> onSetMenuItemAttributes;
    std::function<void(brocade::MenuItemRecord &, HDC, bool, long, long, brocade::Boolean &)> onDrawMenuItem;
    std::function<void(brocade::MenuItemRecord &, HDC, bool, long, long, long, brocade::Boolean &)> onDrawMenuItemEx;
    int drawMenuItem = 0;
    int drawMenuItemEx = 0;

    bool AmbientUserMode() override { return true; }
    bool AmbientRightToLeft() override { return false; }
    IFontDisp *AmbientFont() override { return nullptr; }
    HWND ContainerWindow() override { return container; }
    void KeepAlive() override {}
    void LetGo() override {}
    void PropertyChanged(DISPID) override {}
    void FireSetMenuItemAttributes(brocade::MenuItemRecord &record) override {
        if (onSetMenuItemAttributes) onSetMenuItemAttributes(record);
    }
    void FireSetMenuItemSize(brocade::MenuItemRecord &, long &, long &) override {}
    void FireShowMenuHelp(brocade::MenuItemRecord &, std::string &) override {}
    void FireClearMenuHelp() override {}
    void FireDrawMenuItem(brocade::MenuItemRecord &record, HDC dc, bool selected, long cx, long cy,
                          brocade::Boolean &userDrawn) override {
        ++drawMenuItem;
        if (onDrawMenuItem) onDrawMenuItem(record, dc, selected, cx, cy, userDrawn);
    }
    void FireDrawMenuItemEx(brocade::MenuItemRecord &record, HDC dc, bool selected, long cx, long cy, long stage,
                            brocade::Boolean &doDefault) override {
        ++drawMenuItemEx;
        if (onDrawMenuItemEx) onDrawMenuItemEx(record, dc, selected, cx, cy, stage, doDefault);
    }
};

// What the screen showed of the open popup.
struct PopupPicture {
    std::unique_ptr<brocade_test::Surface> pixels;  // the popup window, from its top-left corner
    std::vector<RECT> items;                        // item rectangles in the same coordinates
    // CLR_INVALID outside the picture.
    COLORREF At(int item, int x, int y) const;
    int Width(int item) const { return items[item].right - items[item].left; }
    int Height(int item) const { return items[item].bottom - items[item].top; }
};

class LoopForm {
public:
    LoopForm();
    ~LoopForm();
    LoopForm(const LoopForm &) = delete;
    LoopForm &operator=(const LoopForm &) = delete;

    brocade::Control &Core() { return *control_; }
    PaintSite site;
    HWND Handle() const { return form_; }

    // Opens popup, moves the selection down `downs` times, takes the popup from the screen and
    // closes it. An empty picture when the popup could not be found.
    PopupPicture TrackAndCapture(HMENU popup, int downs);

private:
    HWND form_ = nullptr;
    std::unique_ptr<brocade::Control> control_;
};

}  // namespace paint_test
