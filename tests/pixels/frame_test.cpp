// The flat frame and its shadow on a real popup, opened over a form striped in two known
// colours that the control captured as the menu loop began.
#include "gdi.h"
#include "pixels/bench.h"

using namespace brocade_test;

namespace {

// Stripes four screen rows high, and MenuBackground mb.
constexpr COLORREF kStripe = RGB(100, 150, 200), kOtherStripe = RGB(30, 61, 0), kFrameMenu = RGB(240, 240, 240);
COLORREF StripeAt(int screenY) { return (screenY / 4) % 2 ? kOtherStripe : kStripe; }
// The shadow's inner line is 0.8 s, its outer line 0.8 RoundEven((mb + s) / 2):
//   s = (100, 150, 200): (80, 120, 160); mean (170, 195, 220) gives (136, 156, 176);
//   s = (30, 61, 0): (24, 48.8, 0) = (24, 49, 0); mean (135, 150.5, 120) = (135, 150, 120)
//   gives (108, 120, 96).
COLORREF Inner(COLORREF s) { return s == kStripe ? RGB(80, 120, 160) : RGB(24, 49, 0); }
COLORREF Outer(COLORREF s) { return s == kStripe ? RGB(136, 156, 176) : RGB(108, 120, 96); }

}  // namespace

TEST(Frame, FlatWithShadowShadesWhatLayBehindThePopupAndFlatOutlinesIt) {
    Form form(FormOptions{true});
    form.onMessage = [&](UINT msg, WPARAM wParam, LPARAM, LRESULT &result) {
        if (msg != WM_ERASEBKGND) return false;
        RECT client = {};
        GetClientRect(form, &client);
        POINT origin = {0, 0};
        ClientToScreen(form, &origin);
        for (int y = 0; y < client.bottom; ++y) {
            const RECT row = {0, y, client.right, y + 1};
            brocade::UniqueBrush brush(CreateSolidBrush(StripeAt(origin.y + y)));
            FillRect(reinterpret_cast<HDC>(wParam), &row, brush.Get());
        }
        return result = 1, true;
    };
    RedrawWindow(form, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    HMENU popup = form.MakePopup({"&Open", "&Save", "Save &As", "E&xit"});
    HostedControl control = HostedControl::WithSite(form);
    ASSERT_TRUE(control);
    Put(control, L"UseCustomColors", true);
    Put(control, L"MenuBackground", kFrameMenu);
    Put(control, L"MenuHighlightBorder", kBorder);
    const Surface behind = ScreenPixels(RECT{200, 150, 201, 151});
    ASSERT_EQ(Hex(behind.At(0, 0)), Hex(StripeAt(150))) << "the form shows its stripes";

    for (int border : {2, 1}) {
        SCOPED_TRACE(border == 2 ? "Flat with Shadow" : "Flat");
        Put(control, L"MenuBorder", border);
        Surface shown;
        RECT frame = {};
        ASSERT_TRUE(WithOpenPopup(form, popup, 200, 150, [&](HWND window) {
            GetWindowRect(window, &frame);
            shown = WindowPixels(window);
            return true;
        }));
        const int w = shown.Width(), h = shown.Height();
        ASSERT_GT(h, 20);
        EXPECT_EQ(Hex(shown.At(0, h / 2)), Hex(kBorder)) << "the outline's left edge";
        EXPECT_EQ(Hex(shown.At(w / 2, 0)), Hex(kBorder)) << "the outline's top edge";
        if (border == 1) {
            EXPECT_EQ(Hex(shown.At(w - 1, h / 2)), Hex(kBorder)) << "the outline's right edge";
            continue;
        }
        auto screen = [&](int y) { return StripeAt(frame.top + y); };
        // Two columns at the right from row 2, and two rows at the bottom from column 2.
        for (int y = 2; y < h - 2; ++y) {
            ASSERT_EQ(Hex(shown.At(w - 2, y)), Hex(Inner(screen(y)))) << "right shadow, row " << y;
            ASSERT_EQ(Hex(shown.At(w - 1, y)), Hex(Outer(screen(y)))) << "right shadow, row " << y;
        }
        for (int x = 2; x < w - 2; ++x) {
            ASSERT_EQ(Hex(shown.At(x, h - 2)), Hex(Inner(screen(h - 2)))) << "bottom shadow, column " << x;
            ASSERT_EQ(Hex(shown.At(x, h - 1)), Hex(Outer(screen(h - 1)))) << "bottom shadow, column " << x;
        }
        // Above and left of them the screen shows as it was.
        EXPECT_EQ(Hex(shown.At(w - 1, 1)), Hex(screen(1)));
        EXPECT_EQ(Hex(shown.At(w - 2, 1)), Hex(screen(1)));
        EXPECT_EQ(Hex(shown.At(1, h - 1)), Hex(screen(h - 1)));
        EXPECT_EQ(Hex(shown.At(1, h - 2)), Hex(screen(h - 2)));
    }
}
