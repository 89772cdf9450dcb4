// Menu bar hot tracking on a real menu bar: which title the system highlights as the cursor
// moves, the frame of a hot title, and the poll that un-highlights the bar.
#include <gtest/gtest.h>

#include <vector>

#include "common/gdi.h"
#include "common/enums.h"
#include "frame/frame_test_support.h"
#include "menu/menu_text.h"
#include "render/hot_tracking.h"
#include "support/test_support.h"

namespace frame_test {
namespace {

using brocade::MenuBarHotTracking;

constexpr COLORREF kPenColour = RGB(200, 20, 120);

class TestHotHost final : public brocade::HotTrackHost {
public:
    bool enabled = true, inMenuLoop = false, timerOn = false;
    long menuBorder = brocade::kBorderNormal;
    brocade::UniquePen pen{CreatePen(PS_INSIDEFRAME, 1, kPenColour)};
    int unhighlighted = 0;
    MenuBarHotTracking tracking{*this};

    bool HotTrackEnabled() override { return enabled; }
    bool HotTrackInMenuLoop() override { return inMenuLoop; }
    long HotTrackMenuBorder() override { return menuBorder; }
    HPEN HotTrackBorderPen() override { return pen.Get(); }
    void StartHotTrackTimer() override { timerOn = true; }
    void StopHotTrackTimer() override { timerOn = false; }
    void UnhighlightMenuBarForHotTracking(HWND window) override {
        ++unhighlighted;
        tracking.Forget();
        HMENU menu = GetMenu(window);
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            HiliteMenuItem(window, menu, static_cast<UINT>(i), MF_BYPOSITION | MF_UNHILITE);
    }
};

// The system's hot-tracking setting switched on (or off) for one test.
class HotTrackingSetting {
public:
    explicit HotTrackingSetting(bool on) {
        SystemParametersInfoW(SPI_GETHOTTRACKING, 0, &saved_, 0);
        SystemParametersInfoW(SPI_SETHOTTRACKING, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(on)), 0);
    }
    ~HotTrackingSetting() {
        SystemParametersInfoW(SPI_SETHOTTRACKING, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(saved_)), 0);
    }

private:
    BOOL saved_ = TRUE;
};

// A shown window with a menu bar of "&File", "&Edit" and a bitmap title without text (as the
// icons of a maximised MDI child, which sit at the right end of the bar).
class MenuBarWindow : public ::testing::Test {
protected:
    static constexpr int kFile = 0, kEdit = 1, kIcon = 2;
    HotTrackingSetting setting{true};
    HWND window = nullptr;
    HMENU bar = CreateMenu();
    TestHotHost host;

    void SetUp() override {
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&File");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Edit");
        AppendMenuW(bar, MF_BITMAP, 300, reinterpret_cast<LPCWSTR>(HBMMENU_MBAR_CLOSE));
        // Without a caption: Wine, with no window manager, takes seconds to destroy a captioned window.
        window = CreateColouredWindow(700, 600, 300, 150, RGB(250, 250, 250), WS_POPUP | WS_BORDER);
        SetMenu(window, bar);
        DrawMenuBar(window);
        brocade_test::PumpMessages(50);
    }
    void TearDown() override { DestroyWindow(window); }

    RECT Title(int position) {
        RECT rect = {};
        GetMenuItemRect(window, bar, static_cast<UINT>(position), &rect);
        return rect;
    }
    bool Highlighted(int position) {
        return (GetMenuState(bar, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) != 0;
    }
    void TrackAt(long x, long y) {
        SetCursorPos(x, y);
        host.tracking.TrackMenuBarHot(window);
    }
    void TrackAtCentreOf(int position) {
        const RECT title = Title(position);
        TrackAt((title.left + title.right) / 2, (title.top + title.bottom) / 2);
    }
};

TEST_F(MenuBarWindow, TheTitleUnderTheCursorIsHighlightedAndThePollArmed) {
    ASSERT_GT(Title(kFile).right, Title(kFile).left);
    ASSERT_EQ(brocade::GetMenuText(bar, kIcon), "");
    TrackAtCentreOf(kEdit);
    EXPECT_EQ(host.tracking.HotPosition(), kEdit);
    EXPECT_TRUE(Highlighted(kEdit));
    EXPECT_FALSE(Highlighted(kFile));
    EXPECT_TRUE(host.tracking.Hot());
    EXPECT_EQ(host.tracking.HotWindow(), window);
    EXPECT_TRUE(host.timerOn);

    // Moving on to another title un-highlights the first.
    TrackAtCentreOf(kFile);
    EXPECT_EQ(host.tracking.HotPosition(), kFile);
    EXPECT_TRUE(host.timerOn);
    if (!UnderWine()) {
        EXPECT_TRUE(Highlighted(kFile));
        EXPECT_FALSE(Highlighted(kEdit));
    }

    // The first check after the cursor has left finds no title: the bar is un-highlighted and
    // the poll stops.
    TrackAt(Title(kEdit).right - 3, Title(kEdit).bottom + 40);
    EXPECT_FALSE(host.tracking.Hot());
    EXPECT_EQ(host.tracking.HotPosition(), -1);
    EXPECT_FALSE(host.timerOn);
    EXPECT_EQ(host.unhighlighted, 1);
    if (!UnderWine()) {
        EXPECT_FALSE(Highlighted(kFile));
        EXPECT_FALSE(Highlighted(kEdit));
    }
}

TEST_F(MenuBarWindow, TheCursorOnATitlesBorderDoesNotMakeItHot) {
    const RECT title = Title(kFile);
    const long midX = (title.left + title.right) / 2, midY = (title.top + title.bottom) / 2;
    for (POINT border : {POINT{title.left, midY}, POINT{midX, title.top}, POINT{midX, title.bottom},
                         POINT{title.right - 1, title.top}}) {
        TrackAt(border.x, border.y);
        EXPECT_FALSE(host.tracking.Hot()) << border.x << "," << border.y;
    }
    // One pixel in from the corners is inside.
    TrackAt(title.left + 1, title.top + 1);
    EXPECT_EQ(host.tracking.HotPosition(), kFile);
    TrackAt(title.right - 1, title.bottom - 1);
    EXPECT_EQ(host.tracking.HotPosition(), kFile);
}

TEST_F(MenuBarWindow, TitlesWithoutTextAreNeverHot) {
    const RECT icon = Title(kIcon);
    ASSERT_GT(icon.right - icon.left, 2);
    TrackAtCentreOf(kIcon);
    EXPECT_FALSE(host.tracking.Hot());
    EXPECT_EQ(host.unhighlighted, 1);
    if (!UnderWine()) {
        EXPECT_FALSE(Highlighted(kIcon));
    }
}

TEST_F(MenuBarWindow, NothingIsTrackedWhileDisabledOrInAMenuLoop) {
    host.enabled = false;
    host.timerOn = true;
    TrackAtCentreOf(kEdit);
    EXPECT_FALSE(Highlighted(kEdit));
    EXPECT_FALSE(host.tracking.Hot());
    EXPECT_TRUE(host.timerOn);  // a disabled control leaves everything as it is
    EXPECT_EQ(host.unhighlighted, 0);

    host.enabled = true;
    host.inMenuLoop = true;
    TrackAtCentreOf(kEdit);
    EXPECT_FALSE(host.tracking.Hot());
    EXPECT_FALSE(host.timerOn);
    EXPECT_EQ(host.unhighlighted, 1);
}

TEST_F(MenuBarWindow, WithHotTrackingSwitchedOffNothingIsHighlighted) {
    HotTrackingSetting off(false);
    ASSERT_FALSE(brocade::SystemHotTracking());
    TrackAtCentreOf(kEdit);
    EXPECT_FALSE(Highlighted(kEdit));
    EXPECT_FALSE(host.tracking.Hot());
    EXPECT_EQ(host.unhighlighted, 0);
}

TEST_F(MenuBarWindow, AFlatBorderFramesTheHotTitleOnTheWindow) {
    host.menuBorder = brocade::kBorderFlatWithShadow;
    TrackAtCentreOf(kEdit);
    ASSERT_TRUE(Highlighted(kEdit));
    RECT frame, title = Title(kEdit);
    GetWindowRect(window, &frame);
    OffsetRect(&title, -frame.left, -frame.top);
    auto pixels = ReadWindow(window);
    EXPECT_EQ(brocade_test::Hex(pixels->At(title.left, title.top)), brocade_test::Hex(kPenColour));
    EXPECT_EQ(brocade_test::Hex(pixels->At(title.right - 1, title.bottom - 2)), brocade_test::Hex(kPenColour));
    EXPECT_EQ(brocade_test::Hex(pixels->At(title.left + 1, title.bottom - 1)), brocade_test::Hex(kPenColour));
    EXPECT_NE(brocade_test::Hex(pixels->At(title.left + 2, title.top + 2)), brocade_test::Hex(kPenColour));
}

TEST(HotFrame, OutsideAMenuLoopTheBoxIsClosedInsideItIsOpenAtTheBottom) {
    brocade::UniquePen pen(CreatePen(PS_INSIDEFRAME, 1, kPenColour));
    const RECT box = {2, 3, 12, 9};  // corners inclusive
    Surface closed(16, 12, RGB(1, 1, 1)), open(16, 12, RGB(1, 1, 1));
    brocade::DrawHotFrame(closed.Dc(), box, pen.Get(), false);
    brocade::DrawHotFrame(open.Dc(), box, pen.Get(), true);
    EXPECT_EQ(closed.CountInColumn(2, kPenColour), 7);  // rows 3..9
    EXPECT_EQ(closed.CountInColumn(12, kPenColour), 7);
    EXPECT_EQ(closed.CountInRow(3, kPenColour), 11);  // columns 2..12
    EXPECT_EQ(closed.CountInRow(9, kPenColour), 11);
    EXPECT_EQ(open.CountInRow(9, kPenColour), 1);  // only the left line's start
    EXPECT_EQ(open.CountInColumn(12, kPenColour), 6);  // rows 3..8: the end point is excluded
    EXPECT_EQ(open.CountInColumn(2, kPenColour), 7);
    // No pen, no frame.
    Surface none(16, 12, RGB(1, 1, 1));
    brocade::DrawHotFrame(none.Dc(), box, nullptr, false);
    EXPECT_EQ(none.CountInRow(3, RGB(1, 1, 1)), 16);
}

}  // namespace
}  // namespace frame_test
