// BackgroundPicture as a host uses it: the host keeps showing the same picture elsewhere while
// the control tiles it behind popup items.
#include <gtest/gtest.h>

#include "gdi.h"
#include "support/form.h"
#include "support/gdi_count.h"
#include "support/hosted_control.h"
#include "support/menus.h"
#include "support/pixels.h"

using namespace brocade_test;

namespace {

COLORREF Checker(int x, int y) { return ((x / 2 + y / 2) % 2) ? RGB(200, 30, 40) : RGB(20, 160, 220); }

}  // namespace

TEST(BackgroundPicture, TheHostDrawsItsPictureElsewhereWhileTheMenuTilesIt) {
    Form form;
    HMENU file = form.AddPopup("&File", {"&Open", "E&xit"});
    HostedControl control = HostedControl::WithSite(form);
    ComPtr<IPictureDisp> picture = BitmapPicture(8, 8, Checker);
    // The control's caches for drawing over a picture, and the system's, fill on first use.
    control->putref_BackgroundPicture(BitmapPicture(8, 8, RGB(0, 0, 0)).Get());
    DrawItemThroughForm(form, file, 1);
    control->putref_BackgroundPicture(nullptr);
    OLE_HANDLE handle = 0;
    picture.As<IPicture>(IID_IPicture)->get_Handle(&handle);
    const HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    const int before = GdiObjectCount();
    const std::string census = GdiCensus();

    ASSERT_EQ(control->putref_BackgroundPicture(picture.Get()), S_OK);
    {
        // A picture box of the host's: the bitmap selected into a DC of its own, and kept there.
        brocade::MemoryDc shown(nullptr);
        const HGDIOBJ previous = SelectObject(shown.Get(), bitmap);
        ASSERT_TRUE(previous) << "the host could not select its own picture";
        Surface copy(8, 8);
        BitBlt(copy.Dc(), 0, 0, 8, 8, shown.Get(), 0, 0, SRCCOPY);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) ASSERT_EQ(copy.At(x, y), Checker(x, y)) << "the host's copy at " << x << "," << y;

        // The item is drawn at (0, 0): the tiles start at its corner. Its right end shows them.
        const Surface item = DrawItemThroughForm(form, file, 1);
        ASSERT_GT(item.Width(), 40);
        int tiled = 0;
        for (int y = 0; y < item.Height(); ++y)
            for (int x = item.Width() - 16; x < item.Width() - 4; ++x) tiled += item.At(x, y) == Checker(x % 8, y % 8);
        EXPECT_GT(tiled, 12 * item.Height() * 3 / 4) << "the menu's item does not show the picture";
        SelectObject(shown.Get(), previous);
    }
    ASSERT_EQ(control->putref_BackgroundPicture(nullptr), S_OK);
    EXPECT_EQ(GdiObjectCount(), before) << "was: " << census << "\nnow: " << GdiCensus();
}
