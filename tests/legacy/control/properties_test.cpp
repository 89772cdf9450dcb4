// Property semantics of the control core: values of a new control, notifications, the
// colour read rule in both modes, and the effects that make changes visible.
#include <gtest/gtest.h>

#include <algorithm>

#include "control/control_test_support.h"
#include "control/dispids.h"
#include "help/language.h"

using namespace brocade_test;
using namespace brocade;

namespace {

int CountOf(const std::vector<DISPID> &ids, DISPID id) { return static_cast<int>(std::count(ids.begin(), ids.end(), id)); }

}  // namespace

TEST(Properties, ANewControlHasItsDocumentedValues) {
    TestSite site;
    Control control(site);
    control.InitNew();
    EXPECT_EQ(control.AutoShowHelp(), kTrue);
    EXPECT_FALSE(control.CheckMark());
    EXPECT_EQ(control.HighlightStyle(), 1);
    EXPECT_EQ(control.MenuBorder(), 0);
    EXPECT_EQ(control.UseCustomColors(), kFalse);
    EXPECT_EQ(control.Language(), DetectLanguage());
    EXPECT_EQ(control.RightToLeft(), kFalse);
    EXPECT_EQ(control.ShowTooltip(), kTrue);
    EXPECT_EQ(control.TootipStyle(), 0);
    EXPECT_EQ(control.ShowTootipTitle(), kFalse);
    EXPECT_FALSE(control.BackgroundPicture());
    EXPECT_EQ(control.TooltipInitialDelay(), -1);
    EXPECT_EQ(control.TooltipReshowDelay(), -1);
    EXPECT_EQ(control.TooltipAutopopDelay(), -1);
    EXPECT_EQ(control.Enabled(), kTrue);
    EXPECT_EQ(control.HighlightAppearance(), 0);
    EXPECT_EQ(control.Unicode(), kFalse);
    EXPECT_EQ(control.HighlightOverBitmap(), 0);
    EXPECT_EQ(control.MenuIconSet(), 0);
    EXPECT_EQ(control.LockRefresh(), kFalse);
    EXPECT_EQ(control.Version(), L"1.0.0");
    // Every custom colour starts equal to its derived default.
    for (int i = 0; i < kColorCount; ++i)
        EXPECT_EQ(control.CustomColor(ColorIndex(i)), control.DefaultColor(ColorIndex(i))) << i;
    EXPECT_EQ(control.DefaultColor(kTextColor), 0x80000007u);
    EXPECT_EQ(control.DefaultColor(kTootipBackground), 0x80000018u);
    EXPECT_EQ(control.DefaultColor(kTootipTextColor), 0x80000017u);
    EXPECT_EQ(control.DefaultColor(kMenuBackground), GetSysColor(COLOR_MENU));
}

TEST(Properties, OnlyChangesNotifyExceptAutoShowHelpAndCheckMark) {
    TestSite site;
    Control control(site);
    control.InitNew();
    site.changed.clear();
    control.SetHighlightStyle(1);
    control.SetMenuBorder(0);
    control.SetUseCustomColors(kFalse);
    control.SetColor(kMenuHighlight, control.CustomColor(kMenuHighlight));
    control.SetShowTooltip(kTrue);
    control.SetTooltipInitialDelay(-1);
    control.SetMenuIconSet(0);
    EXPECT_TRUE(site.changed.empty());

    control.SetAutoShowHelp(kTrue);
    control.SetCheckMark(nullptr);
    EXPECT_EQ(site.changed, (std::vector<DISPID>{kDispAutoShowHelp, kDispCheckMark}));

    site.changed.clear();
    control.SetHighlightStyle(0x7FFFFFFF);  // out of range: stored as given
    control.SetColor(kMenuHighlight, 0x00123456);
    control.SetTooltipReshowDelay(250);
    EXPECT_EQ(control.HighlightStyle(), 0x7FFFFFFF);
    EXPECT_EQ(site.changed, (std::vector<DISPID>{kDispHighlightStyle, kDispMenuHighlight, kDispTooltipReshowDelay}));
    control.SetLockRefresh(kTrue);
    EXPECT_EQ(CountOf(site.changed, kDispLockRefresh), 0) << "LockRefresh never notifies";
}

TEST(Properties, ColoursFollowTheReadRuleInBothModes) {
    TestSite site;
    Control control(site);
    control.InitNew();
    control.SetColor(kTextColor, 0x00112233);
    EXPECT_EQ(control.Color(kTextColor), GetSysColor(COLOR_MENUTEXT)) << "custom colours are off";
    control.SetUseCustomColors(kTrue);
    EXPECT_EQ(control.Color(kTextColor), 0x00112233u);
    control.SetColor(kTextColor, 0xFFFFFFFF);
    EXPECT_EQ(control.Color(kTextColor), GetSysColor(COLOR_MENUTEXT)) << "-1 reads back the derived default";

    site.userMode = false;  // design mode shows system colours as such
    EXPECT_EQ(control.Color(kTextColor), 0x80000007u);
    control.SetColor(kMenuHighlight, 0x8000000F);
    EXPECT_EQ(control.Color(kMenuHighlight), 0x8000000Fu);
    site.userMode = true;
    EXPECT_EQ(control.Color(kMenuHighlight), GetSysColor(COLOR_BTNFACE));
}

TEST(Properties, TheMenuBarBrushFollowsMenuBarBackground) {
    MessageLog log;
    HWND form = CreateForm(&log);
    {
        HostedControl hosted(form);
        Control &control = *hosted.control;
        control.SetColor(kMenuBarBackground, 0x00336699);
        EXPECT_NE(control.MenuBarBrush(), nullptr);
        LOGBRUSH brush = {};
        GetObjectW(control.MenuBarBrush(), sizeof brush, &brush);
        EXPECT_EQ(brush.lbColor, 0x00336699u);
        control.SetColor(kMenuBarBackground, 0x80000004);
        EXPECT_EQ(control.MenuBarBrush(), nullptr) << "the system menu colour needs no brush of its own";
    }
    DestroyWindow(form);
}

TEST(Properties, LanguageAutoAlwaysCountsAsAChangeAndStoresTheDetectedLanguage) {
    TestSite site;
    Control control(site);
    control.InitNew();
    site.changed.clear();
    control.SetLanguage(kAuto);
    control.SetLanguage(kAuto);
    EXPECT_EQ(control.Language(), DetectLanguage());
    EXPECT_NE(control.Language(), kAuto);
    EXPECT_EQ(CountOf(site.changed, kDispLanguage), 2);
    control.SetLanguage(kJapanese);
    EXPECT_EQ(control.Language(), kJapanese);
}

TEST(Properties, DerivedDefaultsFollowTheHighlightStyle) {
    TestSite site;
    Control control(site);
    control.InitNew();
    OLE_COLOR plainHighlight = control.DefaultColor(kMenuHighlight);
    EXPECT_EQ(plainHighlight, 0x8000000Du);
    control.SetHighlightStyle(kXP);
    EXPECT_NE(control.DefaultColor(kMenuHighlight), plainHighlight) << "XP derives its own highlight";
    control.SetHighlightStyle(kPlain);
    EXPECT_EQ(control.DefaultColor(kMenuHighlight), plainHighlight);
}

TEST(Properties, TheResourceLibraryServesDefaultHelpInTheChosenLanguage) {
    TestSite site;
    Control control(site);
    control.InitNew();
    ASSERT_NE(control.ResourceLibrary(), nullptr);
    EXPECT_FALSE(control.DefaultHelpTexts().FindDefaultHelp("Save &As...", kEnglish).empty());
    std::string english = control.DefaultHelpTexts().FindDefaultHelp("SAVE AS", kEnglish);
    control.SetLanguage(kGerman);
    EXPECT_EQ(control.DefaultHelpTexts().FindDefaultHelp("SAVE AS", kGerman), english)
        << "a German caption is looked up in German; an English one falls back to English";
    control.Teardown();
    EXPECT_EQ(control.ResourceLibrary(), nullptr);
}
