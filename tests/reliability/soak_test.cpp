// A short soak: a real popup opened, walked with the mouse (help written, tooltips shown) and
// closed in every highlight style and border, by two controls in turn on one form. The long
// soak is scripts/bench's.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "support/event_sink.h"
#include "support/form.h"
#include "support/gdi_count.h"
#include "support/hosted_control.h"
#include "support/menus.h"

using namespace brocade_test;

constexpr long kHighlightStyles = 11, kBorders = 3;

TEST(Soak, RealPopupsWalkedInEveryStyleAndBorderLeaveNoGdiObjectRecordOrHookBehind) {
    Form form(FormOptions{true, true});
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "&Save", "-", "&Print...", "E&xit"});
    CheckMenuItem(file, 1, MF_BYPOSITION | MF_CHECKED);
    EnableMenuItem(file, 3, MF_BYPOSITION | MF_GRAYED);
    auto life = [&](int rounds) {
        HostedControl control = HostedControl::InAtl(form);
        ASSERT_TRUE(control);
        EventSink sink;
        ASSERT_TRUE(sink.Connect(control));
        sink.onSetMenuItemAttributes = [](_CMenuItem *item) {
            BSTR tip = SysAllocString(L"A tip");
            item->put_TooltTipText(&tip);
            SysFreeString(tip);
        };
        ASSERT_EQ(Put(control, L"ShowTooltip", true).hr, S_OK);
        ASSERT_EQ(Call(control, L"AddMessage", {L"Save", L"Saves the document"}).hr, S_OK);
        std::vector<ULONG_PTR> serials;
        for (int cycle = 0; cycle < rounds * kHighlightStyles * kBorders; ++cycle) {
            SCOPED_TRACE("style " + std::to_string(cycle % kHighlightStyles) + ", border " + std::to_string(cycle / kHighlightStyles % kBorders));
            Put(control, L"HighlightStyle", cycle % kHighlightStyles), Put(control, L"MenuBorder", cycle / kHighlightStyles % kBorders);
            int next = 0;
            ASSERT_TRUE(WithOpenPopup(form, file, 120, 140, [&](HWND) {
                RECT item = {};
                if (!GetMenuItemRect(nullptr, file, next++, &item)) return true;
                MoveMouseTo((item.left + item.right) / 2, (item.top + item.bottom) / 2);
                return false;
            }));
            for (UINT i = 0; i < 5; ++i) {
                MENUITEMINFOW info = {sizeof info, MIIM_DATA};
                GetMenuItemInfoW(file, i, TRUE, &info);
                ASSERT_EQ(info.dwItemData, cycle ? serials[i] : serials.emplace_back(info.dwItemData)) << "item " << i << " keeps its record";
            }
        }
        EXPECT_GE(sink.Count(kShowMenuHelp), rounds * kHighlightStyles * kBorders * 4) << "every item's help, every time";
        sink.Disconnect();  // a host lets go of the connection before the control
        control.Close();
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(form, GWLP_WNDPROC)), Form::OwnProcedure());
    };
    life(1);  // the system's own caches fill on first use
    const int before = GdiObjectCountBesidesCachedDcs();
    const std::string census = GdiCensus();
    life(2);
    EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), before) << "was: " << census << "\nnow: " << GdiCensus();
}
