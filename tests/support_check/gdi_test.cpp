// What a host is left with after the control goes: no GDI object.
#include <gtest/gtest.h>

#include "support/form.h"
#include "support/gdi_count.h"
#include "support/hosted_control.h"
#include "support/menus.h"

using namespace brocade_test;

TEST(Gdi, HostingDrawingAndClosingTheControlLeavesTheGdiObjectCountWhereItWas) {
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open\tCtrl+O", "-", "E&xit"});
    auto cycle = [&](bool inAtl) {
        HostedControl control = inAtl ? HostedControl::InAtl(form) : HostedControl::WithSite(form);
        Put(control, L"MenuBorder", 1);
        DrawItemThroughForm(form, file, 0, true);
    };
    cycle(true);  // the system's own caches fill on first use
    cycle(false);
    // Which window DCs the system keeps in its cache is its own affair.
    const int before = GdiObjectCountBesidesCachedDcs();
    const std::string census = GdiCensus();
    cycle(true);
    cycle(false);
    EXPECT_EQ(GdiObjectCountBesidesCachedDcs(), before) << "was: " << census << "\nnow: " << GdiCensus();
}
