// The tooltip as a host sees it: one tool, the form, for an item with a tooltip text selected
// with the mouse, and one font held, the one it replaces deleted; the properties applied to the
// tooltip window; and the tip shown after its delay only while ShowTooltip is True, with the
// caption as title when asked.
#include <gtest/gtest.h>

#include "help/help_form.h"
#include "support/gdi_count.h"

using namespace brocade_test;

namespace {

constexpr UINT kMouse = MF_HILITE | MF_MOUSESELECT;

// The control's tooltip: a window of the common controls' class owned by the form.
HWND TooltipOf(HWND form) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, TOOLTIPS_CLASSW, nullptr)) && GetWindow(window, GW_OWNER) != form) {}
    return window;
}

// The tools: "" for none, "<text>" for one, the form itself, "?" for anything else.
std::wstring Tools(HWND tooltip, HWND form) {
    wchar_t text[INFOTIPSIZE] = L"";
    TTTOOLINFOW tool = {TTTOOLINFOW_V1_SIZE};
    const LRESULT count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, INFOTIPSIZE, reinterpret_cast<LPARAM>(&tool));
    const bool theForm = count == 1 && tool.uId == reinterpret_cast<UINT_PTR>(form) && (tool.uFlags & TTF_IDISHWND);
    return !count ? L"" : theForm ? L"<" + std::wstring(text) + L">" : L"?";
}

}  // namespace

TEST(Tooltip, AMouseSelectionOfAnItemWithATooltipTextMakesTheFormItsOneToolWithOneFont) {
    HelpForm host({"&Open", "&Print", "&Frobnicate", "&Blank"});
    host.tips = {{L"&Open", L"  Opens a document  "}, {L"&Print", L"Prints the document"}, {L"&Blank", L"   "}};
    host.Scan();
    const HWND tooltip = TooltipOf(host.form);
    ASSERT_TRUE(tooltip);
    const struct { const char *name; UINT id, flags; const wchar_t *tools; } steps[] = {
        {"AMouseSelectionAddsTheTrimmedText", 100, kMouse, L"<Opens a document>"},
        {"TheNextReplacesIt", 101, kMouse, L"<Prints the document>"},
        {"AKeyboardSelectionAddsNone", 100, MF_HILITE, L""},
        {"AnItemWithoutTextAddsNone", 102, kMouse, L""},
        {"ABlankTextIsNoText", 103, kMouse, L""},  // TooltTipText keeps no surrounding blanks
        {"ASeparatorRemovesIt", 0, MF_SEPARATOR | kMouse, L""},
    };
    for (const auto &step : steps) {
        host.Select(step.id, step.flags);
        EXPECT_EQ(Tools(tooltip, host.form), step.tools) << step.name;
    }
    const int before = GdiObjectCountBesidesCachedDcs();  // the font of the last tip held
    const std::string census = GdiCensus();
    for (int i = 0; i < 40; ++i) host.Select(100 + i % 2, kMouse);
    EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), before) << "was: " << census << "\nnow: " << GdiCensus();
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(SendMessageW(tooltip, WM_GETFONT, 0, 0))), DWORD(OBJ_FONT)) << "the tip's font";
}

TEST(Tooltip, StyleColoursAndDelaysReachTheTooltipWindow) {
    HelpForm host({}, {});
    const std::pair<const wchar_t *, Variant> values[] = {
        {L"TootipStyle", 1},           {L"UseCustomColors", true},    {L"TootipBackground", RGB(10, 20, 30)},
        {L"TootipTextColor", RGB(40, 50, 60)}, {L"TooltipAutopopDelay", 4000}, {L"TooltipInitialDelay", 50},
        {L"TooltipReshowDelay", 70},
    };
    for (const auto &value : values) EXPECT_EQ(Put(host.control, value.first, value.second).hr, S_OK) << value.first;
    const HWND tooltip = TooltipOf(host.form);
    ASSERT_TRUE(tooltip);
    auto seen = [&](UINT message, WPARAM wParam) { return SendMessageW(tooltip, message, wParam, 0); };
    EXPECT_EQ(std::vector<LRESULT>({seen(TTM_GETTIPBKCOLOR, 0), seen(TTM_GETTIPTEXTCOLOR, 0), seen(TTM_GETDELAYTIME, TTDT_AUTOPOP),
                                    seen(TTM_GETDELAYTIME, TTDT_INITIAL), seen(TTM_GETDELAYTIME, TTDT_RESHOW)}),
              std::vector<LRESULT>({RGB(10, 20, 30), RGB(40, 50, 60), 4000, 50, 70}))
        << "background, text colour, autopop, initial and reshow delays";
    for (int style : {1, 0, 7, 0}) {  // any style but balloon is a rectangle
        Put(host.control, L"TootipStyle", style);
        EXPECT_EQ((GetWindowLongW(tooltip, GWL_STYLE) & TTS_BALLOON) != 0, style == 0) << "TootipStyle " << style;
    }
}

TEST(Tooltip, TheTipShowsAfterItsDelayOnlyWhileShowTooltipIsTrueWithTheCaptionAsTitleWhenAsked) {
    HelpForm host({"&Print every page of the document"}, {}, FormOptions{true});
    host.tips = {{L"&Print every page of the document", L"Prints"}};
    Put(host.control, L"TooltipInitialDelay", 10);
    Put(host.control, L"ShowTooltip", false);
    host.Scan();
    const HWND tooltip = TooltipOf(host.form);
    ASSERT_TRUE(tooltip);
    SetForegroundWindow(host.form);  // as a host shows its form once the control is loaded
    POINT point = {200, 150};  // in the form, away from the control's own window
    MSG move = {host.form, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y)};
    ClientToScreen(host.form, &point);
    SetCursorPos(point.x, point.y);

    host.Select(100, kMouse);
    EXPECT_EQ(Tools(tooltip, host.form), L"<Prints>") << "the tool is added all the same";
    // A tooltip of the test's own, given the same move afterwards with a longer delay, shows
    // after the control's would have.
    HWND reference = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, 0, 0, 0, 0, host.form, nullptr, nullptr, nullptr);
    TTTOOLINFOW tool = {TTTOOLINFOW_V1_SIZE, TTF_IDISHWND, host.form, reinterpret_cast<UINT_PTR>(HWND(host.form))};
    tool.lpszText = const_cast<wchar_t *>(L"Reference");
    SendMessageW(reference, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(reference, TTM_SETDELAYTIME, TTDT_INITIAL, 100);
    SendMessageW(reference, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    WaitFor([&] { return IsWindowVisible(reference); }, 5000, "the test's own tooltip to show");
    EXPECT_FALSE(IsWindowVisible(tooltip)) << "shown while ShowTooltip is False";
    DestroyWindow(reference);

    Put(host.control, L"ShowTooltip", true);
    auto shownWidth = [&](const char *what) {
        host.Select(100, kMouse);
        WaitFor([&] { return IsWindowVisible(tooltip); }, 5000, what);
        RECT shown = {};
        GetWindowRect(tooltip, &shown);
        return shown.right - shown.left;
    };
    const LONG untitled = shownWidth("the tooltip to show");
    // Wine does not answer TTM_GETTITLE: the caption shows as a title, wider than the text.
    Put(host.control, L"ShowTootipTitle", true);
    EXPECT_GT(shownWidth("the tooltip to show with a title"), untitled + 50) << "the caption is its title";
    host.CloseMenu();
    WaitFor([&] { return !IsWindowVisible(tooltip); }, 5000, "the tooltip to go with the menu");
}
