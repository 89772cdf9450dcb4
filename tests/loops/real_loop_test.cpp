// Real menu loops run by the system over a form the control is on: the popup window ("#32768")
// on the screen shows the control's highlight and frame, and the keyboard's selection reaches
// the host's sink and the status bar.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <tuple>
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

// The middle row of an item of the open popup, in the popup window's coordinates.
LONG MiddleRow(HWND popup, HMENU menu, UINT position) {
    RECT item = {}, frame = {};
    GetMenuItemRect(nullptr, menu, position, &item);
    GetWindowRect(popup, &frame);
    return (item.top + item.bottom) / 2 - frame.top;
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
    LONG open = 0, save = 0;
    char status[256] = "";
    const WhileOpen whileOpen = [&](HWND popup) {
        const std::vector<std::wstring> helped = sink.Captions(kShowMenuHelp);
        // F10, Down selects the first item itself; a Down for the popup is pressed again
        // should the menu not have had the keyboard yet.
        if (!loop.menuBar && helped.empty()) PressKeys({VK_DOWN});
        if (helped.empty() || helped.back() != L"&Open") return false;
        SendMessageA(form.StatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
        shot = WindowPixels(popup), open = MiddleRow(popup, file, 0), save = MiddleRow(popup, file, 1);
        return true;
    };
    ASSERT_TRUE(loop.menuBar ? WithOpenMenuBar(form, whileOpen) : WithOpenPopup(form, file, 120, 140, whileOpen));

    const std::vector<std::wstring> scanned = sink.Captions(kSetMenuItemAttributes);
    EXPECT_NE(std::find(scanned.begin(), scanned.end(), L"E&xit"), scanned.end()) << "the popup was scanned";
    EXPECT_GT(strlen(status), 0u) << "AutoShowHelp writes the help of the selected item to part 0";
    EXPECT_GT(sink.Count(kClearMenuHelp), 0) << "the menu closed";

    const int w = shot.Width(), h = shot.Height();
    // What each border shows where (bit 1 << border set for the borders that show it); the
    // shadow lies over the form in the two outermost columns and rows, from two pixels in.
    const std::tuple<const char *, int, int, int, COLORREF> probes[] = {
        {"the selected item's bar", 7, w - 8, open, kHigh},     {"the next item's background", 7, w - 8, save, kBack},
        {"left outline", 6, 0, h / 2, kPen},                     {"top outline", 6, w / 2, 0, kPen},
        {"right outline", 2, w - 1, h / 2, kPen},                {"bottom outline", 2, w / 2, h - 1, kPen},
        {"right shadow, inner", 4, w - 2, h / 2, kInnerShadow},  {"right shadow, outer", 4, w - 1, h / 2, kOuterShadow},
        {"bottom shadow, inner", 4, w / 2, h - 2, kInnerShadow}, {"bottom shadow, outer", 4, w / 2, h - 1, kOuterShadow},
        {"above the right shadow", 4, w - 1, 1, kBehind},        {"left of the bottom shadow", 4, 1, h - 1, kBehind}};
    for (const auto &[what, borders, x, y, colour] : probes)
        if (borders >> loop.border & 1) {
            EXPECT_EQ(Hex(shot.At(x, y)), Hex(colour)) << what;
        }
    if (loop.border == kNormal) {
        EXPECT_NE(Hex(shot.At(0, h / 2)), Hex(kPen)) << "the system's own frame stays";
    }
}

INSTANTIATE_TEST_SUITE_P(Loops, RealLoop,
                         testing::Values(Loop{"PopupNormal", false, kNormal}, Loop{"PopupFlat", false, kFlat},
                                         Loop{"PopupFlatWithShadow", false, kFlatWithShadow},
                                         Loop{"MenuBarNormal", true, kNormal},
                                         Loop{"MenuBarFlatWithShadow", true, kFlatWithShadow}),
                         [](const testing::TestParamInfo<Loop> &info) { return info.param.name; });
