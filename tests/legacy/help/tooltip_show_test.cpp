// The per-item tooltip of WM_MENUSELECT: one tool for the owner window on a mouse selection of
// an item with a tooltip text, none otherwise; its font, title and anchor; one font held.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "help/menu_help_support.h"
#include "help/status_bar.h"
#include "menu/ole_font.h"
#include "support/test_support.h"

using namespace brocade;
using help_test::ConvertedMenu;
using help_test::FirstToolText;
using help_test::TestForm;
using help_test::TestHelpHost;
using help_test::MessageLog;

namespace {

class TooltipShow : public testing::Test {
protected:
    explicit TooltipShow(TestForm::Visibility visibility = TestForm::kHidden)
        : form("msctls_statusbar32", visibility) {}

    TestForm form;
    TestHelpHost host;
    MenuSelectionHelp help{host};
    ConvertedMenu menu;

    static constexpr UINT kOpen = 101, kSave = 102, kPrint = 103;

    void SetUp() override {
        host.statusBar = FindStatusBar(form.Handle());
        ASSERT_TRUE(host.CreateTooltip(form.Handle()));
        form.SetMenuHelp(&help);
        menu.AddItem(kOpen, "&Open...\tCtrl+O", 1001);
        menu.AddItem(kSave, "&Save", 1002);
        menu.AddSeparator(1003);
        menu.AddItem(kPrint, "&Print", 1004);
        host.AddRecord(1001, "&Open...\tCtrl+O", "  Opens a document  ");
        host.AddRecord(1002, "&Save");
        host.AddRecord(1003, "");
        host.AddRecord(1004, "&Print", "Prints the document");
    }

    CTooltip &tip() { return *host.tooltip; }
    HWND FormWindow() const { return form.Handle(); }
    UINT_PTR FormId() const { return reinterpret_cast<UINT_PTR>(form.Handle()); }
};

// A shown, active form: the tooltip appears only for the active window's tools.
class ShownTooltip : public TooltipShow {
protected:
    ShownTooltip() : TooltipShow(TestForm::kShown) {}
    void SetUp() override {
        TooltipShow::SetUp();
        // Making the tooltip topmost activates it (no SWP_NOACTIVATE); a host form is shown,
        // and so activated, after the control is loaded.
        SetForegroundWindow(form.Handle());
    }
};

bool RunningOnWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

LOGFONTA FontDescription(HFONT font) {
    LOGFONTA description = {};
    GetObjectA(font, sizeof(description), &description);
    return description;
}

}  // namespace

TEST_F(TooltipShow, AMouseSelectionAddsOneToolForTheOwnerWindow) {
    form.SelectWithMouse(menu.Handle(), kOpen);
    ASSERT_EQ(tip().ToolCount(), 1);
    EXPECT_EQ(tip().ToolId(0), FormId());
    EXPECT_EQ(FirstToolText(tip().Hwnd()), "Opens a document");
    EXPECT_EQ(host.listener.anchor, FormWindow());
    EXPECT_EQ(host.Count("Show:"), 1) << "the help is offered as for any selection";
}

TEST_F(TooltipShow, AKeyboardSelectionAddsNone) {
    form.Select(menu.Handle(), kOpen, MF_HILITE);
    EXPECT_EQ(tip().ToolCount(), 0);
    EXPECT_EQ(host.listener.anchor, nullptr);
}

TEST_F(TooltipShow, AnItemWithoutTooltipTextAddsNone) {
    form.SelectWithMouse(menu.Handle(), kSave);
    EXPECT_EQ(tip().ToolCount(), 0);
    EXPECT_EQ(host.listener.anchor, nullptr);
}

TEST_F(TooltipShow, EverySelectionRemovesTheToolBeforeAnythingElse) {
    form.SelectWithMouse(menu.Handle(), kOpen);
    form.SelectWithMouse(menu.Handle(), kPrint);
    EXPECT_EQ(tip().ToolCount(), 1);
    EXPECT_EQ(FirstToolText(tip().Hwnd()), "Prints the document");
    // The host's handler ran after the previous tool was gone.
    EXPECT_EQ(host.toolCountsAtShow, (std::vector<long>{0, 0}));

    form.Select(menu.Handle(), 0, MF_SEPARATOR | MF_MOUSESELECT);
    EXPECT_EQ(tip().ToolCount(), 0);
    form.SelectWithMouse(menu.Handle(), kOpen);
    form.CloseMenu();
    EXPECT_EQ(tip().ToolCount(), 0);
    EXPECT_EQ(host.listener.anchor, nullptr);
}

TEST_F(TooltipShow, ToolCountNeverExceedsOneWhileMovingThroughItems) {
    const UINT ids[] = {kOpen, kPrint, kSave, kPrint, kOpen, kOpen};
    for (int round = 0; round < 20; ++round)
        for (UINT id : ids) {
            form.Select(menu.Handle(), id, round % 3 ? MF_MOUSESELECT | MF_HILITE : MF_HILITE);
            ASSERT_LE(tip().ToolCount(), 1);
        }
}

TEST_F(TooltipShow, TheTitleIsTheCaptionOnlyWhenAskedFor) {
    MessageLog log(tip().Hwnd(), TTM_SETTITLEA);
    log.lParamIsText = true;
    form.SelectWithMouse(menu.Handle(), kPrint);
    host.showTootipTitle = true;
    form.SelectWithMouse(menu.Handle(), kPrint);
    form.Select(menu.Handle(), kPrint, MF_HILITE);  // no tip, no title

    ASSERT_EQ(log.received.size(), 2u);
    EXPECT_EQ(log.received[0].text, "") << "no title";
    EXPECT_EQ(log.received[1].text, "&Print");
    EXPECT_EQ(log.received[1].wParam, static_cast<WPARAM>(CTooltip::kIconInformation));
}

TEST_F(TooltipShow, TheTipTakesTheItemsCaptionFont) {
    ComPtr<IFontDisp> font = host.records["MENU_1004"]->CaptionFont();
    ComPtr<IFont> properties = font.As<IFont>(IID_IFont);
    ASSERT_TRUE(properties);
    BSTR name = SysAllocString(L"Courier New");
    ASSERT_EQ(properties->put_Name(name), S_OK);
    SysFreeString(name);
    properties->put_Italic(TRUE);
    // The font object may report the face the system substitutes.
    BSTR reported = nullptr;
    properties->get_Name(&reported);
    char expectedFace[LF_FACESIZE] = {};
    WideCharToMultiByte(CP_ACP, 0, reported, -1, expectedFace, LF_FACESIZE - 1, nullptr, nullptr);
    SysFreeString(reported);

    MessageLog log(tip().Hwnd(), WM_SETFONT);
    form.SelectWithMouse(menu.Handle(), kPrint);
    ASSERT_EQ(log.received.size(), 1u);
    HFONT given = reinterpret_cast<HFONT>(log.received[0].wParam);
    EXPECT_EQ(given, tip().Font());
    LOGFONTA description = FontDescription(given);
    EXPECT_STREQ(description.lfFaceName, expectedFace);
    EXPECT_TRUE(description.lfItalic);
    EXPECT_LT(description.lfHeight, 0) << "a character height from the point size";
}

TEST_F(TooltipShow, BrowsingAThousandSelectionsHoldsOneFont) {
    DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    form.SelectWithMouse(menu.Handle(), kOpen);
    HFONT previous = tip().Font();
    ASSERT_NE(previous, nullptr);
    for (int i = 0; i < 1000; ++i) {
        form.SelectWithMouse(menu.Handle(), i % 2 ? kOpen : kPrint);
        HFONT current = tip().Font();
        ASSERT_NE(current, previous) << "each tip gets a font of its own";
        ASSERT_EQ(GetObjectType(current), static_cast<DWORD>(OBJ_FONT));
        ASSERT_EQ(GetObjectType(previous), 0u) << "the font given before is deleted, at selection " << i;
        previous = current;
    }
    // Wine answers 0 here: it does not count a process's GDI objects; the deletions above show it.
    if (objectsBefore != 0) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore + 1);
    }
}

TEST_F(ShownTooltip, TheTipAppearsAfterItsInitialDelay) {
    tip().SetInitialDelay(10);
    SetCursorPos(200, 200);
    form.SelectWithMouse(menu.Handle(), kPrint);
    brocade_test::PumpMessages(300);
    EXPECT_TRUE(IsWindowVisible(tip().Hwnd()));
    EXPECT_GT(host.listener.queries, 0) << "the tooltip asked which window is under the cursor";
    form.CloseMenu();
}

TEST_F(ShownTooltip, ADeactivatedTipGetsItsToolButStaysHidden) {
    tip().SetActivate(kFalse);
    tip().SetInitialDelay(10);
    SetCursorPos(200, 200);
    form.SelectWithMouse(menu.Handle(), kPrint);
    EXPECT_EQ(tip().ToolCount(), 1);
    brocade_test::PumpMessages(300);
    EXPECT_FALSE(IsWindowVisible(tip().Hwnd()));
}

// --- The system's own menu loop -----------------------------------------------------------------

TEST_F(ShownTooltip, MovingTheMouseOntoAnItemInTheMenuLoopShowsItsTool) {
    // Wine 8's menu loop sends WM_MENUSELECT without MF_MOUSESELECT, even for the mouse.
    if (RunningOnWine()) GTEST_SKIP() << "no MF_MOUSESELECT from Wine's menu loop";
    long toolsWhileOpen = -1;
    HWND anchorWhileOpen = nullptr;
    auto moveTo = [&](int position) {
        RECT item = {};
        GetMenuItemRect(nullptr, menu.Handle(), position, &item);  // the open popup's window
        POINT centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        SetCursorPos(centre.x, centre.y);
        INPUT move = {};
        move.type = INPUT_MOUSE;
        move.mi.dx = centre.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        move.mi.dy = centre.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &move, sizeof(move));
    };
    form.Track(menu.Handle(), {[&] { moveTo(3); },
                               [&] {
                                   toolsWhileOpen = tip().ToolCount();
                                   anchorWhileOpen = host.listener.anchor;
                               }});
    EXPECT_EQ(toolsWhileOpen, 1);
    EXPECT_EQ(anchorWhileOpen, FormWindow());
    EXPECT_EQ(tip().ToolCount(), 0) << "closing the menu removes it";
}
