// Real menu loops run by the system over a form the control is on: the popup window ("#32768")
// on the screen shows the control's highlight and frame, and the keyboard's selection reaches
// the host's sink and the status bar.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "gdi.h"
#include "support/event_sink.h"
#include "support/form.h"
#include "support/hosted_control.h"
#include "support/menus.h"

using namespace brocade_test;

namespace {

constexpr COLORREF kBack = RGB(250, 240, 200), kHigh = RGB(0, 100, 0), kPen = RGB(200, 20, 120);
constexpr COLORREF kBehind = RGB(90, 140, 210);
// The shadow over kBehind: 0.8 of it, and 0.8 of its mean with kBack (exact in whole numbers).
constexpr COLORREF kInnerShadow = RGB(72, 112, 168), kOuterShadow = RGB(136, 152, 164);
constexpr long kNormal = 0, kFlat = 1, kFlatWithShadow = 2;

struct Loop {
    const char *name;
    bool menuBar;  // opened with F10, Down; else TrackPopupMenu
    long border;
};

class RealLoop : public testing::TestWithParam<Loop> {};

RECT InWindow(HWND popup, HMENU menu, UINT position) {
    RECT item = {}, frame = {};
    GetMenuItemRect(nullptr, menu, position, &item);
    GetWindowRect(popup, &frame);
    OffsetRect(&item, -frame.left, -frame.top);
    return item;
}

bool OwnerDrawn(HMENU menu, UINT position) {
    MENUITEMINFOW info = {sizeof info, MIIM_FTYPE};
    return GetMenuItemInfoW(menu, position, TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}

}  // namespace

TEST_P(RealLoop, ThePopupOnTheScreenShowsTheStyleAndFrameAndTheSelectionsHelpReachesTheHost) {
    const Loop &loop = GetParam();
    Form form(FormOptions{true, true});
    brocade::UniqueBrush behind(CreateSolidBrush(kBehind));  // what the shadow darkens
    form.onMessage = [&](UINT msg, WPARAM wParam, LPARAM, LRESULT &result) {
        if (msg != WM_ERASEBKGND) return false;
        RECT all;
        GetClientRect(form, &all);
        FillRect(reinterpret_cast<HDC>(wParam), &all, behind.Get());
        return result = 1, true;
    };
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "&Save", "-", "E&xit"});
    RedrawWindow(form, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HostedControl control = HostedControl::InAtl(form);
    ASSERT_TRUE(control);
    EventSink sink;
    ASSERT_TRUE(sink.Connect(control));
    const std::pair<const wchar_t *, Variant> properties[] = {
        {L"UseCustomColors", true}, {L"HighlightStyle", 0},        {L"MenuBackground", kBack},
        {L"MenuHighlight", kHigh},  {L"MenuHighlightBorder", kPen}, {L"MenuBorder", loop.border}};
    for (const auto &[name, value] : properties) ASSERT_EQ(Put(control, name, value).hr, S_OK) << name;

    Surface shot;
    RECT open = {}, save = {};
    char status[256] = "";
    bool pressed = loop.menuBar;  // F10, Down selects the first item itself
    const WhileOpen whileOpen = [&](HWND popup) {
        if (!std::exchange(pressed, true)) PressKeys({VK_DOWN});
        const std::vector<std::wstring> helped = sink.Captions(kShowMenuHelp);
        if (helped.empty() || helped.back() != L"&Open") return false;
        SendMessageA(form.StatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
        shot = WindowPixels(popup), open = InWindow(popup, file, 0), save = InWindow(popup, file, 1);
        return true;
    };
    ASSERT_TRUE(loop.menuBar ? WithOpenMenuBar(form, whileOpen) : WithOpenPopup(form, file, 120, 140, whileOpen));

    for (UINT i = 0; i < 4; ++i) EXPECT_TRUE(OwnerDrawn(file, i)) << "item " << i;
    if (loop.menuBar) {
        EXPECT_TRUE(OwnerDrawn(GetMenu(form), 0)) << "the bar's title";
    }
    const std::vector<std::wstring> scanned = sink.Captions(kSetMenuItemAttributes);
    for (const wchar_t *caption : {L"&Open", L"&Save", L"E&xit"})
        EXPECT_NE(std::find(scanned.begin(), scanned.end(), caption), scanned.end()) << "scanned " << caption;
    EXPECT_GT(strlen(status), 0u) << "AutoShowHelp writes the help of the selected item to part 0";
    EXPECT_GT(sink.Count(kClearMenuHelp), 0) << "the menu closed";

    const int w = shot.Width(), h = shot.Height(), x = open.right - 6;
    ASSERT_GT(w, 20);
    EXPECT_EQ(Hex(shot.At(x, (open.top + open.bottom) / 2)), Hex(kHigh)) << "the selected item's bar";
    EXPECT_EQ(Hex(shot.At(x, (save.top + save.bottom) / 2)), Hex(kBack)) << "the next item's background";
    if (loop.border == kNormal) {
        EXPECT_NE(Hex(shot.At(0, h / 2)), Hex(kPen)) << "the system's own frame stays";
        return;
    }
    EXPECT_EQ(Hex(shot.At(0, h / 2)), Hex(kPen)) << "left outline";
    EXPECT_EQ(Hex(shot.At(w / 2, 0)), Hex(kPen)) << "top outline";
    if (loop.border == kFlat) {
        EXPECT_EQ(Hex(shot.At(w - 1, h / 2)), Hex(kPen)) << "right outline";
        EXPECT_EQ(Hex(shot.At(w / 2, h - 1)), Hex(kPen)) << "bottom outline";
        return;
    }
    // The two outermost columns and rows are the shadow over the form, which starts two
    // pixels in from the corner.
    EXPECT_EQ(Hex(shot.At(w - 2, h / 2)), Hex(kInnerShadow)) << "right shadow, inner column";
    EXPECT_EQ(Hex(shot.At(w - 1, h / 2)), Hex(kOuterShadow)) << "right shadow, outer column";
    EXPECT_EQ(Hex(shot.At(w / 2, h - 2)), Hex(kInnerShadow)) << "bottom shadow, inner row";
    EXPECT_EQ(Hex(shot.At(w / 2, h - 1)), Hex(kOuterShadow)) << "bottom shadow, outer row";
    EXPECT_EQ(Hex(shot.At(w - 1, 1)), Hex(kBehind)) << "the right shadow starts two rows down";
    EXPECT_EQ(Hex(shot.At(1, h - 1)), Hex(kBehind)) << "the bottom shadow starts two columns in";
}

INSTANTIATE_TEST_SUITE_P(Loops, RealLoop,
                         testing::Values(Loop{"PopupNormal", false, kNormal}, Loop{"PopupFlat", false, kFlat},
                                         Loop{"PopupFlatWithShadow", false, kFlatWithShadow},
                                         Loop{"MenuBarNormal", true, kNormal},
                                         Loop{"MenuBarFlatWithShadow", true, kFlatWithShadow}),
                         [](const testing::TestParamInfo<Loop> &info) { return info.param.name; });
