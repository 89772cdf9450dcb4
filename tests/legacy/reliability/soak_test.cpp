// Long runs of opening, selecting and closing menus in every highlight style and border: the
// process's GDI objects and the control's collections end where they started. The run here
// is short; BROCADE_SOAK_CYCLES=10000 gives the full one (bench_soak runs it too).
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "../../support/gdi_count.h"
#include "reliability/soak_host.h"

namespace reliability_test {
namespace {

using brocade_test::GdiCensus;
using brocade_test::GdiObjectCount;
using brocade_test::HeldCollections;
using brocade_test::SoakHost;

constexpr int kCombinations = SoakHost::kHighlightStyles * SoakHost::kBorders;

int SoakCycles(int reduced) {
    const char *full = std::getenv("BROCADE_SOAK_CYCLES");
    return full && std::atoi(full) > 0 ? std::atoi(full) : reduced;
}

TEST(GdiObjectCount, CountsObjectsAsTheyAreMadeAndDeleted) {
    int before = GdiObjectCount();
    HBRUSH brushes[3] = {CreateSolidBrush(RGB(1, 2, 3)), CreateSolidBrush(RGB(4, 5, 6)), CreateSolidBrush(0)};
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ(GdiObjectCount(), before + 4);
    for (HBRUSH brush : brushes) DeleteObject(brush);
    EXPECT_EQ(GdiObjectCount(), before + 1);
    DeleteObject(pen);
    EXPECT_EQ(GdiObjectCount(), before);
}

class Soak : public testing::Test {
protected:
    SoakHost host;

    // One cycle of every combination first: caches (built-in pictures, the system's DC
    // cache, the tooltip's font) fill once and stay.
    template <class Cycle>
    void WarmUp(Cycle cycle) {
        for (int i = 0; i < kCombinations; ++i) {
            host.UseCombination(i);
            cycle();
        }
    }
};

TEST_F(Soak, PopupCyclesInEveryStyleAndBorderLeaveNothingBehind) {
    auto cycle = [&] { host.PopupCycle(); };
    WarmUp(cycle);
    int gdi = GdiObjectCount();
    std::string census = GdiCensus();
    HeldCollections held = host.Collections();
    int helpBefore = host.Site().showMenuHelp;
    cycle();
    int helpPerCycle = host.Site().showMenuHelp - helpBefore;

    int cycles = SoakCycles(kCombinations);
    for (int i = 0; i < cycles; ++i) {
        host.UseCombination(i);
        cycle();
    }
    EXPECT_EQ(GdiObjectCount(), gdi) << "after " << cycles << " cycles\n was: " << census << "\n now: " << GdiCensus();
    EXPECT_TRUE(host.Collections() == held);
    EXPECT_EQ(held.records, static_cast<size_t>(SoakHost::kPopupItems + 3)) << "the popup's items and the bar's titles";
    // Each of the 27 items with text offers its help when selected, in every cycle alike.
    EXPECT_GE(helpPerCycle, SoakHost::kPopupItems - 3);
    EXPECT_EQ(host.Site().showMenuHelp - helpBefore, (cycles + 1) * helpPerCycle);
}

TEST_F(Soak, MenuBarCyclesInEveryStyleAndBorderLeaveNothingBehind) {
    auto cycle = [&] { host.MenuBarCycle(); };
    WarmUp(cycle);
    int gdi = GdiObjectCount();
    std::string census = GdiCensus();
    HeldCollections held = host.Collections();
    int cycles = SoakCycles(kCombinations);
    for (int i = 0; i < cycles; ++i) {
        host.UseCombination(i);
        cycle();
    }
    EXPECT_EQ(GdiObjectCount(), gdi) << "\n was: " << census << "\n now: " << GdiCensus();
    EXPECT_TRUE(host.Collections() == held);
}

TEST_F(Soak, TheCycleWritesHelpAndShowsTheTooltipOfTheItemUnderTheMouse) {
    host.PopupCycle();
    HMENU popup = host.Popup();
    UINT id = GetMenuItemID(popup, 16);  // "ITEM 16", answered by the host's help table
    SendMessageW(host.Form(), WM_MENUSELECT, MAKEWPARAM(id, MF_MOUSESELECT | MF_OWNERDRAW),
                 reinterpret_cast<LPARAM>(popup));
    EXPECT_EQ(host.StatusText(), L"Help text of ITEM 16");
    ASSERT_NE(host.Core().Tooltip(), nullptr);
    EXPECT_EQ(host.Core().Tooltip()->ToolCount(), 1);
    SendMessageW(host.Form(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(host.StatusText(), L"");
    EXPECT_EQ(host.Core().Tooltip()->ToolCount(), 0);
}

TEST_F(Soak, TheSystemsOwnMenuLoopInEveryBorderLeavesNothingBehind) {
    // A real loop costs tens of milliseconds: a few per border, in rotating styles.
    auto cycle = [&] { ASSERT_TRUE(host.RealPopupCycle()); };
    for (int border = 0; border < SoakHost::kBorders; ++border) {
        host.UseCombination(border * SoakHost::kHighlightStyles);
        cycle();
    }
    int gdi = GdiObjectCount();
    std::string census = GdiCensus();
    HeldCollections held = host.Collections();
    int cycles = SoakCycles(60) / 10;
    for (int i = 0; i < cycles; ++i) {
        host.UseCombination(i * 4 + i / 3);
        cycle();
    }
    EXPECT_EQ(GdiObjectCount(), gdi) << "\n was: " << census << "\n now: " << GdiCensus();
    EXPECT_TRUE(host.Collections() == held);
}

// A host that builds its context menu anew for every use and destroys it afterwards.
TEST_F(Soak, RecordsOfMenusThatNoLongerExistDoNotPileUp) {
    auto cycle = [&] {
        HMENU context = CreatePopupMenu();
        for (int i = 0; i < 10; ++i) AppendMenuA(context, MF_STRING, 700 + i, "Context &item");
        SendMessageW(host.Form(), WM_ENTERMENULOOP, TRUE, 0);
        SendMessageW(host.Form(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(context), 0);
        SendMessageW(host.Form(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        SendMessageW(host.Form(), WM_EXITMENULOOP, TRUE, 0);
        DestroyMenu(context);
    };
    for (int i = 0; i < 3; ++i) cycle();
    int gdi = GdiObjectCount();
    std::string census = GdiCensus();
    HeldCollections held = host.Collections();
    for (int i = 0; i < SoakCycles(20); ++i) cycle();
    EXPECT_EQ(GdiObjectCount(), gdi) << "\n was: " << census << "\n now: " << GdiCensus();
    EXPECT_EQ(host.Collections().records, held.records) << "at most the last menu's records wait for the next loop";
}

TEST(SoakLifecycle, HostsMadeUsedAndTornDownReturnEveryObjectAndProcedure) {
    auto lifetime = [] {
        SoakHost host;
        LONG_PTR own = GetClassLongPtrW(host.Form(), GCLP_WNDPROC);
        EXPECT_NE(GetWindowLongPtrW(host.Form(), GWLP_WNDPROC), own) << "the control subclassed the form";
        host.UseCombination(SoakHost::kHighlightStyles * 2 + 7);  // Diagonal, Flat with Shadow
        host.PopupCycle();
        host.MenuBarCycle();
        host.Core().Teardown();
        EXPECT_EQ(GetWindowLongPtrW(host.Form(), GWLP_WNDPROC), own) << "the form's own procedure is back";
    };
    lifetime();
    int gdi = GdiObjectCount();
    std::string census = GdiCensus();
    int live = brocade::Control::LiveControlCount();
    for (int i = 0; i < SoakCycles(500) / 100; ++i) lifetime();
    EXPECT_EQ(GdiObjectCount(), gdi) << "\n was: " << census << "\n now: " << GdiCensus();
    EXPECT_EQ(brocade::Control::LiveControlCount(), live);
}

}  // namespace
}  // namespace reliability_test
