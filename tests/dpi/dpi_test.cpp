// At 150 % and 200 % scaling the control draws everything it draws larger: the picture, the
// bitmap column and the flat frame. Each case runs this program again in a new Wine process
// with LogPixels set to its DPI in the prefix's HKCU\Control Panel\Desktop (Wine reads it when
// a process starts; the running wineserver needs no restart). The test puts the old value back.
#include <map>
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
struct Scaled {
    const char *name;
    DWORD dpi;
    int picture, column, frame;
};
const Scaled kScales[] = {
    {"at_144_dpi", 144, 24, 24 + 6 + 2, 2},
    {"at_192_dpi", 192, 32, 32 + 8 + 2, 2},
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
}

INSTANTIATE_TEST_SUITE_P(LogPixels, Dpi, testing::ValuesIn(kScales), ByName());

// Run by the cases above in a process of their DPI: the control on a real form, its item drawn
// through the form's window, and its popup opened for real.
TEST(DpiChild, ReportsWhatItDraws) {
    if (!RunningAsChild()) GTEST_SKIP() << "runs in a process started by Dpi.*";
    std::map<std::string, std::string> report;
    Bench bench({"&Open", "&Striped", "E&xit"}, 0, 0);
    bench.sink.onSetMenuItemAttributes = [&](_CMenuItem *item) {
        const bool striped = Get(item, L"Caption").value.AsString() == L"&Striped";
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
