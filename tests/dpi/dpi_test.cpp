// At 150 % and 200 % scaling the control draws everything it draws larger: the picture, the
// bitmap column and the flat frame. Each case runs this program again in a new Wine process
// with LogPixels set to its DPI in the prefix's HKCU\Control Panel\Desktop (Wine reads it when
// a process starts; the running wineserver needs no restart). The test puts the old value back.
// Wine's difference: every Wine process counts as DPI aware, so GetDpiForWindow answers the
// LogPixels value; on Windows this program, which declares no DPI awareness, would be drawn at
// 96 DPI and stretched by the system.
#include <map>
#include <set>
#include <string>

#include "pixels/bench.h"
#include "support/locale_process.h"

using namespace brocade_test;

namespace {

const char kChild[] = "DpiChild.ReportsWhatItDraws";
constexpr COLORREF kPicture = RGB(0, 180, 90), kStripeA = RGB(250, 250, 0), kStripeB = RGB(0, 0, 250);

// The LogPixels value of the user's desktop for the test's lifetime, the old one (or none)
// back afterwards.
class LogPixels {
public:
    explicit LogPixels(DWORD dpi) {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                            nullptr, &key_, nullptr) != ERROR_SUCCESS)
            return;
        DWORD size = sizeof saved_;
        had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE *>(&saved_), &size) ==
               ERROR_SUCCESS;
        set_ = Write(dpi);
    }
    ~LogPixels() {
        if (!key_) return;
        if (had_)
            Write(saved_);
        else
            RegDeleteValueW(key_, L"LogPixels");
        RegCloseKey(key_);
    }
    bool Set() const { return set_; }

private:
    bool Write(DWORD value) {
        return RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value) ==
               ERROR_SUCCESS;
    }
    HKEY key_ = nullptr;
    DWORD saved_ = 0;
    bool had_ = false, set_ = false;
};

// Lengths of 96 DPI scaled as MulDiv(length, dpi, 96) rounds: 16 pixels are 24 at 144 and 32 at
// 192; 1 pixel is 2 at both (1.5 rounds up). The bitmap column is the picture plus a margin of
// 4 (6, 8), at least SM_CYMENU (Wine's: 28 and 37), and is filled one pixel (2, 2) further.
// The built-in check mark of bdOffice2003 is drawn anew for each size, one flat colour on the
// key colour: its stroke from (3, 8.5) over (6.5, 12) to (13.5, 4), 2.4 wide on the 16-pixel
// grid, covers pixels 2 to 14 across and 3 to 12 down at 16 pixels, 3 to 21 and 4 to 19 at 24,
// 4 to 28 and 6 to 25 at 32.
struct Scaled {
    const char *name;
    DWORD dpi;
    int picture, column, frame, markWidth, markHeight;
};
const Scaled kScales[] = {
    {"at_144_dpi", 144, 24, 24 + 6 + 2, 2, 19, 16},
    {"at_192_dpi", 192, 32, 32 + 8 + 2, 2, 25, 20},
};

int RunOf(const Surface &pixels, int x, int y, int dx, int dy, COLORREF colour) {
    int count = 0;
    for (; pixels.At(x, y) == colour; x += dx, y += dy) ++count;
    return count;
}

using UINT_PROC = UINT(WINAPI *)(HWND);

}  // namespace

class Dpi : public testing::TestWithParam<Scaled> {};

TEST_P(Dpi, PictureColumnAndFrameGrowWithTheDpi) {
    if (!RunningUnderWine()) GTEST_SKIP() << "the child's DPI is set through Wine's LogPixels";
    const Scaled &scale = GetParam();
    std::map<std::string, std::string> report;
    {
        LogPixels setting(scale.dpi);
        ASSERT_TRUE(setting.Set());
        report = ParseReport(RunTestInLocale(kChild, ""));
    }
    EXPECT_EQ(report["dpi"], std::to_string(scale.dpi)) << "the DPI the child's form is painted at";
    EXPECT_EQ(report["picture width"], std::to_string(scale.picture));
    EXPECT_EQ(report["picture height"], std::to_string(scale.picture));
    EXPECT_EQ(report["column"], std::to_string(scale.column)) << "with SM_CYMENU " << report["cymenu"];
    EXPECT_EQ(report["frame left"], std::to_string(scale.frame));
    EXPECT_EQ(report["frame top"], std::to_string(scale.frame));
    // A quality filter mixes the stripes where a drawn pixel covers both; whole pixels only
    // repeat at 200 %.
    EXPECT_EQ(report["stripes mixed"], scale.dpi % 96 ? "yes" : "no");
    EXPECT_EQ(report["mark"], std::to_string(scale.markWidth) + " x " + std::to_string(scale.markHeight) + " in 1 colour");
}

INSTANTIATE_TEST_SUITE_P(LogPixels, Dpi, testing::ValuesIn(kScales), ByName());

// Run by the cases above in a process of their DPI: the control on a real form, its item drawn
// through the form's window, and its popup opened for real.
TEST(DpiChild, ReportsWhatItDraws) {
    if (!RunningAsChild()) GTEST_SKIP() << "runs in a process started by Dpi.*";
    std::map<std::string, std::string> report;
    Bench bench({"&Open", "&Striped", "&Checked"}, 0, 0);
    bench.Set(L"MenuIconSet", 1);  // bdOffice2003
    CheckMenuItem(bench.popup, 2, MF_BYPOSITION | MF_CHECKED);
    bench.sink.onSetMenuItemAttributes = [&](_CMenuItem *item) {
        const std::wstring caption = Get(item, L"Caption").value.AsString();
        if (caption == L"&Checked") return;
        const bool striped = caption == L"&Striped";
        PutRef(item, L"Picture", striped ? BitmapPicture(16, 16, [](int x, int) { return x % 2 ? kStripeA : kStripeB; }).Get()
                                         : BitmapPicture(16, 16, kPicture).Get());
    };
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (auto dpiForWindow = reinterpret_cast<UINT_PROC>(reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForWindow"))))
        report["dpi"] = std::to_string(dpiForWindow(bench.form));
    report["cymenu"] = std::to_string(GetSystemMetrics(SM_CYMENU));

    const Surface item = bench.Draw(0);
    const std::pair<int, int> first = FirstOf(item, kPicture);
    report["picture width"] = std::to_string(RunOf(item, first.first, first.second + 2, 1, 0, kPicture));
    report["picture height"] = std::to_string(RunOf(item, first.first + 2, first.second, 0, 1, kPicture));
    report["column"] = std::to_string(RunOf(item, 0, 0, 1, 0, kColumn));

    const Surface striped = bench.Draw(1);
    int others = 0;  // in the bitmap column, on the picture's middle row
    for (int x = 0; x < RunOf(striped, 0, 0, 1, 0, kColumn); ++x) {
        const COLORREF c = striped.At(x, striped.Height() / 2);
        others += c != kStripeA && c != kStripeB && c != kColumn;
    }
    report["stripes mixed"] = others ? "yes" : "no";

    // Inside the raised edge around a checked item's column.
    const Surface checked = bench.Draw(2);
    const int column = RunOf(checked, 1, 1, 1, 0, kColumn) + 1;
    RECT mark = {column, checked.Height(), 0, 0};
    std::set<COLORREF> colours;
    for (int y = 1; y < checked.Height() - 1; ++y)
        for (int x = 1; x < column - 1; ++x)
            if (checked.At(x, y) != kColumn) {
                colours.insert(checked.At(x, y));
                mark = {std::min<LONG>(mark.left, x), std::min<LONG>(mark.top, y), std::max<LONG>(mark.right, x + 1),
                        std::max<LONG>(mark.bottom, y + 1)};
            }
    report["mark"] = std::to_string(mark.right - mark.left) + " x " + std::to_string(mark.bottom - mark.top) + " in " +
                     std::to_string(colours.size()) + " colour" + (colours.size() == 1 ? "" : "s");

    Form shown(FormOptions{true});
    HMENU popup = shown.MakePopup({"&Open", "&Save"});
    HostedControl control = HostedControl::WithSite(shown);
    Put(control, L"UseCustomColors", true);
    Put(control, L"MenuBorder", 1);  // Flat
    Put(control, L"MenuHighlightBorder", kBorder);
    Surface frame;
    WithOpenPopup(shown, popup, 200, 150, [&](HWND window) {
        frame = WindowPixels(window);
        return true;
    });
    report["frame left"] = std::to_string(RunOf(frame, 0, frame.Height() / 2, 1, 0, kBorder));
    report["frame top"] = std::to_string(RunOf(frame, frame.Width() / 2, 0, 0, 1, kBorder));
    ReportToParent(report);
}
