// CTooltip over a real tooltip window: creation, style, tools, colours, delays, title, font,
// and the control's tooltip lifecycle and configuration.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "help/control_tooltip.h"
#include "help/menu_help_support.h"
#include "help/tooltip.h"
#include "menu/ole_font.h"
#include "subclass/subclass_wnd.h"

using namespace brocade;
using help_test::FirstToolText;
using help_test::TestForm;
using help_test::TestHelpHost;
using help_test::MessageLog;

namespace {

bool RunningOnWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

LONG Style(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

UniqueFont MakeGdiFont(int height) {
    LOGFONTA font = {};
    font.lfHeight = height;
    lstrcpyA(font.lfFaceName, "Arial");
    return UniqueFont(CreateFontIndirectA(&font));
}

class Tooltip : public testing::Test {
protected:
    TestForm form{nullptr};
    CTooltip tip;
    void SetUp() override { ASSERT_TRUE(tip.Init(form.Handle())); }
    UINT_PTR FormId() const { return reinterpret_cast<UINT_PTR>(form.Handle()); }
};

}  // namespace

TEST_F(Tooltip, InitMakesAnActiveBalloonAboveOtherWindows) {
    HWND window = tip.Hwnd();
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    EXPECT_STREQ(className, "tooltips_class32");
    EXPECT_EQ(GetWindow(window, GW_OWNER), form.Handle());
    EXPECT_EQ(tip.Parent(), form.Handle());
    EXPECT_EQ(Style(window) & (TTS_NOANIMATE | TTS_NOFADE), TTS_NOANIMATE | TTS_NOFADE);
    EXPECT_TRUE(Style(window) & TTS_BALLOON);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(tip.BalloonStyle(), kTrue);
    EXPECT_EQ(tip.Activate(), kTrue);
    EXPECT_EQ(tip.ToolCount(), 0);
}

TEST_F(Tooltip, BalloonStyleTogglesTheLiveWindowsStyle) {
    tip.SetBalloonStyle(kFalse);
    EXPECT_FALSE(Style(tip.Hwnd()) & TTS_BALLOON);
    tip.SetBalloonStyle(kTrue);
    EXPECT_TRUE(Style(tip.Hwnd()) & TTS_BALLOON);
}

TEST_F(Tooltip, AToolIsAddedOncePerIdAndEnumeratedByIndex) {
    EXPECT_TRUE(tip.AddTool(FormId(), true, 0, 0, 0, 0, "First"));
    EXPECT_FALSE(tip.AddTool(FormId(), true, 0, 0, 0, 0, "Second"));
    EXPECT_EQ(tip.ToolCount(), 1);
    EXPECT_EQ(FirstToolText(tip.Hwnd()), "First") << "the existing tool is untouched";
    EXPECT_EQ(tip.ToolId(0), FormId());
    EXPECT_EQ(tip.ToolId(1), 0u);
    EXPECT_TRUE(tip.AddTool(42, false, 1, 2, 3, 4, "Rect"));
    EXPECT_EQ(tip.ToolCount(), 2);
    EXPECT_EQ(tip.ToolId(1), 42u);
}

TEST_F(Tooltip, ToolsDescribeTheirContainerFlagsAndRectangle) {
    HWND other = form.AddChild("Button");
    tip.AddTool(FormId(), true, 0, 0, 0, 0, "Whole window");
    tip.AddTool(7, false, 10, 20, 30, 40, "Area", other);

    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    ASSERT_TRUE(SendMessageA(tip.Hwnd(), TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.hwnd, form.Handle()) << "the parent is the default container";
    EXPECT_EQ(info.uFlags & (TTF_TRANSPARENT | TTF_IDISHWND), static_cast<UINT>(TTF_TRANSPARENT | TTF_IDISHWND));

    info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    ASSERT_TRUE(SendMessageA(tip.Hwnd(), TTM_ENUMTOOLSA, 1, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.hwnd, other);
    EXPECT_EQ(info.uFlags & (TTF_TRANSPARENT | TTF_IDISHWND), static_cast<UINT>(TTF_TRANSPARENT));
    EXPECT_EQ(info.rect.left, 10);
    EXPECT_EQ(info.rect.top, 20);
    EXPECT_EQ(info.rect.right, 40);
    EXPECT_EQ(info.rect.bottom, 60);
}

TEST_F(Tooltip, ToolTextsAreTrimmedAndABlankTextBecomesOneBlank) {
    tip.AddTool(1, false, 0, 0, 0, 0, "   Opens a document  ");
    EXPECT_EQ(FirstToolText(tip.Hwnd()), "Opens a document");
    tip.DeleteTool(1);
    tip.AddTool(1, false, 0, 0, 0, 0, "    ");
    EXPECT_EQ(FirstToolText(tip.Hwnd()), " ");
}

TEST_F(Tooltip, DeleteToolRemovesOnlyAnExistingId) {
    tip.AddTool(1, false, 0, 0, 0, 0, "One");
    tip.AddTool(2, false, 0, 0, 0, 0, "Two");
    tip.DeleteTool(3);
    EXPECT_EQ(tip.ToolCount(), 2);
    tip.DeleteTool(1);
    EXPECT_EQ(tip.ToolCount(), 1);
    EXPECT_EQ(tip.ToolId(0), 2u);
}

TEST_F(Tooltip, MinusOneAsksTheWindowForItsDefaultDelay) {
    short defaultAutopop = tip.AutopopDelay();
    short defaultInitial = tip.InitialDelay();
    tip.SetAutopopDelay(100);
    tip.SetInitialDelay(30);

    MessageLog log(tip.Hwnd(), TTM_SETDELAYTIME);
    tip.SetAutopopDelay(-1);
    tip.SetInitialDelay(-1);
    ASSERT_EQ(log.received.size(), 2u);
    EXPECT_EQ(log.received[0].wParam, WPARAM(TTDT_AUTOPOP));
    EXPECT_EQ(log.received[0].lParam, 0x0000FFFF);
    EXPECT_EQ(log.received[1].wParam, WPARAM(TTDT_INITIAL));
    EXPECT_EQ(log.received[1].lParam, 0x0000FFFF);

    if (RunningOnWine()) {
        // Wine 8 reads the low word unsigned and stores 65535 ms, which reads back as -1;
        // Windows restores the defaults.
        EXPECT_EQ(tip.AutopopDelay(), -1);
        EXPECT_EQ(tip.InitialDelay(), -1);
    } else {
        EXPECT_EQ(tip.AutopopDelay(), defaultAutopop);
        EXPECT_EQ(tip.InitialDelay(), defaultInitial);
    }
}

TEST(TooltipMakeLong, TheHighWordIsSignExtendedAndTheLowWordMasked) {
    EXPECT_EQ(CTooltip::MakeLong(-1, 0), 0x0000FFFF);
    EXPECT_EQ(CTooltip::MakeLong(5, -1), static_cast<LONG>(0xFFFF0005));
    EXPECT_EQ(CTooltip::MakeLong(0x1234, 0x7FFF), 0x7FFF1234);
    EXPECT_EQ(CTooltip::MakeLong(2500, 0), 2500);
}

// Wine 8 does not answer TTM_GETTITLE: the messages the window gets show the title instead.
TEST_F(Tooltip, TheTitleIsTrimmedAndTheIconChangesWithoutIt) {
    MessageLog log(tip.Hwnd(), TTM_SETTITLEA);
    log.lParamIsText = true;
    tip.SetIcon(CTooltip::kIconInformation);
    tip.SetTitle("  &Open...  ");
    tip.SetIcon(CTooltip::kIconWarning);
    EXPECT_EQ(tip.Title(), "&Open...");
    EXPECT_EQ(tip.Icon(), 2);
    ASSERT_EQ(log.received.size(), 3u);
    EXPECT_EQ(log.received[0].wParam, 1u);
    EXPECT_EQ(log.received[0].text, "");
    EXPECT_EQ(log.received[1].wParam, 1u);
    EXPECT_EQ(log.received[1].text, "&Open...");
    EXPECT_EQ(log.received[2].wParam, 2u);
    EXPECT_EQ(log.received[2].text, "&Open...");
}

TEST_F(Tooltip, OneFontIsHeldAndTheReplacedOneDeleted) {
    MessageLog log(tip.Hwnd(), WM_SETFONT);
    UniqueFont first = MakeGdiFont(-12);
    HFONT firstHandle = first.Get();
    tip.SetFont(std::move(first));
    UniqueFont second = MakeGdiFont(-16);
    HFONT secondHandle = second.Get();
    tip.SetFont(std::move(second));

    ASSERT_EQ(log.received.size(), 2u);
    EXPECT_EQ(log.received[0].wParam, reinterpret_cast<WPARAM>(firstHandle));
    EXPECT_EQ(log.received[1].wParam, reinterpret_cast<WPARAM>(secondHandle));
    EXPECT_EQ(log.received[1].lParam, 1) << "redrawn";
    EXPECT_EQ(tip.Font(), secondHandle);
    EXPECT_EQ(GetObjectType(firstHandle), 0u) << "the replaced font is deleted";
    EXPECT_EQ(GetObjectType(secondHandle), static_cast<DWORD>(OBJ_FONT));
    LOGFONTA used = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(tip.Hwnd(), WM_GETFONT, 0, 0)), sizeof(used), &used);
    EXPECT_EQ(used.lfHeight, -16);
}

TEST(TooltipLifetime, ReleasingDestroysTheWindowAndTheFont) {
    TestForm form(nullptr);
    HWND window;
    HFONT font;
    {
        CTooltip tip;
        ASSERT_TRUE(tip.Init(form.Handle()));
        window = tip.Hwnd();
        UniqueFont made = MakeGdiFont(-12);
        font = made.Get();
        tip.SetFont(std::move(made));
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetObjectType(font), 0u);
}

TEST(TooltipLifetime, AWindowThatCannotBeCreatedLeavesNoTooltip) {
    HWND gone = CreateWindowExA(0, "STATIC", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    CTooltip tip;
    EXPECT_FALSE(tip.Init(gone));
    EXPECT_EQ(tip.Hwnd(), nullptr);
    EXPECT_EQ(tip.ToolCount(), 0);
    EXPECT_FALSE(tip.AddTool(1, false, 0, 0, 0, 0, "Nothing"));
    tip.DeleteTool(1);
}

// --- The control's tooltip ------------------------------------------------------------------

TEST(ControlTooltip, CreationHooksTheWindowAndSetsDelayAndIcon) {
    TestForm form(nullptr);
    TestHelpHost host;
    ASSERT_TRUE(host.CreateTooltip(form.Handle()));
    HWND window = host.tooltip->Hwnd();
    EXPECT_EQ(SubclassWnd::IsWindowSubclassed(window), kTrue);
    EXPECT_EQ(host.tooltip->InitialDelay(), 2500);
    EXPECT_EQ(host.tooltip->Icon(), CTooltip::kIconInformation);

    host.listener.anchor = form.Handle();
    POINT point = {0, 0};
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(window, TTM_WINDOWFROMPOINT, 0, reinterpret_cast<LPARAM>(&point))),
              form.Handle());

    ReleaseControlTooltip(host.tooltip);
    EXPECT_EQ(host.tooltip, nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST(ControlTooltip, CreatingAgainReplacesTheFirstTooltip) {
    TestForm form(nullptr);
    TestHelpHost host;
    ASSERT_TRUE(host.CreateTooltip(form.Handle()));
    HWND first = host.tooltip->Hwnd();
    ASSERT_TRUE(host.CreateTooltip(form.Handle()));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(host.tooltip->Hwnd()));
}

TEST(ControlTooltip, AHostWindowThatIsGoneGivesNoTooltip) {
    HWND gone = CreateWindowExA(0, "STATIC", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    TestHelpHost host;
    EXPECT_FALSE(host.CreateTooltip(gone));
    ConfigureTooltip(host);  // nothing to configure
}

TEST(ControlTooltip, ConfigurationTakesStyleColoursAndDelaysFromTheProperties) {
    TestForm form(nullptr);
    TestHelpHost host;
    ASSERT_TRUE(host.CreateTooltip(form.Handle()));
    host.tootipStyle = kRectangle;
    host.tooltipBackColor = RGB(10, 20, 30);
    host.tooltipTextColor = RGB(40, 50, 60);
    host.autopopDelay = 4000;
    host.initialDelay = 50;
    host.reshowDelay = 70;
    ConfigureTooltip(host);

    CTooltip &tip = *host.tooltip;
    EXPECT_FALSE(Style(tip.Hwnd()) & TTS_BALLOON);
    EXPECT_EQ(tip.BackColor(), RGB(10, 20, 30));
    EXPECT_EQ(tip.ForeColor(), RGB(40, 50, 60));
    EXPECT_EQ(tip.AutopopDelay(), 4000);
    EXPECT_EQ(tip.InitialDelay(), 50);
    EXPECT_EQ(tip.ReshowDelay(), 70);
}

TEST(ControlTooltip, TheStyleChangesAtOnceAndAnyValueButBalloonMeansRectangle) {
    TestForm form(nullptr);
    TestHelpHost host;
    ASSERT_TRUE(host.CreateTooltip(form.Handle()));
    CTooltip &tip = *host.tooltip;
    ApplyTootipStyle(tip, kRectangle);
    EXPECT_FALSE(Style(tip.Hwnd()) & TTS_BALLOON);
    ApplyTootipStyle(tip, kBalloon);
    EXPECT_TRUE(Style(tip.Hwnd()) & TTS_BALLOON);
    ApplyTootipStyle(tip, 7);
    EXPECT_FALSE(Style(tip.Hwnd()) & TTS_BALLOON);
}
