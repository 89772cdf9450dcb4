// The flat popup frame and its shadow, drawn item by item on a bordered window standing in for
// the popup (known border widths) and on a real popup menu window.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/gdi.h"
#include "control/control.h"
#include "control/control_test_support.h"
#include "common/enums.h"
#include "frame/frame_test_support.h"
#include "menu/menu_item.h"
#include "common/color_utils.h"
#include "render/paint_caches.h"
#include "render/popup_frame.h"
#include "render/popup_window_dc.h"
#include "render/shadow_backdrop.h"
#include "support/test_support.h"

namespace frame_test {
namespace {

using brocade::PopupFrameStyle;
using brocade_test::Hex;

constexpr COLORREF kMenuBackground = RGB(230, 230, 200);
constexpr COLORREF kPen = RGB(200, 20, 120);
constexpr COLORREF kClient = RGB(10, 200, 10);
constexpr COLORREF kScreen = RGB(100, 150, 200);  // what lies behind the popup

COLORREF Darkened(COLORREF color) { return brocade::DarkenColor(color); }

struct Item {
    bool first, last;
    int cx, cy, top;
};

void Draw(HWND popup, const Item &item, const PopupFrameStyle &style) {
    auto record = brocade::MenuItemRecord::Create();
    record->SetIsFirst(item.first ? brocade::kTrue : brocade::kFalse);
    record->SetIsLast(item.last ? brocade::kTrue : brocade::kFalse);
    brocade::DrawPopup(popup, *record.Get(), item.cx, item.cy, item.top, style);
}

// A shown window with dialog-frame borders and a client area of items x itemHeight rows.
class StandInPopup : public ::testing::Test {
protected:
    // Right of where the other test programs open their windows and menus.
    static constexpr int kLeft = 900, kTop = 80, kClientWidth = 100;
    brocade::UniqueBrush brush{CreateSolidBrush(kMenuBackground)};
    brocade::UniquePen pen{CreatePen(PS_INSIDEFRAME, 1, kPen)};
    brocade::UniqueBitmap screen = MakeBitmap(1100, 400, kScreen);
    brocade::ShadowBackdrop backdrop;
    HWND popup = nullptr;
    Borders b{};

    void TearDown() override {
        if (popup) DestroyWindow(popup);
    }
    void Open(int clientHeight) {
        RECT frame = {0, 0, kClientWidth, clientHeight};
        AdjustWindowRectEx(&frame, WS_POPUP | WS_DLGFRAME, FALSE, 0);
        popup = CreateColouredWindow(kLeft, kTop, frame.right - frame.left, frame.bottom - frame.top, kClient,
                                     WS_POPUP | WS_DLGFRAME);
        b = BordersOf(popup);
        if (b.clientHeight != clientHeight || b.width - b.left - b.right != kClientWidth) {
            SetWindowPos(popup, nullptr, 0, 0, kClientWidth + b.left + b.right, clientHeight + b.top + b.bottom,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            WaitUntilPainted(popup, kClient);
            b = BordersOf(popup);
        }
        ASSERT_EQ(b.clientHeight, clientHeight);
        ASSERT_GE(b.left, 2);
        ASSERT_GE(b.right, 3);
        ASSERT_GE(b.bottom, 3);
        ASSERT_GE(b.top, 2);
    }
    PopupFrameStyle Style(long border) {
        return PopupFrameStyle{border, kMenuBackground, brush.Get(), pen.Get(), &backdrop};
    }
    void DrawAll(int count, int cy, long border) {
        for (int i = 0; i < count; ++i) Draw(popup, {i == 0, i == count - 1, kClientWidth, cy, i * cy}, Style(border));
    }
};

TEST_F(StandInPopup, FlatOutlinesThePopupAndFillsTheBorderStrips) {
    Open(60);
    DrawAll(3, 20, brocade::kBorderFlat);
    auto pixels = ReadWindow(popup);
    const int w = b.width, h = b.height;
    EXPECT_EQ(pixels->CountInColumn(0, kPen), h);
    EXPECT_EQ(pixels->CountInColumn(w - 1, kPen), h);
    EXPECT_EQ(pixels->CountInRow(0, kPen), w);
    EXPECT_EQ(pixels->CountInRow(h - 1, kPen), w);  // cy / 2 = 10 > the bottom border
    for (int y : {1, h / 2, h - 2}) {
        EXPECT_EQ(Hex(pixels->At(1, y)), Hex(kMenuBackground)) << y;
        EXPECT_EQ(Hex(pixels->At(w - 2, y)), Hex(kMenuBackground)) << y;
    }
    EXPECT_EQ(Hex(pixels->At(w / 2, 1)), Hex(kMenuBackground));
    EXPECT_EQ(Hex(pixels->At(w / 2, h - 2)), Hex(kMenuBackground));
    EXPECT_EQ(Hex(pixels->At(b.left + 50, b.top + 30)), Hex(kClient));  // the items are not the frame's
}

TEST_F(StandInPopup, FlatWithShadowDarkensTheScreenBehindTheRightAndBottomEdges) {
    ASSERT_TRUE(backdrop.TakeBitmap(screen.Get()));
    Open(60);
    DrawAll(3, 20, brocade::kBorderFlatWithShadow);
    auto pixels = ReadWindow(popup);
    const int w = b.width, h = b.height;
    const COLORREF inner = Darkened(kScreen), outer = Darkened(brocade::GetMeanColor(kMenuBackground, kScreen));
    // Right shadow: the screen unchanged on rows 0 and 1, then 0.8 x s and 0.8 x mean(mb, s).
    for (int y : {0, 1}) {
        EXPECT_EQ(Hex(pixels->At(w - 2, y)), Hex(kScreen)) << y;
        EXPECT_EQ(Hex(pixels->At(w - 1, y)), Hex(kScreen)) << y;
    }
    for (int y = 2; y < h - 2; ++y) {
        ASSERT_EQ(Hex(pixels->At(w - 2, y)), Hex(inner)) << y;
        ASSERT_EQ(Hex(pixels->At(w - 1, y)), Hex(outer)) << y;
    }
    // Bottom shadow: the screen on columns 0 and 1, then the same shades by row.
    for (int x : {0, 1}) {
        EXPECT_EQ(Hex(pixels->At(x, h - 2)), Hex(kScreen)) << x;
        EXPECT_EQ(Hex(pixels->At(x, h - 1)), Hex(kScreen)) << x;
    }
    for (int x = 2; x < w; ++x) {
        ASSERT_EQ(Hex(pixels->At(x, h - 2)), Hex(inner)) << x;
        ASSERT_EQ(Hex(pixels->At(x, h - 1)), Hex(outer)) << x;
    }
    // The outline sits inside the shadow: right edge at W - bR, bottom edge at H - bB.
    EXPECT_EQ(Hex(pixels->At(w - b.right, h / 2)), Hex(kPen));
    EXPECT_EQ(Hex(pixels->At(w / 2, h - b.bottom)), Hex(kPen));
    EXPECT_EQ(Hex(pixels->At(w - b.right, 0)), Hex(kPen));
    EXPECT_EQ(Hex(pixels->At(0, h - b.bottom - 1)), Hex(kPen));
    EXPECT_EQ(Hex(pixels->At(1, h / 2)), Hex(kMenuBackground));
}

TEST_F(StandInPopup, AMiddleItemPaintsOnlyBesideItself) {
    Open(60);
    auto before = ReadWindow(popup);
    Draw(popup, {false, false, kClientWidth, 20, 20}, Style(brocade::kBorderFlat));
    auto after = ReadWindow(popup);
    const int w = b.width, from = b.top + 20, to = b.top + 40;
    for (int y = from; y < to; ++y) {
        ASSERT_EQ(Hex(after->At(0, y)), Hex(kPen)) << y;
        ASSERT_EQ(Hex(after->At(w - 1, y)), Hex(kPen)) << y;
        ASSERT_EQ(Hex(after->At(1, y)), Hex(kMenuBackground)) << y;
    }
    // No top strip, and nothing beside the other items; the top edge is drawn while client
    // rows remain below the item.
    EXPECT_EQ(Hex(after->At(w / 2, 1)), Hex(before->At(w / 2, 1)));
    EXPECT_EQ(Hex(after->At(1, from - 2)), Hex(before->At(1, from - 2)));
    EXPECT_EQ(Hex(after->At(1, to + 1)), Hex(before->At(1, to + 1)));
    EXPECT_EQ(after->CountInRow(0, kPen), w);
}

TEST_F(StandInPopup, TheBottomEdgeNeedsHalfTheItemToExceedTheBottomBorder) {
    Open(40);
    const int bottom = static_cast<int>(b.bottom);
    // cy / 2 equal to the bottom border: no bottom edge, only the side edges reach the last row.
    Draw(popup, {true, true, kClientWidth, 2 * bottom, 40 - 2 * bottom}, Style(brocade::kBorderFlat));
    EXPECT_EQ(ReadWindow(popup)->CountInRow(b.height - 1, kPen), 2);
    Draw(popup, {true, true, kClientWidth, 2 * bottom + 1, 40 - 2 * bottom - 1}, Style(brocade::kBorderFlat));
    EXPECT_EQ(ReadWindow(popup)->CountInRow(b.height - 1, kPen), b.width);
}

TEST_F(StandInPopup, NormalBordersAreNeverTouched) {
    Open(60);
    auto before = ReadWindow(popup);
    DrawAll(3, 20, brocade::kBorderNormal);
    DrawAll(3, 20, 7);  // not a border style
    EXPECT_EQ(ReadWindow(popup)->FirstDifference(*before), "");
}

TEST_F(StandInPopup, WithoutABackdropTheShadowsPlaceTakesTheMenuBackground) {
    Open(60);
    DrawAll(3, 20, brocade::kBorderFlatWithShadow);  // the backdrop is empty
    auto pixels = ReadWindow(popup);
    EXPECT_EQ(Hex(pixels->At(b.width - 1, b.height / 2)), Hex(kMenuBackground));
    EXPECT_EQ(Hex(pixels->At(b.width - 2, 0)), Hex(kMenuBackground));
    EXPECT_EQ(Hex(pixels->At(b.width / 2, b.height - 1)), Hex(kMenuBackground));
    EXPECT_EQ(Hex(pixels->At(b.width - b.right, b.height / 2)), Hex(kPen));
}

TEST(PopupFrameBadInput, DestroyedOrNullWindowsAndMissingObjectsAreSkipped) {
    auto record = brocade::MenuItemRecord::Create();
    brocade::ShadowBackdrop backdrop;
    const PopupFrameStyle style{brocade::kBorderFlatWithShadow, 0, nullptr, nullptr, &backdrop};
    HWND gone = CreatePlainWindow(10, 10, 50, 50, WS_POPUP | WS_DLGFRAME);
    DestroyWindow(gone);
    brocade::DrawPopup(gone, *record.Get(), 40, 20, 0, style);
    brocade::DrawPopup(nullptr, *record.Get(), 40, 20, 0, style);
    // A window without brush, pen or backdrop: nothing to draw with, nothing drawn.
    HWND window = CreateColouredWindow(10, 10, 60, 40, kClient, WS_POPUP | WS_DLGFRAME);
    auto before = ReadWindow(window);
    record->SetIsFirst(brocade::kTrue);
    record->SetIsLast(brocade::kTrue);
    brocade::DrawPopup(window, *record.Get(), 60, 40, 0, style);
    EXPECT_EQ(ReadWindow(window)->FirstDifference(*before), "");
    DestroyWindow(window);
}

TEST(PopupFrameBadInput, APopupLargerThanTheScreenIsDrawnWhereItCanBeSeen) {
    brocade::ShadowBackdrop backdrop;
    ASSERT_TRUE(backdrop.Capture());
    brocade::UniqueBrush brush(CreateSolidBrush(kMenuBackground));
    brocade::UniquePen pen(CreatePen(PS_INSIDEFRAME, 1, kPen));
    const int width = GetSystemMetrics(SM_CXSCREEN) + 80, height = GetSystemMetrics(SM_CYSCREEN) + 80;
    // Only its top-left corner is on the screen, in the screen's bottom-right corner.
    HWND huge = CreateColouredWindow(width - 140, height - 140, width, height, kClient, WS_POPUP | WS_DLGFRAME);
    const Borders b = BordersOf(huge);
    const PopupFrameStyle style{brocade::kBorderFlatWithShadow, kMenuBackground, brush.Get(), pen.Get(), &backdrop};
    const int items = 40, cy = b.clientHeight / items;
    const LARGE_INTEGER start = [] { LARGE_INTEGER t; QueryPerformanceCounter(&t); return t; }();
    for (int i = 0; i < items; ++i) Draw(huge, {i == 0, i == items - 1, b.width - b.left - b.right, cy, i * cy}, style);
    LARGE_INTEGER end, frequency;
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    EXPECT_LT(static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart, 2.0);
    // The part on the screen got its frame; the shadow lies off the screen and was skipped.
    auto pixels = ReadWindow(huge);
    EXPECT_EQ(Hex(pixels->At(0, 45)), Hex(kPen));
    EXPECT_EQ(Hex(pixels->At(1, 45)), Hex(kMenuBackground));
    EXPECT_EQ(Hex(pixels->At(45, 1)), Hex(kMenuBackground));
    DestroyWindow(huge);
}


// The popup's window DC is taken once for the items it draws in a row.
TEST(PopupWindowDc, OneDcServesAPopupUntilLetGoOrAnotherPopupDraws) {
    HWND first = CreatePlainWindow(10, 10, 50, 50, WS_POPUP);
    HWND second = CreatePlainWindow(70, 10, 50, 50, WS_POPUP);
    brocade::PopupWindowDc kept;
    HDC dc = kept.For(first);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(WindowFromDC(dc), first);
    EXPECT_EQ(kept.For(first), dc);
    EXPECT_EQ(kept.TakenCount(), 1);
    kept.Release();
    ASSERT_NE(kept.For(first), nullptr);
    EXPECT_EQ(kept.TakenCount(), 2);
    EXPECT_EQ(WindowFromDC(kept.For(second)), second);
    EXPECT_EQ(kept.TakenCount(), 3);
    // The outline's pen stays selected in the kept DC.
    brocade::UniquePen pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    EXPECT_TRUE(kept.KeepSelected(pen.Get()));
    EXPECT_TRUE(kept.KeepSelected(pen.Get()));
    EXPECT_EQ(GetCurrentObject(kept.For(second), OBJ_PEN), pen.Get());
    EXPECT_FALSE(kept.KeepSelected(nullptr));
    kept.Release();  // the DC's own pen goes back before the DC does
    EXPECT_FALSE(kept.KeepSelected(pen.Get()));
    ASSERT_NE(kept.For(second), nullptr);
    // Destroyed while kept: its DCs went back with it and nothing more is taken for it.
    DestroyWindow(second);
    EXPECT_EQ(kept.For(second), nullptr);
    EXPECT_EQ(kept.For(nullptr), nullptr);
    EXPECT_EQ(kept.TakenCount(), 4);
    kept.Release();
    DestroyWindow(first);
}

class ControlPopupDc : public ::testing::Test {
protected:
    static constexpr int kItems = 3, kItemHeight = 20;
    HWND form = CreatePlainWindow(900, 500, 200, 100, WS_POPUP);
    HWND popupWindow = CreatePlainWindow(900, 620, 120, kItems * kItemHeight, WS_POPUP | WS_VISIBLE);
    HMENU popup = CreatePopupMenu();
    std::unique_ptr<brocade_test::HostedControl> hosted;

    void SetUp() override {
        for (int i = 0; i < kItems; ++i) AppendMenuA(popup, MF_STRING, 100 + i, "Item");
        hosted = std::make_unique<brocade_test::HostedControl>(form);
        hosted->control->SetMenuBorder(brocade::kBorderFlat);
        SendMessageW(form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        brocade_test::PumpMessages(20);  // the stand-in's own first paint comes before the items
    }
    void TearDown() override {
        hosted.reset();
        DestroyWindow(popupWindow);
        DestroyWindow(form);
        DestroyMenu(popup);
    }
    void DrawItems(int from = 0, int to = kItems) {
        brocade::WindowDc dc(popupWindow);
        for (int i = from; i < to; ++i) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_DATA;
            GetMenuItemInfoA(popup, i, TRUE, &info);
            DRAWITEMSTRUCT draw = {};
            draw.CtlType = ODT_MENU;
            draw.itemID = 100 + i;
            draw.itemAction = ODA_DRAWENTIRE;
            draw.hwndItem = reinterpret_cast<HWND>(popup);
            draw.hDC = dc.Get();
            draw.rcItem = RECT{0, i * kItemHeight, 120, (i + 1) * kItemHeight};
            draw.itemData = info.dwItemData;
            SendMessageW(form, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        }
    }
    long Taken() { return hosted->control->DrawCaches().popupFrame.TakenCount(); }
    COLORREF ItemBackground(int i) {
        auto pixels = ReadWindow(popupWindow);
        return pixels->At(60, i * kItemHeight + kItemHeight / 2);
    }
};

TEST_F(ControlPopupDc, ThePopupsItemsShareOneDcAndAMovedSelectionLetsItGo) {
    DrawItems();
    EXPECT_EQ(Taken(), 1);
    DrawItems();
    EXPECT_EQ(Taken(), 1);
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(101, MF_HILITE), reinterpret_cast<LPARAM>(popup));
    DrawItems();
    EXPECT_EQ(Taken(), 2);
    // Closing the popup with the DC still kept: the loop's end lets it go, and a destroyed
    // popup window is never touched again.
    SendMessageW(form, WM_EXITMENULOOP, FALSE, 0);
    DrawItems();
    EXPECT_EQ(Taken(), 3);
    DestroyWindow(popupWindow);
    popupWindow = nullptr;
    SendMessageW(form, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Taken(), 3);
}

// With nobody listening the items of a popup share one reading of the style; whatever changes
// it shows from the next item on.
TEST_F(ControlPopupDc, ChangedColoursShowFromTheNextItemOfTheSamePopup) {
    hosted->site.listening = false;
    hosted->control->SetUseCustomColors(brocade::kTrue);
    hosted->control->SetColor(brocade::kMenuBackground, RGB(200, 0, 0));
    DrawItems(0, 1);
    hosted->control->SetColor(brocade::kMenuBackground, RGB(0, 0, 200));
    DrawItems(1, 2);
    EXPECT_EQ(Hex(ItemBackground(0)), Hex(RGB(200, 0, 0)));
    EXPECT_EQ(Hex(ItemBackground(1)), Hex(RGB(0, 0, 200)));
}

TEST_F(ControlPopupDc, ColoursReloadedAfterASettingChangeShowFromTheNextItem) {
    hosted->site.listening = false;
    DrawItems(0, 1);
    const COLORREF before = ItemBackground(0);
    const int index = COLOR_MENU;
    const COLORREF saved = GetSysColor(index), changed = saved ^ RGB(0, 0, 255);
    SetSysColors(1, &index, &changed);
    brocade_test::PumpMessages(20);  // the system repaints every window first
    SendMessageW(form, WM_SETTINGCHANGE, 0, 0);
    DrawItems(1, 2);
    const COLORREF after = ItemBackground(1);
    SetSysColors(1, &index, &saved);
    SendMessageW(form, WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(Hex(before), Hex(saved));
    EXPECT_EQ(Hex(after), Hex(changed));
}

}  // namespace
}  // namespace frame_test
